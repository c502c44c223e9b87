#include "browse/PrintData.h"

#include <algorithm>

#include "browse/GridPrintSource.h"
#include "browse/drSingleTable.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/report/Printer.h"
#include "platform/report/Report.h"

namespace rd {

namespace {
constexpr int kReportCaption = 1025;
constexpr int kHeading = 1089;
constexpr int kColumnGap = 20;
constexpr int kLineShortfall = 200;

// The share of total that part takes of width; equal shares of count when
// the parts add up to nothing.
double Share(double part, double total, int count, int width) {
  if (total > 0) return part / total * width;
  return count > 0 ? double(width) / count : 0.0;
}

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
                       int pageWidth, int pageHeight) {
  report.SetReportWidth((orientation == Report::Landscape ? pageHeight : pageWidth) - 50);
  const int rw = report.ReportWidth();
  report.SetDataSource(source.rows);
  report.SetCaption(ReplaceParams(GetLangString(kReportCaption), {source.caption}));
  report.SetIcon(source.icon);

  ReportSection* heading = report.Sections("Section4");
  ReportSection* heads = report.Sections("Section2");
  ReportSection* detail = report.Sections("Section1");
  ReportSection* footer = report.Sections("Section5");
  if (!heading || !heads || !detail || !footer) return;

  if (ReportControl* title = heading->Controls(1)) {
    title->Caption = ReplaceParams(GetLangString(kHeading), {QString(), source.caption});
    title->Left = qRound((rw - title->Width) / 2.0);
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
    GridPrintSource::PlaceColumn(
        *box, *head, *c, x, qRound(Share(c->width, total, int(printed.size()), rw) - kColumnGap),
        detail->Height());
    x += box->Width;
    ++j;
  }
  for (; j <= drSingleTable::kFields; ++j) {
    if (ReportControl* box = detail->Controls(j)) {
      box->DataField = "ID";
      box->Visible = false;
    }
    if (ReportControl* head = heads->Controls(j)) head->Visible = false;
  }

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
    Place(*label, x, qRound(Share(panel.width, barWidth, panels, rw)));
    x += label->Width;
  }
  report.SetOrientation(orientation);
}

bool PrintData::Print(const QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                      int printLines) {
  drSingleTable report;
  LayOut(report, GridPrintSource::Read(window, grid, bar, printLines), Orientation(),
         Printer::Width(), Printer::Height());
  report.Show(false);
  return true;
}

}  // namespace rd
