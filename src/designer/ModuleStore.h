#pragma once
#include <QString>

#include "designer/ModuleDefinition.h"

namespace rd {

// Reads and writes modules on DbConnection: a tblMenu row with its
// tblToolbar rows. A module is always written whole in one transaction.
class ModuleStore {
 public:
  enum class Refusal { None, EmptyId, BadRelation, IdInUse, Cycle, Unreadable };

  // Why the module may not be saved: an empty ID, a relation that is
  // neither blank nor two column names, an ID another menu item has (case
  // ignored), or a parent that is the module itself or lies below it.
  // loadedId is the ID the module was loaded under, empty for a
  // new one. Unreadable, with the error, when tblMenu could not be read.
  static Refusal Check(const ModuleDefinition& module, const QString& loadedId, QString* error);

  // Replaces the module's row (the one under loadedId, when given) and
  // all its toolbar rows, those under loadedId included; a new ID takes
  // the module's privileges along. On failure
  // nothing is changed and *error holds the database's message.
  static bool Save(const ModuleDefinition& module, const QString& loadedId, QString* error);

  // The toolbar rows of a module's mode in button order, with the ten
  // columns of the editor's grids.
  static QString ToolbarQuery(const QString& menuId, const QString& mode);
  // The same columns without rows.
  static QString EmptyToolbarQuery();
};

}  // namespace rd
