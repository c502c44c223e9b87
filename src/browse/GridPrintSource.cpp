#include "browse/GridPrintSource.h"

#include <QWidget>

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"

namespace rd {

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
