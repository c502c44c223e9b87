#include "users/PrivilegeStore.h"

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace rd {

bool PrivilegeStore::Granted(const QString& userName, QSet<QString>& keys) {
  keys.clear();
  Recordset rs;
  if (!OpenRecordset("select ModuleID from tblPrivilege where UserName=" + SqlLiteral(userName), rs,
                     1))
    return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
    keys.insert(NullToStr(rs.Value(QStringLiteral("ModuleID"))).toLower());
  return true;
}

bool PrivilegeStore::Save(const QString& userName, const QStringList& keys, QString* error) {
  if (!DbConnection) {
    if (error) *error = QStringLiteral("No database is open.");
    return false;
  }
  Connection& db = *DbConnection;
  Transaction transaction(db);
  bool saved =
      transaction.Started() &&
      db.ExecuteBound(QStringLiteral("delete from tblPrivilege where UserName=?"), {userName});
  for (int i = 0; saved && i < keys.size(); ++i)
    saved =
        db.ExecuteBound(QStringLiteral("insert into tblPrivilege(UserName,ModuleID) values(?,?)"),
                        {userName, keys[i]});
  if (saved && transaction.Commit()) return true;
  if (error) *error = db.LastError();
  return false;
}

}  // namespace rd
