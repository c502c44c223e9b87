#include "users/UserWindows.h"

#include "core/WindowRegistry.h"
#include "users/frmUser.h"

namespace rd {

void RegisterUserWindows() {
  WindowRegistry::Register(QStringLiteral("frmUser"),
                           [](QWidget* parent) { return new frmUser(parent); });
}

}  // namespace rd
