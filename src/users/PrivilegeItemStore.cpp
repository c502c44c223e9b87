#include "users/PrivilegeItemStore.h"

#include <QVariantList>

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"

namespace rd {

namespace {

// A null QString would bind as NULL.
QVariant Text(const QString& text) { return text.isNull() ? QString(QLatin1String("")) : text; }

bool Run(const QString& sql, const QVariantList& values, QString* error) {
  Connection* db = ConnectionOrError(error);
  if (!db) return false;
  if (db->ExecuteBound(sql, values)) return true;
  if (error) *error = db->LastError();
  return false;
}

}  // namespace

bool PrivilegeItemStore::Add(const QString& menuId, const QString& name, const QString& description,
                             const QString& mode, QString* error) {
  return Run(
      QStringLiteral("insert into tblPrivilegeID(MenuID,PriName,PriDesc,Mode) values(?,?,?,?)"),
      {Text(menuId), Text(name), Text(description), Text(mode)}, error);
}

bool PrivilegeItemStore::Modify(const QString& menuId, const QString& name,
                                const QString& description, const QString& mode, QString* error) {
  return Run(
      QStringLiteral("update tblPrivilegeID set PriDesc=?,Mode=? where MenuID=? and PriName=?"),
      {Text(description), Text(mode), Text(menuId), Text(name)}, error);
}

bool PrivilegeItemStore::Delete(const QString& menuId, const std::vector<QString>& names,
                                QString* error) {
  Connection* db = ConnectionOrError(error);
  if (!db) return false;
  Transaction transaction(*db);
  bool deleted = transaction.Started();
  for (size_t i = 0; deleted && i < names.size(); ++i)
    deleted = Run(QStringLiteral("delete from tblPrivilegeID where MenuID=? and PriName=?"),
                  {Text(menuId), Text(names[i])}, error);
  if (deleted && transaction.Commit()) return true;
  if (error && error->isEmpty()) *error = db->LastError();
  return false;
}

}  // namespace rd
