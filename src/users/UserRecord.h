#pragma once
#include <QString>

namespace rd {

// One row of tblUser as the user editor shows it.
struct UserRecord {
  QString userName;
  QString password;
  bool isEnable = true;
  bool isAdmin = false;
};

}  // namespace rd
