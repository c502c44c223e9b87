#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace rd {

// What the program cannot start without in the database on DbConnection:
// the users, the menus and the privileges with the columns it reads.
// Empty when all are there, else the message that names the first table
// or column missing.
QString MissingSystemTable();

// The same for the named system tables with every column the program
// reads of them; a name it does not know is checked for the table only.
QString MissingSystemTable(const QStringList& tables);

// One of the program's own system tables, in any case.
bool IsSystemTable(const QString& name);

// Shows what MissingSystemTable(tables) names, in one critical box; false
// when it showed one.
bool CheckSystemTables(const QStringList& tables, QWidget* parent = nullptr);

// The tables a module window reads as it opens, and those of the designer,
// its editors and lookup lists, and of the privilege administration.
const QStringList& ModuleTables();
const QStringList& DesignerTables();
const QStringList& PrivilegeTables();

}  // namespace rd
