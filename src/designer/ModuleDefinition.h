#pragma once
#include <QString>
#include <array>
#include <vector>

#include "designer/ToolbarRow.h"

namespace rd {

// The window modes that each have a toolbar, in the order the module
// editor shows and saves them.
inline constexpr int kToolbarModeCount = 4;
inline constexpr const char* kToolbarModes[kToolbarModeCount] = {"Browse", "View", "Add",
                                                                 "Modify"};

// A module as the module editor writes it: its tblMenu row and, per
// toolbar mode, the toolbar kind ("Standard" or "Custom") and the buttons
// in their order.
struct ModuleDefinition {
  QString id;
  QString menuIndex;
  QString language;
  QString parent;  // "0" for the top level
  QString rsName;
  QString rsName2;
  QString relation;
  QString formTemplateName;
  std::array<QString, kToolbarModeCount> toolbarKinds;
  std::array<std::vector<ToolbarRow>, kToolbarModeCount> buttons;
};

}  // namespace rd
