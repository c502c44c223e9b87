#include "users/UserStore.h"

#include <QVariantList>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace rd {

namespace {

QVariant FlagValue(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QVariant PasswordValue(const QString& password) {
  const QString trimmed = password.trimmed();
  return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

bool Fail(QString* error, const QString& text) {
  if (error) *error = text;
  return false;
}

bool Run(const QString& sql, const QVariantList& values, QString* error) {
  if (DbConnection->ExecuteBound(sql, values)) return true;
  return Fail(error, DbConnection->LastError());
}

bool NoConnection(QString* error) {
  return ConnectionOrError(error) == nullptr;
}

}  // namespace

bool UserStore::Load(qlonglong id, UserRecord& user, QString* error) {
  if (NoConnection(error)) return false;
  Recordset rs;
  if (!rs.Open(QStringLiteral("select * from tblUser where ID=") + QString::number(id),
               *DbConnection))
    return Fail(error, DbConnection->LastError());
  if (rs.Eof()) return Fail(error, QString());
  user.userName = rs.Value(QStringLiteral("UserName")).toString();
  user.password = rs.Value(QStringLiteral("Password")).toString();
  user.isEnable = VariantToBoolean(rs.Value(QStringLiteral("IsEnable")));
  user.isAdmin = VariantToBoolean(rs.Value(QStringLiteral("IsAdmin")));
  return true;
}

std::optional<bool> UserStore::NameTaken(const QString& userName, qlonglong excludeId,
                                         QString* error) {
  if (NoConnection(error)) return std::nullopt;
  Recordset rs;
  if (!rs.Open(QStringLiteral("select ID from tblUser where UserName=") +
                   SqlLiteral(userName.trimmed()) + QStringLiteral(" and ID<>") +
                   QString::number(excludeId),
               *DbConnection)) {
    Fail(error, DbConnection->LastError());
    return std::nullopt;
  }
  return !rs.Eof();
}

bool UserStore::Add(const UserRecord& user, QString* error) {
  if (NoConnection(error)) return false;
  return Run(QStringLiteral(
                 "insert into tblUser(UserName,[Password],IsEnable,IsAdmin) values(?,?,?,?)"),
             {user.userName.trimmed(), PasswordValue(user.password), FlagValue(user.isEnable),
              FlagValue(user.isAdmin)},
             error);
}

bool UserStore::Modify(qlonglong id, const QString& oldUserName, const UserRecord& user,
                       QString* error) {
  if (NoConnection(error)) return false;
  const QString name = user.userName.trimmed();
  Transaction transaction(*DbConnection);
  if (!Run(QStringLiteral("update tblPrivilege set UserName=? where UserName=?"),
           {name, oldUserName}, error))
    return false;
  int changed = 0;
  if (!DbConnection->ExecuteBound(
          QStringLiteral(
              "update tblUser set UserName=?,[Password]=?,IsEnable=?,IsAdmin=? where ID=?"),
          {name, PasswordValue(user.password), FlagValue(user.isEnable), FlagValue(user.isAdmin),
           id},
          &changed))
    return Fail(error, DbConnection->LastError());
  // A user deleted meanwhile keeps nothing renamed.
  if (changed == 0) return Fail(error, QString());
  if (!transaction.Commit()) return Fail(error, DbConnection->LastError());
  return true;
}

bool UserStore::Delete(qlonglong id, QString* error) {
  if (NoConnection(error)) return false;
  Transaction transaction(*DbConnection);
  if (!Run(QStringLiteral(
               "delete from tblPrivilege where UserName=(select UserName from tblUser where ID=?)"),
           {id}, error) ||
      !Run(QStringLiteral("delete from tblUser where ID=?"), {id}, error))
    return false;
  if (!transaction.Commit()) return Fail(error, DbConnection->LastError());
  return true;
}

}  // namespace rd
