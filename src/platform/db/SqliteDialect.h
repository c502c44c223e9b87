#pragma once
#include <QString>

struct sqlite3;

namespace rd {

// What the SQLite file needs to run the statements written for the
// server dialects: functions they call and a few rewritten forms.
namespace SqliteDialect {
void RegisterFunctions(sqlite3* db);
QString Translate(const QString& sql);
}  // namespace SqliteDialect

}  // namespace rd
