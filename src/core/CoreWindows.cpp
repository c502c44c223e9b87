#include "core/CoreWindows.h"

#include "core/WindowRegistry.h"
#include "core/frmConnect.h"

namespace rd {

void RegisterCoreWindows() {
  WindowRegistry::Register(QStringLiteral("frmConnect"),
                           [](QWidget* parent) { return new frmConnect(parent); });
}

}  // namespace rd
