#include "browse/GridPrintSource.h"

#include <QWidget>
#include <algorithm>

#include "core/modCommon.h"
#include "platform/report/Report.h"
#include "platform/report/ReportSection.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"

namespace rd {

namespace {
constexpr int kReportCaption = 1025;
}  // namespace

double GridPrintSource::Share(double part, double total, int count, int width) {
  if (total > 0) return part / total * width;
  return count > 0 ? double(width) / count : 0.0;
}

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

void GridPrintSource::BindReport(Report& report) const {
  report.SetDataSource(rows);
  report.SetCaption(ReplaceParams(GetLangString(kReportCaption), {caption}));
  report.SetIcon(icon);
}

void GridPrintSource::PlaceColumns(ReportSection& detail, ReportSection& heads,
                                   const std::vector<Column>& columns, int gridWidth, int width,
                                   int max) {
  const std::vector<const Column*> printed = Printed(columns, max);
  double visibleWidth = 0;
  for (const Column* c : printed) visibleWidth += c->width;
  const double total = std::max<double>(gridWidth, visibleWidth);
  int j = 1;
  int x = 0;
  for (const Column* c : printed) {
    ReportControl* box = detail.Controls(j);
    ReportControl* head = heads.Controls(j);
    if (!box || !head) break;
    PlaceColumn(*box, *head, *c, x, qRound(Share(c->width, total, int(printed.size()), width)),
                detail.Height());
    x += box->Width;
    ++j;
  }
  BindSpares(detail, heads, j, max);
}

void GridPrintSource::BindSpares(ReportSection& detail, ReportSection& heads, int first, int max) {
  for (int j = first; j <= max; ++j) {
    if (ReportControl* box = detail.Controls(j)) {
      box->DataField = "ID";
      box->Visible = false;
    }
    if (ReportControl* head = heads.Controls(j)) head->Visible = false;
  }
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
  source.gridWidth = Twips::FromPx(grid.width());
  for (int p = 1; p <= bar.PanelCount(); ++p)
    source.panels.push_back({bar.Panel(p)->Text(), bar.Panel(p)->Width()});
  source.statusWidth = bar.Width();
  source.rows = grid.DataSource();
  return source;
}

}  // namespace rd
