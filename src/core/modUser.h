#pragma once
#include <QString>

namespace rd {

// True when an enabled user of that name has that password; passwords are
// compared without regard to case, and an empty one matches a NULL.
bool CheckUser(const QString& user, const QString& password);

// Fills UserInfo from the user's row (the stored spelling of the name, its
// administrator flag, NULL read as false); false when there is no row.
bool SetLoginUser(const QString& user);

}  // namespace rd
