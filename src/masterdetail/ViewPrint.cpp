#include "masterdetail/ViewPrint.h"

#include <algorithm>

#include "browse/PrintData.h"
#include "browse/drMultiTable.h"
#include "core/modCommon.h"
#include "platform/report/Printer.h"
#include "platform/report/Report.h"

namespace rd {

namespace {
constexpr int kReportCaption = 1025;
constexpr int kDetailHeight = 260;
constexpr int kLinesPerRow = 3;
constexpr int kRowStep = 450;
constexpr int kBelowLines = 200;

int ReportWidthFor(int orientation, int pageWidth, int pageHeight) {
  if (orientation == Report::PrinterDefault) return pageWidth - 500;
  if (orientation == Report::Portrait) return pageWidth - 50;
  return pageHeight - 10000;
}
}  // namespace

void ViewPrint::LayOut(Report& report, const Source& source, int orientation, int pageWidth,
                       int pageHeight) {
  report.SetReportWidth(ReportWidthFor(orientation, pageWidth, pageHeight));
  const int w = report.ReportWidth();
  report.SetDataSource(source.rows);
  report.SetCaption(ReplaceParams(GetLangString(kReportCaption), {source.caption}));
  report.SetIcon(source.icon);

  ReportSection* heading = report.Sections("Section4");
  ReportSection* heads = report.Sections("Section2");
  ReportSection* detail = report.Sections("Section1");
  if (!heading || !heads || !detail || !heading->Controls(1)) return;

  const ReportControl first = *heading->Controls(1);
  if (ReportControl* title = heading->Controls("lblCaption")) {
    title->Caption = source.caption;
    title->Left = qRound((w - first.Width) / 2.0);
  }
  detail->SetHeight(kDetailHeight);
  if (ReportControl* line = heads->Controls("Line1")) {
    line->Left = 0;
    line->Width = w;
  }

  const int lines = std::min<int>(int(source.masterFields.size()), drMultiTable::kFields);
  for (int k = 1; k <= lines; ++k) {
    ReportControl* label = heading->Controls(k);
    const auto& [caption, value] = source.masterFields[k - 1];
    label->Width = qRound(w / 3.0);
    label->Left = qRound(w / 3.0 * ((k - 1) % kLinesPerRow));
    label->Top = first.Top + (k - 1) / kLinesPerRow * kRowStep;
    label->Caption = caption + " : " + value;
    label->Visible = true;
    heading->SetHeight(label->Top + label->Height + kBelowLines);
  }

  const std::vector<const GridPrintSource::Column*> printed =
      GridPrintSource::Printed(source.columns, drMultiTable::kFields);
  double gridWidth = source.gridWidth;
  if (gridWidth <= 0)
    for (const GridPrintSource::Column* c : printed) gridWidth += c->width;

  int j = 1;
  int x = 0;
  for (const GridPrintSource::Column* c : printed) {
    ReportControl* box = detail->Controls(j);
    ReportControl* head = heads->Controls(j);
    if (!box || !head) break;
    GridPrintSource::PlaceColumn(*box, *head, *c, x,
                                 gridWidth > 0 ? qRound(c->width / gridWidth * w) : 0,
                                 detail->Height());
    x += box->Width;
    ++j;
  }
  for (; j <= drMultiTable::kFields; ++j)
    if (ReportControl* box = detail->Controls(j)) box->DataField = "ID";
  report.SetOrientation(orientation);
}

void ViewPrint::Print(const Source& source) {
  drMultiTable report;
  LayOut(report, source, PrintData::Orientation(), Printer::Width(), Printer::Height());
  report.Show(false);
}

}  // namespace rd
