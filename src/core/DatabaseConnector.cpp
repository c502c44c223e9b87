#include "core/DatabaseConnector.h"

#include "core/Globals.h"
#include "core/modDatabase.h"

namespace rd {
namespace {
DatabaseConnector::Factory& installed() {
  static DatabaseConnector::Factory f;
  return f;
}
}  // namespace

std::unique_ptr<Connection> DatabaseConnector::Connect(const QString& serverType,
                                                       const QString& dataBaseName,
                                                       const QString& password,
                                                       const QString& serverName,
                                                       const QString& userID) {
  if (installed()) return installed()(serverType, dataBaseName, password, serverName, userID);
  return ConnectDatabase(serverType, dataBaseName, password, serverName, userID);
}

bool DatabaseConnector::Open(const QString& serverType, const QString& dataBaseName,
                             const QString& password, const QString& serverName,
                             const QString& userID) {
  DbConnection.reset();
  DbConnection = Connect(serverType, dataBaseName, password, serverName, userID);
  return DbConnection != nullptr;
}

void DatabaseConnector::Install(Factory factory) { installed() = std::move(factory); }

}  // namespace rd
