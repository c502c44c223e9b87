#pragma once
#include <QString>

namespace rd {

// The user logged in: the name as stored in tblUser and the
// administrator flag. A new object has no name and is no administrator.
class clsUserInfo {
 public:
  QString LoginUser;
  bool IsAdmin = false;
};

}  // namespace rd
