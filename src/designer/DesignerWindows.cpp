#include "designer/DesignerWindows.h"

#include "core/WindowRegistry.h"
#include "designer/frmDevelope.h"

namespace rd {

void RegisterDesignerWindows() {
  WindowRegistry::Register(QStringLiteral("frmDevelope"),
                           [](QWidget* parent) { return new frmDevelope(parent); });
}

}  // namespace rd
