#include "edit/EditWindows.h"

#include "core/WindowRegistry.h"
#include "edit/frmEdit.h"
#include "edit/frmOption.h"

namespace rd {

void RegisterEditWindows() {
  WindowRegistry::Register(QStringLiteral("frmEdit"),
                           [](QWidget* parent) -> QWidget* { return new frmEdit(parent); });
  WindowRegistry::Register(QStringLiteral("frmOption"),
                           [](QWidget* parent) -> QWidget* { return new frmOption(parent); });
}

}  // namespace rd
