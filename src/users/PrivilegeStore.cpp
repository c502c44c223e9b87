#include "users/PrivilegeStore.h"

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"

namespace rd {

bool PrivilegeStore::Save(const QString& userName, const QStringList& keys, QString* error) {
  if (!ConnectionOrError(error)) return false;
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
