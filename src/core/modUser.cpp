#include "core/modUser.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"

namespace rd {

bool CheckUser(const QString& user, const QString& password) {
  Recordset rs;
  if (!OpenRecordset("select * from tblUser where UserName=" + SqlLiteral(user) + " and IsEnable<>0",
                     rs, 1))
    return false;
  if (rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  return password.toLower() == NullToStr(rs.Value("Password")).toLower();
}

bool SetLoginUser(const QString& user) {
  Recordset rs;
  // An enabled row first, should the name be stored more than once.
  if (!OpenRecordset("select * from tblUser where UserName=" + SqlLiteral(user) +
                         " order by IsEnable desc",
                     rs, 1))
    return false;
  if (rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  if (!UserInfo) UserInfo = std::make_unique<clsUserInfo>();
  UserInfo->LoginUser = NullToStr(rs.Value("UserName"));
  UserInfo->IsAdmin = VariantToBoolean(rs.Value("IsAdmin"));
  return true;
}

}  // namespace rd
