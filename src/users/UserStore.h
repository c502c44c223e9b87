#pragma once
#include <QString>
#include <optional>

#include "users/UserRecord.h"

namespace rd {

// Reads and writes tblUser on DbConnection. Every value is bound; a user
// written with its privilege rows is one transaction, so a failure leaves
// both as they were. Failures give false with the database's error.
class UserStore {
 public:
  // False when no user has that ID or the read failed.
  static bool Load(qlonglong id, UserRecord& user, QString* error = nullptr);
  // Whether a user other than excludeId holds the name (case ignored);
  // nothing, with the error, when that could not be checked.
  static std::optional<bool> NameTaken(const QString& userName, qlonglong excludeId,
                                       QString* error);
  // Names and password are stored trimmed; an empty password as NULL.
  static bool Add(const UserRecord& user, QString* error);
  // Writes the user and moves the privilege rows of oldUserName to the new name.
  static bool Modify(qlonglong id, const QString& oldUserName, const UserRecord& user,
                     QString* error);
  // Deletes the user and the user's privilege rows.
  static bool Delete(qlonglong id, QString* error);
};

}  // namespace rd
