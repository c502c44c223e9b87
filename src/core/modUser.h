#pragma once
#include <QSet>
#include <QString>

namespace rd {

// True when an enabled user of that name has that password; passwords are
// compared without regard to case, and an empty one matches a NULL. The
// IsEnable flag is read as a Boolean ("1", "-1" and "True" are set).
bool CheckUser(const QString& user, const QString& password);

// Fills UserInfo from the user's row (the stored spelling of the name, its
// administrator flag, NULL read as false); false when there is no row.
bool SetLoginUser(const QString& user);

// After the user oldName was renamed to newName: the current user's name and
// the stored [System] LoginUser follow when they named that user (case
// ignored).
void RenameLoginUser(const QString& oldName, const QString& newName);

// The privilege keys granted to the user, in lower case; false (the
// database's message shown) when they could not be read.
bool ReadGrantedKeys(const QString& user, QSet<QString>& keys);

}  // namespace rd
