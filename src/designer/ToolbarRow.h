#pragma once
#include <QString>

namespace rd {

// One button of a module's toolbar as the module editor's grids hold it
// (grid columns 3 to 10) and tblToolbar stores it.
struct ToolbarRow {
  QString buttonType;
  QString text;
  QString toolTipText;
  QString image;
  QString buttonFunction;
  QString parameter1;
  QString parameter2;
  QString parameter3;
};

}  // namespace rd
