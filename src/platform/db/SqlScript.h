#pragma once
#include <QString>
#include <QStringList>

#include "platform/db/Connection.h"

namespace rd {

// Splits a script into statements at ";" outside quotes and comments.
QStringList SplitSqlScript(const QString& script);

// Creates a new SQLite database file from scripts, all in one transaction;
// refuses to touch a file that already exists.
bool CreateSqliteDatabase(const QString& path, const QStringList& scripts, QString* error);

}  // namespace rd
