#pragma once
#include <QIcon>
#include <QString>
#include <vector>

#include "platform/db/Recordset.h"

class QWidget;

namespace rd {

class FlexGrid;
struct ReportControl;
class StatusBar;

// What a grid report is made from: the window's caption and icon, the
// lines per record, the grid's columns (from column 1, the fixed column
// never prints) and rows, and the status bar's panels. Widths in twips.
struct GridPrintSource {
  struct Column {
    int width = 0;
    bool hidden = false;
    QString key;
    QString caption;
  };
  struct Panel {
    QString text;
    int width = 0;
  };

  QString caption;
  QIcon icon;
  int printLines = 1;
  std::vector<Column> columns;
  std::vector<Panel> panels;
  int statusWidth = 0;
  Recordset rows;

  // The columns that print: the visible ones, at most max of them.
  static std::vector<const Column*> Printed(const std::vector<Column>& columns, int max);
  // Binds a detail box and its column head to one printed column.
  static void PlaceColumn(ReportControl& box, ReportControl& head, const Column& column, int left,
                          int width, int height);

  static GridPrintSource Read(const QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                              int printLines);
};

}  // namespace rd
