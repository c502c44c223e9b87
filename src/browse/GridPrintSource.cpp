#include "browse/GridPrintSource.h"

#include <QWidget>
#include <algorithm>

#include "platform/report/ReportControl.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"

namespace rd {

std::vector<const GridPrintSource::Column*> GridPrintSource::Printed(
    const std::vector<Column>& columns, int max) {
  std::vector<const Column*> printed;
  for (const Column& c : columns)
    if (!c.hidden && int(printed.size()) < max) printed.push_back(&c);
  return printed;
}

void GridPrintSource::PlaceColumn(ReportControl& box, ReportControl& head, const Column& column,
                                  int left, int width, int height) {
  box.DataField = column.key;
  box.Height = height;
  box.Left = left;
  box.Width = std::max(0, width);
  box.Visible = true;
  head.Caption = column.caption;
  head.Left = box.Left;
  head.Width = box.Width;
  head.Visible = true;
}

GridPrintSource GridPrintSource::Read(const QWidget& window, const FlexGrid& grid,
                                      const StatusBar& bar, int printLines) {
  GridPrintSource source;
  source.caption = window.windowTitle();
  source.icon = window.windowIcon();
  source.printLines = printLines;
  for (int i = 1; i < grid.Cols(); ++i)
    source.columns.push_back({grid.ColWidth(i), grid.ColHidden(i), grid.ColKey(i),
                              grid.TextMatrix(0, i)});
  for (int p = 1; p <= bar.PanelCount(); ++p)
    source.panels.push_back({bar.Panel(p)->Text(), bar.Panel(p)->Width()});
  source.statusWidth = bar.Width();
  source.rows = grid.DataSource();
  return source;
}

}  // namespace rd
