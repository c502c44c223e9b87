#pragma once
#include <QString>

namespace rd {

// One grantable function of a module: a standard toolbar button, a custom
// toolbar row or an extra item of tblPrivilegeID.
struct PrivilegeItem {
  QString key;      // the button key, tblToolbar.Text or PriName
  QString caption;  // what the lists show as its name
  QString description;
  QString mode;            // "Browse", "View", "Add" or "Modify"
  bool automatic = false;  // follows from the toolbars; not stored as an item
};

}  // namespace rd
