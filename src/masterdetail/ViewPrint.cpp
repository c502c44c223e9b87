#include "masterdetail/ViewPrint.h"

#include <algorithm>

#include "browse/PrintData.h"
#include "browse/drMultiTable.h"
#include "core/modCommon.h"
#include "platform/report/Printer.h"
#include "platform/report/Report.h"
#include "platform/report/ReportText.h"

namespace rd {

namespace {
constexpr int kReportCaption = 1025;
constexpr int kDetailHeight = 260;
constexpr int kLinesPerRow = 3;
constexpr int kRowStep = 450;
constexpr int kBelowLines = 200;
}  // namespace

void ViewPrint::LayOut(Report& report, const Source& source, int orientation, int width) {
  report.SetReportWidth(width);
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
    ReportText::Centre(*title, w);
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

  GridPrintSource::PlaceColumns(*detail, *heads, source.columns, source.gridWidth, w,
                                drMultiTable::kFields);
  report.SetOrientation(orientation);
}

void ViewPrint::Print(const Source& source, QWidget* opener) {
  drMultiTable report;
  const int orientation = PrintData::Orientation();
  LayOut(report, source, orientation, Printer::PrintArea(orientation, report.Margin()).width());
  report.Show(false, opener);
}

}  // namespace rd
