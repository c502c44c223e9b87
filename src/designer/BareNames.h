#pragma once
#include <QString>

namespace rd {

// Which plain names a designed table may take.
namespace BareNames {

enum class Place { Table, Column, Type };

// Whether the server's parser takes the name unquoted in that place of a
// CREATE TABLE statement: SQLite's own parser decides (a few words it takes
// as a column but not as a table; a type is one it takes in a CAST);
// "SQLSERVER" refuses its reserved keywords in all, a type by the word
// before its size.
bool Takes(const QString& name, Place place, bool sqlServer);

// One of the program's own system tables (any case) or a name SQLite keeps
// for itself ("sqlite_...").
bool IsSystemTable(const QString& name);

}  // namespace BareNames

}  // namespace rd
