#pragma once
#include <QSet>
#include <QString>
#include <QStringList>

namespace rd {

// A user's rows of tblPrivilege. Names and keys are bound, never spliced
// into the statements.
class PrivilegeStore {
 public:
  // The user's keys in lower case, as every reader compares them; false
  // when they could not be read (OpenRecordset has shown why).
  static bool Granted(const QString& userName, QSet<QString>& keys);
  // Replaces the user's rows by one per key in one transaction: a failure
  // keeps the old rows and gives false with the database's error.
  static bool Save(const QString& userName, const QStringList& keys, QString* error);
};

}  // namespace rd
