#pragma once
#include <QIcon>
#include <QString>
#include <utility>
#include <vector>

#include "browse/GridPrintSource.h"

class QWidget;

namespace rd {

class Report;

// Prints a master record with its detail rows through drMultiTable: the
// opener's caption as heading, the master fields three to a row below it,
// and one line per detail row, its columns sized in proportion to the
// detail grid's width, across the print area of the page.
class ViewPrint {
 public:
  struct Source {
    QString caption;  // the opener's
    QIcon icon;
    std::vector<GridPrintSource::Column> columns;  // detail grid columns from 1
    int gridWidth = 0;
    Recordset rows;
    std::vector<std::pair<QString, QString>> masterFields;  // caption, value
  };

  // For a print area of the given width in twips.
  static void LayOut(Report& report, const Source& source, int orientation, int width);
  // Lays out a fresh report and shows its preview, not modal.
  static void Print(const Source& source, QWidget* opener = nullptr);
};

}  // namespace rd
