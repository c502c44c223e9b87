#include "edit/windows/EditWindows.h"

#include "core/WindowRegistry.h"
#include "edit/windows/frmEdit.h"
#include "edit/windows/frmOption.h"

namespace rd {

void RegisterEditWindows() {
  WindowRegistry::Register(QStringLiteral("frmEdit"),
                           [](QWidget* parent) -> QWidget* { return new frmEdit(parent); });
  WindowRegistry::Register(QStringLiteral("frmOption"),
                           [](QWidget* parent) -> QWidget* { return new frmOption(parent); });
}

}  // namespace rd
