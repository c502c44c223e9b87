#pragma once
#include <QIcon>
#include <QString>
#include <vector>

#include "platform/db/Recordset.h"

class QWidget;

namespace rd {

class FlexGrid;
class Report;
struct ReportControl;
class ReportSection;
class StatusBar;

// What a grid report is made from: the window's caption and icon, the
// lines per record, the grid's columns (from column 1, the fixed column
// never prints) and rows, the grid control's width, and the status bar's
// panels. Widths in twips.
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
  int gridWidth = 0;
  std::vector<Panel> panels;
  int statusWidth = 0;
  Recordset rows;

  // The share of total that part takes of width; equal shares of count
  // when total is not positive.
  static double Share(double part, double total, int count, int width);
  // The columns that print: the visible ones, at most max of them.
  static std::vector<const Column*> Printed(const std::vector<Column>& columns, int max);
  // Binds a detail box and its column head to one printed column.
  static void PlaceColumn(ReportControl& box, ReportControl& head, const Column& column, int left,
                          int width, int height);

  // Binds the report to the rows, with caption (text 1025 filled with the
  // window's caption) and icon.
  void BindReport(Report& report) const;
  // Places the printed columns side by side across width, each taking the
  // share it takes of the grid control's width (at least the printed
  // columns' width), and binds the spare boxes.
  static void PlaceColumns(ReportSection& detail, ReportSection& heads,
                           const std::vector<Column>& columns, int gridWidth, int width, int max);
  // The detail boxes from first on get the column "ID" and stay hidden,
  // with their heads.
  static void BindSpares(ReportSection& detail, ReportSection& heads, int first, int max);

  static GridPrintSource Read(const QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                              int printLines);
};

}  // namespace rd
