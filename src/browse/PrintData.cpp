#include "browse/PrintData.h"

#include <algorithm>

#include "browse/GridPrintSource.h"
#include "browse/drSingleTable.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/report/Printer.h"
#include "platform/report/Report.h"
#include "platform/report/ReportText.h"

namespace rd {

namespace {
constexpr int kHeading = 1089;
constexpr int kColumnGap = 20;
constexpr int kLineShortfall = 200;
constexpr int kFooterRowStep = 345;

void Place(ReportControl& c, int left, int width) {
  c.Left = left;
  c.Width = std::max(0, width);
  c.Visible = true;
}
}  // namespace

int PrintData::Orientation() {
  bool ok = false;
  const int n = GetIniString("Print", "Orientation", ConfigFile).toInt(&ok);
  return ok && n >= Report::PrinterDefault && n <= Report::Landscape ? n : Report::PrinterDefault;
}

void PrintData::LayOut(Report& report, const GridPrintSource& source, int orientation,
                       int width) {
  report.SetReportWidth(width);
  const int rw = report.ReportWidth();
  source.BindReport(report);

  ReportSection* heading = report.Sections("Section4");
  ReportSection* heads = report.Sections("Section2");
  ReportSection* detail = report.Sections("Section1");
  ReportSection* footer = report.Sections("Section5");
  if (!heading || !heads || !detail || !footer) return;

  if (ReportControl* title = heading->Controls(1)) {
    title->Caption = ReplaceParams(GetLangString(kHeading), {QString(), source.caption});
    ReportText::Centre(*title, rw);
  }
  detail->SetHeight(std::max(1, source.printLines) * drSingleTable::kDetailLineHeight);
  for (ReportControl* line : {heads->Controls("Line1"), footer->Controls("Line2")})
    if (line) Place(*line, 0, rw - kLineShortfall);

  const std::vector<const GridPrintSource::Column*> printed =
      GridPrintSource::Printed(source.columns, drSingleTable::kFields);
  double total = 0;
  for (const GridPrintSource::Column* c : printed) total += c->width;

  int j = 1;
  int x = 0;
  for (const GridPrintSource::Column* c : printed) {
    ReportControl* box = detail->Controls(j);
    ReportControl* head = heads->Controls(j);
    if (!box || !head) break;
    const double share = GridPrintSource::Share(c->width, total, int(printed.size()), rw);
    GridPrintSource::PlaceColumn(*box, *head, *c, x, qRound(share - kColumnGap), detail->Height());
    x += box->Width;
    ++j;
  }
  GridPrintSource::BindSpares(*detail, *heads, j, drSingleTable::kFields);

  const int panels = std::min<int>(int(source.panels.size()), drSingleTable::kFields);
  // Panels wider together than the bar (not laid out yet) still fit the page.
  double panelsWidth = 0;
  for (int p = 0; p < panels; ++p) panelsWidth += std::max(0, source.panels[p].width);
  const double barWidth = std::max<double>(source.statusWidth, panelsWidth);
  x = 0;
  for (int k = 1; k <= drSingleTable::kFields; ++k) {
    ReportControl* label = footer->Controls(k);
    if (!label) break;
    if (k > panels) {
      label->Visible = false;
      continue;
    }
    const GridPrintSource::Panel& panel = source.panels[k - 1];
    label->Caption = panel.text;
    Place(*label, x, qRound(GridPrintSource::Share(panel.width, barWidth, panels, rw)));
    x += label->Width;
  }
  ReportText::FitCaptions(*footer, rw, kFooterRowStep);
  report.SetOrientation(orientation);
}

bool PrintData::Print(QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                      int printLines) {
  drSingleTable report;
  const int orientation = Orientation();
  LayOut(report, GridPrintSource::Read(window, grid, bar, printLines), orientation,
         Printer::PrintArea(orientation, report.Margin()).width());
  report.Show(false, &window);
  return true;
}

}  // namespace rd
