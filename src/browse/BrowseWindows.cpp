#include "browse/BrowseWindows.h"

#include "browse/frmListBill.h"
#include "browse/frmMultiTable.h"
#include "browse/frmPrint.h"
#include "browse/frmQuery.h"
#include "browse/frmSingleTable.h"
#include "core/WindowRegistry.h"

namespace rd {

void RegisterBrowseWindows() {
  WindowRegistry::Register(QStringLiteral("frmSingleTable"),
                           [](QWidget* parent) { return new frmSingleTable(parent); });
  WindowRegistry::Register(QStringLiteral("frmMultiTable"),
                           [](QWidget* parent) { return new frmMultiTable(parent); });
  WindowRegistry::Register(QStringLiteral("frmListBill"),
                           [](QWidget* parent) { return new frmListBill(parent); });
  RegisterQueryWindow();
  RegisterPrintWindow();
}

}  // namespace rd
