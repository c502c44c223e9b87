#pragma once
// A database server that records what it is sent: connections made
// ("connect server/user/password/database"), statements and queries, in
// order. Queries are answered with the rows scripted for the first key
// their text starts with; statements starting with a refused key fail.
#include <QMap>
#include <QStringList>
#include <memory>

#include "core/DatabaseConnector.h"
#include "platform/db/Connection.h"

namespace fakeserver {

struct Server {
  QStringList log;
  QMap<QString, rd::QueryResult> answers;
  QStringList refusedStatements;
  QStringList refusedDatabases;

  void Answer(const QString& key, const QStringList& columns, const QList<QVariantList>& rows) {
    rd::QueryResult& r = answers[key];
    r.Clear();
    r.columns = columns;
    for (const QVariantList& row : rows) r.AppendRow(row);
  }
  bool Refuses(const QString& sql) const {
    for (const QString& key : refusedStatements)
      if (sql.startsWith(key)) return true;
    return false;
  }
  std::unique_ptr<rd::Connection> Connect(const QString& database, const QString& password,
                                          const QString& server, const QString& user);
  // Installs this server as the one every connection goes to.
  void Install() {
    rd::DatabaseConnector::Install(
        [this](const QString&, const QString& db, const QString& pw, const QString& server,
               const QString& user) { return Connect(db, pw, server, user); });
  }
};

class Connection : public rd::Connection {
 public:
  explicit Connection(Server& s) : server_(s) {}
  bool Execute(const QString& sql, int* rowsAffected) override {
    server_.log << sql;
    if (rowsAffected) *rowsAffected = 0;
    if (!server_.Refuses(sql)) return true;
    SetError("refused: " + sql);
    return false;
  }
  bool Query(const QString& sql, rd::QueryResult* out) override {
    out->Clear();
    server_.log << sql;
    if (server_.Refuses(sql)) {
      SetError("refused: " + sql);
      return false;
    }
    for (auto it = server_.answers.cbegin(); it != server_.answers.cend(); ++it)
      if (sql.startsWith(it.key())) {
        *out = it.value();
        break;
      }
    return true;
  }

 private:
  Server& server_;
};

inline std::unique_ptr<rd::Connection> Server::Connect(const QString& database,
                                                       const QString& password,
                                                       const QString& server, const QString& user) {
  log << QStringList({"connect " + server, user, password, database}).join('/');
  if (refusedDatabases.contains(database)) return nullptr;
  return std::make_unique<Connection>(*this);
}

}  // namespace fakeserver
