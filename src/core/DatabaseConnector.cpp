#include "core/DatabaseConnector.h"

#include <QDir>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"

namespace rd {
namespace {
constexpr int kReadStopped = 1290;
constexpr int kReadOnly = 1292;
constexpr int kDiskFull = 1293;

DatabaseConnector::Factory& installed() {
  static DatabaseConnector::Factory f;
  return f;
}

int& failureCode() {
  static int code = 0;
  return code;
}
}  // namespace

std::unique_ptr<Connection> DatabaseConnector::Connect(const QString& serverType,
                                                       const QString& dataBaseName,
                                                       const QString& password,
                                                       const QString& serverName,
                                                       const QString& userID) {
  failureCode() = 0;
  std::unique_ptr<Connection> c =
      installed() ? installed()(serverType, dataBaseName, password, serverName, userID)
                  : ConnectDatabase(serverType, dataBaseName, password, serverName, userID,
                                    &failureCode());
  if (c) {
    c->SetDamagedText(DamagedDatabaseText(c->FilePath()));
    c->SetNulText(GetLangString(1271));
    const QString file = QDir::toNativeSeparators(c->FilePath());
    c->SetReadOnlyText(ReplaceParams(GetLangString(kReadOnly), {file}));
    c->SetFullText(ReplaceParams(GetLangString(kDiskFull), {file}));
    c->SetInterruptedText(GetLangString(kReadStopped));
  }
  return c;
}

int DatabaseConnector::LastFailureCode() { return failureCode(); }

bool DatabaseConnector::Open(const QString& serverType, const QString& dataBaseName,
                             const QString& password, const QString& serverName,
                             const QString& userID) {
  DbConnection.reset();
  DbConnection = Connect(serverType, dataBaseName, password, serverName, userID);
  return DbConnection != nullptr;
}

void DatabaseConnector::Install(Factory factory) { installed() = std::move(factory); }

}  // namespace rd
