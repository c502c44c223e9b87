#pragma once

class QWidget;

namespace rd {

class FlexGrid;
class Report;
class StatusBar;
struct GridPrintSource;

// Prints a browse grid: its visible columns share the width of the
// printer page's print area in the proportions of their grid widths, the
// status-bar texts close the report, each printed whole, and the report
// opens in the preview.
class PrintData {
 public:
  // [Print] Orientation of the settings: 0 the printer's default, 1
  // portrait, 2 landscape; anything else reads as 0.
  static int Orientation();

  // Fills a grid report layout (see drSingleTable) from a source, for a
  // print area of the given width in twips.
  static void LayOut(Report& report, const GridPrintSource& source, int orientation, int width);

  // Lays out a fresh report from the window's grid and status bar and
  // shows its preview, not modal; the window stays as it was.
  static bool Print(QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                    int printLines);
};

}  // namespace rd
