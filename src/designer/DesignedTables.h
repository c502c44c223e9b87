#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "designer/DesignedColumn.h"

namespace rd {

// The designed tables on DbConnection: their tblTable rows and the real
// tables made from them. Names that are not plain names are never sent.
namespace DesignedTables {

// The rows of the table in FieldIndex order; none, with the database's
// error shown, when they could not be read.
std::optional<std::vector<DesignedColumn>> Read(const QString& tableName);

// True when the table can be read; any error counts as no table.
bool TableExists(const QString& tableName);

// Deletes the design of the table and, when the table exists, drops it in
// the same transaction: on a failure both stay, with the database's error
// in *error. A system table or one of SQLite's own is never dropped: only
// its design goes. Nothing is shown.
bool DeleteWithTable(const QString& tableName, QString* error);

// Drops the old table (when there is one) and runs the create statement
// in one transaction: a create that fails keeps the old table and its rows.
bool Replace(const QString& tableName, const QString& createStatement, bool dropFirst,
             QString* error);

}  // namespace DesignedTables

}  // namespace rd
