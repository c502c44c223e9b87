#include "browse/BrowseWindows.h"

#include "browse/frmQuery.h"
#include "browse/frmSingleTable.h"
#include "core/WindowRegistry.h"

namespace rd {

void RegisterBrowseWindows() {
  WindowRegistry::Register(QStringLiteral("frmSingleTable"),
                           [](QWidget* parent) { return new frmSingleTable(parent); });
  RegisterQueryWindow();
}

}  // namespace rd
