#include "browse/drMultiTable.h"

#include "browse/ReportFonts.h"

namespace rd {

namespace {
ReportControl Control(ReportControl::Kind kind, const QString& name, int left, int top, int width,
                      int height, bool visible) {
  ReportControl c;
  c.kind = kind;
  c.Name = name;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  c.Visible = visible;
  c.Font = ReportFonts::Text();
  return c;
}
}  // namespace

drMultiTable::drMultiTable() : Report(1440) {
  // The master-field lines come first: the heading is centred by the first.
  ReportSection& heading = AddSection("Section4", ReportSection::ReportHeader, 915);
  for (int i = 1; i <= kFields; ++i)
    heading.Add(
        Control(ReportControl::Label, QString("Label%1").arg(51 + i), 0, 570, 4845, 345, false));
  ReportControl& caption =
      heading.Add(Control(ReportControl::Label, "lblCaption", 90, 0, 4845, 375, true));
  caption.Font = ReportFonts::Heading();

  ReportSection& heads = AddSection("Section2", ReportSection::PageHeader, 345);
  for (int i = 1; i <= kFields; ++i)
    heads.Add(Control(ReportControl::Label, QString("Label%1").arg(i), 0, 0, 0, 345, false));
  heads.Add(Control(ReportControl::Line, "Line1", 15, 285, 0, 0, true));

  ReportSection& detail = AddSection("Section1", ReportSection::Detail, 300);
  for (int i = 1; i <= kFields; ++i)
    detail.Add(Control(ReportControl::TextBox, QString("Text%1").arg(i), 0, 0, 0, 240, false));

  AddSection("Section3", ReportSection::PageFooter, 0);
  AddSection("Section5", ReportSection::ReportFooter, 360);
}

}  // namespace rd
