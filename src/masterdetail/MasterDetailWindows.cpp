#include "masterdetail/MasterDetailWindows.h"

#include "core/WindowRegistry.h"
#include "masterdetail/frmListEdit.h"
#include "masterdetail/frmMultiEdit.h"
#include "masterdetail/frmMultiView.h"

namespace rd {

void RegisterMasterDetailWindows() {
  WindowRegistry::Register(QStringLiteral("frmMultiEdit"),
                           [](QWidget* parent) -> QWidget* { return new frmMultiEdit(parent); });
  WindowRegistry::Register(QStringLiteral("frmListEdit"),
                           [](QWidget* parent) -> QWidget* { return new frmListEdit(parent); });
  WindowRegistry::Register(QStringLiteral("frmMultiView"),
                           [](QWidget* parent) -> QWidget* { return new frmMultiView(parent); });
}

}  // namespace rd
