#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "platform/db/Connection.h"

namespace rd {

// Opens the connections of the backup, restore and connection routines.
// Tests install a factory of their own to stand in for a server.
class DatabaseConnector {
 public:
  using Factory = std::function<std::unique_ptr<Connection>(
      const QString& serverType, const QString& dataBaseName, const QString& password,
      const QString& serverName, const QString& userID)>;

  // A new connection, or null; DbConnection is left alone. The connection
  // names a damage of its file and a NUL in a read in the program's words.
  static std::unique_ptr<Connection> Connect(const QString& serverType, const QString& dataBaseName,
                                             const QString& password, const QString& serverName,
                                             const QString& userID);
  // Replaces DbConnection by a new connection; true when it is open.
  static bool Open(const QString& serverType, const QString& dataBaseName, const QString& password,
                   const QString& serverName, const QString& userID);
  // SQLite's result code of the last Connect that failed (SQLITE_BUSY,
  // SQLITE_NOTADB, ...); 0 after a success or any other failure.
  static int LastFailureCode();
  // An empty factory restores the real one.
  static void Install(Factory factory);
};

}  // namespace rd
