#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// Writes a user's rows of tblPrivilege (ReadGrantedKeys reads them). Names
// and keys are bound, never spliced into the statements.
class PrivilegeStore {
 public:
  // Replaces the user's rows by one per key in one transaction: a failure
  // keeps the old rows and gives false with the database's error.
  static bool Save(const QString& userName, const QStringList& keys, QString* error);
};

}  // namespace rd
