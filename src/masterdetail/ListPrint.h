#pragma once
#include <QString>

class QWidget;

namespace rd {

class FlexGrid;
class Report;
class StatusBar;
struct GridPrintSource;

// Prints the grid of a list window (the user list, the table structure)
// through drSingleTable: the columns in proportion to the grid control's
// width across the page's print area, the status-bar texts at the end, the
// report shown modally.
class ListPrint {
 public:
  // Fills the layout for a report width in twips under the given heading.
  static void LayOut(Report& report, const GridPrintSource& source, const QString& heading,
                     int width);
  // Lays out a fresh report from the window and shows it modally over the
  // window; true once the preview is closed.
  static bool Print(QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                    const QString& heading);
};

}  // namespace rd
