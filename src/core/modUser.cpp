#include "core/modUser.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"

namespace rd {

namespace {

// Moves to the first row whose IsEnable reads as set, whatever form the
// flag is stored in ("1", "-1", "True"); false when there is none.
bool FirstEnabled(Recordset& rs) {
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
    if (VariantToBoolean(rs.Value("IsEnable"))) return true;
  return false;
}

bool SameUser(const QString& a, const QString& b) {
  return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool CheckUser(const QString& user, const QString& password) {
  Recordset rs;
  if (!OpenRecordset("select * from tblUser where UserName=" + SqlLiteral(user), rs, 1))
    return false;
  // Without a password column nobody gets in, not even with no password.
  if (rs.FieldIndex("Password") < 0) return false;
  return FirstEnabled(rs) && password.toLower() == NullToStr(rs.Value("Password")).toLower();
}

bool SetLoginUser(const QString& user) {
  Recordset rs;
  if (!OpenRecordset("select * from tblUser where UserName=" + SqlLiteral(user), rs, 1))
    return false;
  if (rs.RecordCount() == 0) return false;
  // An enabled row first, should the name be stored more than once.
  if (!FirstEnabled(rs)) rs.MoveFirst();
  if (!UserInfo) UserInfo = std::make_unique<clsUserInfo>();
  UserInfo->LoginUser = NullToStr(rs.Value("UserName"));
  UserInfo->IsAdmin = VariantToBoolean(rs.Value("IsAdmin"));
  return true;
}

void RenameLoginUser(const QString& oldName, const QString& newName) {
  if (oldName.trimmed().isEmpty()) return;
  if (UserInfo && SameUser(UserInfo->LoginUser, oldName)) UserInfo->LoginUser = newName;
  if (!ConfigFile.isEmpty() && SameUser(GetIniString("System", "LoginUser", ConfigFile), oldName))
    SaveSetting("System", "LoginUser", newName);
}

bool ReadGrantedKeys(const QString& user, QSet<QString>& keys) {
  keys.clear();
  Recordset rs;
  if (!OpenRecordset("select ModuleID from tblPrivilege where UserName=" + SqlLiteral(user), rs, 1))
    return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
    if (!rs.Fields(0).Value.isNull()) keys.insert(rs.Fields(0).Text().toLower());
  return true;
}

}  // namespace rd
