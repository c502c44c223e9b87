#include "browse/drSingleTable.h"

#include "browse/ReportFonts.h"

namespace rd {

namespace {
ReportControl Hidden(ReportControl::Kind kind, const QString& name, int top, int height) {
  ReportControl c;
  c.kind = kind;
  c.Name = name;
  c.Top = top;
  c.Height = height;
  c.Visible = false;
  c.Font = ReportFonts::Text();
  return c;
}

ReportControl Line(const QString& name, int left, int top) {
  ReportControl c;
  c.kind = ReportControl::Line;
  c.Name = name;
  c.Left = left;
  c.Top = top;
  return c;
}
}  // namespace

drSingleTable::drSingleTable() : Report(kMargin) {
  ReportSection& heading = AddSection("Section4", ReportSection::ReportHeader, 510);
  ReportControl title;
  title.Name = "Label51";
  title.Left = 1890;
  title.Top = 30;
  title.Width = 5070;
  title.Height = 375;
  title.Font = ReportFonts::Heading();
  heading.Add(title);

  ReportSection& heads = AddSection("Section2", ReportSection::PageHeader, 450);
  for (int i = 1; i <= kFields; ++i)
    heads.Add(Hidden(ReportControl::Label, QString("Label%1").arg(i), 15, 345));
  heads.Add(Line("Line1", 30, 420));

  ReportSection& detail = AddSection("Section1", ReportSection::Detail, kDetailLineHeight);
  for (int i = 1; i <= kFields; ++i)
    detail.Add(Hidden(ReportControl::TextBox, QString("Text%1").arg(i), 0, 240));

  AddSection("Section3", ReportSection::PageFooter, 0);

  ReportSection& footer = AddSection("Section5", ReportSection::ReportFooter, 385);
  for (int i = 1; i <= kFields; ++i)
    footer.Add(Hidden(ReportControl::Label, QString("Label%1").arg(51 + i), 30, 345));
  footer.Add(Line("Line2", 0, 30));
}

}  // namespace rd
