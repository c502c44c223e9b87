#include "users/UserWindows.h"

#include "core/WindowRegistry.h"
#include "users/frmPrivilege.h"
#include "users/frmPrivilegeList.h"
#include "users/frmUser.h"

namespace rd {

void RegisterUserWindows() {
  WindowRegistry::Register(QStringLiteral("frmUser"),
                           [](QWidget* parent) { return new frmUser(parent); });
  WindowRegistry::Register(QStringLiteral("frmPrivilege"),
                           [](QWidget* parent) { return new frmPrivilege(parent); });
  WindowRegistry::Register(QStringLiteral("frmPrivilegeList"),
                           [](QWidget* parent) { return new frmPrivilegeList(parent); });
}

}  // namespace rd
