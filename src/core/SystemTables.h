#pragma once
#include <QString>

namespace rd {

// What the program cannot start without in the database on DbConnection:
// the users, the menus and the privileges with the columns it reads.
// Empty when all are there, else the message that names the first table
// or column missing.
QString MissingSystemTable();

}  // namespace rd
