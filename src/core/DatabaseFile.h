#pragma once
#include <QString>

namespace rd {

// File work on the database file of the "ACCESS" type.
namespace DatabaseFile {

// True when both names lead to one existing file.
bool IsSameFile(const QString& a, const QString& b);
// True when the file opens read-only as a database of this program (its
// user table can be read). Leaves the file untouched.
bool IsUsableBackup(const QString& path);
// Copies from over to through a temporary file renamed over to at the end,
// so a failure leaves to as it was. False with the reason in *error.
bool CopyOver(const QString& from, const QString& to, QString* error = nullptr);
// Removes the journal files a database of that name may have left beside it.
void RemoveSidecars(const QString& path);

}  // namespace DatabaseFile

}  // namespace rd
