#pragma once
#include <QString>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace rd {

struct SqliteFinalizer {
  void operator()(sqlite3_stmt* stmt) const;
};
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalizer>;

// Prepares exactly one statement; only comments and blanks may follow it.
// Null with *error otherwise.
SqliteStatement PrepareSqlite(sqlite3* handle, const QString& sql, QString* error);

// Whether an empty in-memory database prepares sql: its parser takes the
// text. Nothing is run.
bool SqliteParses(const QString& sql);

// Binds values to the statement's "?" placeholders, steps it to its end
// and resets it for another run. Texts bind as UTF-8; null strings, byte
// arrays and dates bind as NULL, as Qt's drivers do. False with *error on
// a wrong number of values or a failure.
bool RunSqlite(sqlite3* handle, sqlite3_stmt* stmt, const QVariantList& values,
               int* rowsAffected, QString* error);

}  // namespace rd
