#include "designer/DesignerWindows.h"

#include "core/WindowRegistry.h"
#include "designer/frmDevelope.h"
#include "designer/frmModuleEdit.h"
#include "designer/frmRecordset.h"

namespace rd {

void RegisterDesignerWindows() {
  WindowRegistry::Register(QStringLiteral("frmDevelope"),
                           [](QWidget* parent) { return new frmDevelope(parent); });
  WindowRegistry::Register(QStringLiteral("frmRecordset"),
                           [](QWidget* parent) { return new frmRecordset(parent); });
  WindowRegistry::Register(QStringLiteral("frmModuleEdit"),
                           [](QWidget* parent) { return new frmModuleEdit(parent); });
}

}  // namespace rd
