#include "masterdetail/ListPrint.h"

#include <algorithm>

#include "browse/GridPrintSource.h"
#include "browse/drSingleTable.h"
#include "platform/report/Report.h"
#include "platform/report/ReportText.h"

namespace rd {

namespace {
constexpr int kDetailHeight = 260;
constexpr int kFooterRowStep = 345;
}  // namespace

void ListPrint::LayOut(Report& report, const GridPrintSource& source, const QString& heading,
                       int width) {
  const int w = std::max(0, width);
  source.BindReport(report);

  ReportSection* title = report.Sections("Section4");
  ReportSection* heads = report.Sections("Section2");
  ReportSection* detail = report.Sections("Section1");
  ReportSection* footer = report.Sections("Section5");
  if (!title || !heads || !detail || !footer) return;

  if (ReportControl* label = title->Controls(1)) {
    label->Caption = heading;
    ReportText::Centre(*label, w);
  }
  detail->SetHeight(kDetailHeight);
  for (ReportControl* line : {heads->Controls("Line1"), footer->Controls("Line2")})
    if (line) {
      line->Left = 0;
      line->Width = w;
    }

  GridPrintSource::PlaceColumns(*detail, *heads, source.columns, source.gridWidth, w,
                                drSingleTable::kFields);

  const int panels = std::min<int>(int(source.panels.size()), drSingleTable::kFields);
  int x = 0;
  for (int p = 1; p <= panels; ++p) {
    ReportControl* label = footer->Controls(p);
    const GridPrintSource::Panel& panel = source.panels[p - 1];
    label->Caption = panel.text;
    label->Width =
        qRound(GridPrintSource::Share(panel.width, source.statusWidth, panels, w));
    label->Left = x;
    label->Visible = true;
    x += label->Width;
  }
  ReportText::FitCaptions(*footer, w, kFooterRowStep);
}

bool ListPrint::Print(QWidget& window, const FlexGrid& grid, const StatusBar& bar,
                      const QString& heading) {
  drSingleTable report;
  LayOut(report, GridPrintSource::Read(window, grid, bar, 1), heading, report.Width());
  report.Show(true, &window);
  return true;
}

}  // namespace rd
