#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "BrowseFixture.h"
#include "browse/GridPrintSource.h"
#include "browse/PrintData.h"
#include "browse/ReportFonts.h"
#include "browse/drSingleTable.h"
#include "browse/frmPrint.h"
#include "browse/frmSingleTable.h"
#include "core/modCommon.h"
#include "platform/ini/Ini.h"
#include "platform/report/Printer.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/ReportText.h"
#include "platform/widgets/StatusBar.h"

using browsefixture::Database;
using rd::ReportControl;

namespace {

// Visible columns by width; a negative width is a hidden column of that size.
rd::GridPrintSource Columns(const QList<int>& widths) {
  rd::GridPrintSource source;
  source.caption = "Customers";
  for (int i = 0; i < widths.size(); ++i)
    source.columns.push_back({std::abs(widths[i]), widths[i] < 0, QString("F%1").arg(i + 1),
                              QString("Head %1").arg(i + 1)});
  return source;
}

struct Laid {
  QList<int> lefts, widths;
  QStringList fields;
};

Laid Printed(rd::Report& report) {
  Laid laid;
  rd::ReportSection* detail = report.Sections("Section1");
  rd::ReportSection* heads = report.Sections("Section2");
  for (int j = 1; j <= rd::drSingleTable::kFields; ++j) {
    const ReportControl* box = detail->Controls(j);
    const ReportControl* head = heads->Controls(j);
    if (!box->Visible) {
      if (box->DataField != "ID" || head->Visible) laid.fields << "unused box shown or unbound";
      continue;
    }
    if (!head->Visible || head->Left != box->Left || head->Width != box->Width)
      laid.fields << "head off its column";
    laid.lefts << box->Left;
    laid.widths << box->Width;
    laid.fields << box->DataField;
  }
  return laid;
}

std::unique_ptr<rd::frmSingleTable> OpenCustomers() {
  auto w = std::make_unique<rd::frmSingleTable>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->SetModuleName("Customers");
  w->SetRsName("Customer");
  w->setWindowTitle("Customers");
  w->InitControl();
  w->RefreshData();
  return w;
}

}  // namespace

class TestPrint : public QObject {
  Q_OBJECT
 private slots:
  void columns_data();
  void columns();
  void insidePrintArea_data();
  void insidePrintArea();
  void atMostFiftyColumns();
  void headingLinesAndRowHeight_data();
  void headingLinesAndRowHeight();
  void statusTexts_data();
  void statusTexts();
  void orientationSetting_data();
  void orientationSetting();
  void dialogShowsAndStoresOrientation_data();
  void dialogShowsAndStoresOrientation();
  void printButtonPreviewsTheGrid();
};

void TestPrint::columns_data() {
  QTest::addColumn<QList<int>>("gridWidths");
  QTest::addColumn<int>("orientation");
  QTest::addColumn<QList<int>>("lefts");
  QTest::addColumn<QList<int>>("widths");
  QTest::addColumn<QStringList>("fields");
  const QList<int> lefts{0, 2230, 6710}, widths{2230, 4480, 2230};
  const QStringList fields{"F1", "F2", "F3"};
  QTest::newRow("proportional shares")
      << QList<int>{1000, 2000, 1000} << 0 << lefts << widths << fields;
  QTest::newRow("landscape") << QList<int>{1000, 2000, 1000} << 2 << lefts << widths << fields;
  QTest::newRow("hidden columns left out") << QList<int>{-3000, 1000, -500, 2000, 1000} << 0
                                           << lefts << widths << QStringList{"F2", "F4", "F5"};
  QTest::newRow("zero widths share equally") << QList<int>{0, 0, 0} << 0
                                             << QList<int>{0, 2980, 5960}
                                             << QList<int>{2980, 2980, 2980} << fields;
  QTest::newRow("nothing visible")
      << QList<int>{-1000} << 0 << QList<int>{} << QList<int>{} << QStringList{};
}

void TestPrint::columns() {
  QFETCH(QList<int>, gridWidths);
  QFETCH(int, orientation);
  Database db;
  rd::drSingleTable report;
  rd::PrintData::LayOut(report, Columns(gridWidths), orientation, 9000);
  QCOMPARE(report.ReportWidth(), 9000);
  QCOMPARE(report.Orientation(), orientation);
  const Laid laid = Printed(report);
  QTEST(laid.lefts, "lefts");
  QTEST(laid.widths, "widths");
  QTEST(laid.fields, "fields");
}

void TestPrint::insidePrintArea_data() {
  QTest::addColumn<QSize>("page");
  QTest::addColumn<QMargins>("unprintable");
  QTest::addColumn<int>("orientation");
  QTest::addColumn<QList<int>>("gridWidths");
  QTest::addColumn<int>("barWidth");
  // Headings of the printed columns ("Head 1" and on when empty) and a
  // record printed in the detail boxes: each must print whole, and where
  // given at least one only at a smaller size.
  QTest::addColumn<QStringList>("headings");
  QTest::addColumn<QStringList>("record");
  const QSize a4(11906, 16838);
  const QList<int> bills{1200, 1500, 2400, 1100, 1100, 1300, 1500, 1500};
  const QStringList none;
  QTest::newRow("portrait") << a4 << QMargins() << 1 << bills << 12000 << none << none;
  QTest::newRow("landscape") << a4 << QMargins() << 2 << bills << 12000 << none << none;
  QTest::newRow("default lies as the paper")
      << QSize(16838, 11906) << QMargins() << 0 << bills << 12000 << none << none;
  QTest::newRow("narrow grid") << a4 << QMargins() << 1 << QList<int>{300, 400} << 2000 << none
                               << none;
  QTest::newRow("wide grid") << a4 << QMargins() << 2 << QList<int>(45, 1500) << 60000 << none
                             << none;
  QTest::newRow("printer edges wider than the margin")
      << a4 << QMargins(1000, 900, 1200, 1100) << 2 << bills << 12000 << none << none;
  QTest::newRow("long heading in a narrow column")
      << a4 << QMargins() << 1 << QList<int>{4000, 700, 4000} << 12000
      << QStringList{"Name", "Modified By", "Remark"} << none;
  // The sample's bill list as the grid sizes it, ID hidden.
  QTest::newRow("portrait bills")
      << a4 << QMargins() << 1
      << QList<int>{-615, 1785, 2085, 1290, 2205, 840, 1110, 1425, 2085, 1470, 2085} << 12000
      << QStringList{"Bill No.", "Date", "Customer", "Name", "Total", "Remark", "Created By",
                     "Created On", "Modified By", "Modified On"}
      << QStringList{"SB202403110003", "2024-03-11 11:20:00", "C006", "Fernhill Garden Centre",
                     "190", "", "admin", "2024-03-11 11:26:03", "admin", "2024-03-12 08:45:00"};
  // Narrower columns and a longer total.
  QTest::newRow("portrait bills with long numbers")
      << a4 << QMargins() << 1
      << QList<int>{-600, 1575, 1860, 1170, 1950, 780, 900, 900, 1860, 900, 1860} << 12000
      << none
      << QStringList{"SB202401150001", "2024-01-15 09:30:00", "C001", "Fernhill Garden Centre",
                     "2572.45", "Urgent", "admin", "2024-01-15 09:34:12", "admin",
                     "2024-03-12 08:45:00"};
}

namespace {
// How a section's controls print texts: what is not whole or below the
// smallest size, and whether one prints only smaller than its control's size.
struct Printing {
  QStringList faults;
  bool shrunk = false;
};

Printing Print(const rd::ReportSection& section, const QStringList& texts) {
  const int smallest = qRound(rd::ReportText::kSmallestPoints * 20);
  Printing printing;
  for (int j = 1; j <= texts.size(); ++j) {
    const ReportControl& c = *section.Controls(j);
    const rd::ReportText::Fitted fitted = rd::ReportText::Fit(c, texts[j - 1]);
    if (!c.Visible || fitted.text != texts[j - 1] || fitted.font.pixelSize() < smallest)
      printing.faults << QString("%1 \"%2\" prints \"%3\" at %4 twips")
                             .arg(c.Name, texts[j - 1], fitted.text)
                             .arg(fitted.font.pixelSize());
    printing.shrunk = printing.shrunk ||
                      fitted.font.pixelSize() < rd::ReportText::InTwips(c.Font).pixelSize();
  }
  return printing;
}
}  // namespace

void TestPrint::insidePrintArea() {
  QFETCH(QSize, page);
  QFETCH(QMargins, unprintable);
  QFETCH(int, orientation);
  QFETCH(QList<int>, gridWidths);
  QFETCH(int, barWidth);
  QFETCH(QStringList, headings);
  QFETCH(QStringList, record);
  // The cases are measured in Arial's widths; a wider font stands in where
  // no font of them is installed, and cuts texts.
  const QString family = QFontInfo(rd::ReportFonts::Text()).family();
  QVERIFY2(rd::ReportFonts::Families().contains(family),
           qPrintable("The report font resolves to " + family + ", not to a font of Arial's " +
                      "widths: install fonts-liberation2 (Liberation Sans)"));
  Database db;
  rd::drSingleTable report;
  rd::GridPrintSource source = Columns(gridWidths);
  for (int i = 0, j = 0; i < int(source.columns.size()) && j < headings.size(); ++i)
    if (!source.columns[i].hidden) source.columns[i].caption = headings[j++];
  // Panels far narrower than their texts.
  source.panels = {{"Records: 1234", barWidth - 400},
                   {"Total sales: 657.30", 200},
                   {"Total paid: 1,234,567.89", 200}};
  source.statusWidth = barWidth;
  const QSize oriented = rd::Printer::Oriented(page, orientation);
  const QRect area = rd::Printer::PrintArea(oriented, unprintable, report.Margin());
  QVERIFY(area.left() >= std::max(unprintable.left(), rd::drSingleTable::kMargin));
  rd::PrintData::LayOut(report, source, orientation, area.width());
  const rd::Report::Placement place = report.PlaceOn(oriented, unprintable);
  QCOMPARE(place.area, area);

  for (const rd::ReportSection& section : report.SectionList()) {
    std::vector<const ReportControl*> row;
    for (const ReportControl& c : section.ControlList()) {
      if (!c.Visible) continue;
      const double left = area.left() + place.scale * c.Left;
      const double right = area.left() + place.scale * (c.Left + c.Width);
      QVERIFY2(left >= area.left() && right <= area.right() + 1,
               qPrintable(section.Name() + " " + c.Name));
      if (c.kind == ReportControl::Line) continue;
      QVERIFY2(c.Top + c.Height <= section.Height(), qPrintable(c.Name));
      if (section.Name() == "Section5")
        QVERIFY2(c.Width >= rd::ReportText::CaptionWidth(c), qPrintable(c.Caption));
      for (const ReportControl* other : row)
        if (other->Top == c.Top)
          QVERIFY2(other->Left + other->Width <= c.Left || c.Left + c.Width <= other->Left,
                   qPrintable(other->Name + " over " + c.Name));
      row.push_back(&c);
    }
  }

  // Each heading and value whole, smaller where it must be, never below
  // the smallest size.
  const std::pair<const char*, QStringList> sections[] = {{"Section2", headings},
                                                          {"Section1", record}};
  for (const auto& [name, texts] : sections) {
    const Printing printing = Print(*report.Sections(name), texts);
    QVERIFY2(printing.faults.isEmpty(), qPrintable(printing.faults.join("; ")));
    QCOMPARE(printing.shrunk, !texts.isEmpty());
  }
}

void TestPrint::atMostFiftyColumns() {
  Database db;
  rd::drSingleTable report;
  rd::PrintData::LayOut(report, Columns(QList<int>(60, 100)), 0, 9000);
  const Laid laid = Printed(report);
  QCOMPARE(laid.widths, QList<int>(50, 160));
  QCOMPARE(laid.lefts.last(), 49 * 160);
  QCOMPARE(laid.fields.last(), QString("F50"));
}

void TestPrint::headingLinesAndRowHeight_data() {
  QTest::addColumn<int>("printLines");
  QTest::addColumn<int>("rowHeight");
  QTest::newRow("one line") << 1 << 260;
  QTest::newRow("two lines") << 2 << 520;
  QTest::newRow("no lines prints one") << 0 << 260;
}

void TestPrint::headingLinesAndRowHeight() {
  QFETCH(int, printLines);
  QFETCH(int, rowHeight);
  Database db;
  rd::drSingleTable report;
  rd::GridPrintSource source = Columns({1000, 1000});
  source.printLines = printLines;
  rd::PrintData::LayOut(report, source, 0, 9000);

  const ReportControl* title = report.Sections("Section4")->Controls(1);
  QCOMPARE(title->Caption, QString("Customers"));
  QCOMPARE(title->Left, (9000 - 5070) / 2);
  QCOMPARE(report.Caption(), QString("Customers - Print Preview"));
  for (const char* line : {"Line1", "Line2"}) {
    const ReportControl* l = report.Sections(line == QString("Line1") ? "Section2" : "Section5")
                                 ->Controls(QString(line));
    QCOMPARE(l->Left, 0);
    QCOMPARE(l->Width, 8800);
  }
  QCOMPARE(report.Sections("Section1")->Height(), rowHeight);
  QCOMPARE(report.Sections("Section1")->Controls(1)->Height, rowHeight);
}

void TestPrint::statusTexts_data() {
  QTest::addColumn<QList<int>>("panelWidths");
  QTest::addColumn<int>("barWidth");
  QTest::addColumn<QList<int>>("lefts");
  QTest::addColumn<QList<int>>("widths");
  QTest::newRow("proportions of the bar") << QList<int>{1500, 3000} << 9000 << QList<int>{0, 1500}
                                          << QList<int>{1500, 3000};
  QTest::newRow("half the bar") << QList<int>{1500, 3000} << 18000 << QList<int>{0, 750}
                                << QList<int>{750, 1500};
  QTest::newRow("panels wider than the bar") << QList<int>{6000, 12000} << 9000
                                             << QList<int>{0, 3000} << QList<int>{3000, 6000};
  QTest::newRow("bar without width") << QList<int>{0, 0} << 0 << QList<int>{0, 4500}
                                     << QList<int>{4500, 4500};
}

void TestPrint::statusTexts() {
  QFETCH(QList<int>, panelWidths);
  QFETCH(int, barWidth);
  Database db;
  rd::drSingleTable report;
  rd::GridPrintSource source = Columns({1000});
  for (int i = 0; i < panelWidths.size(); ++i)
    source.panels.push_back({QString("Panel %1").arg(i + 1), panelWidths[i]});
  source.statusWidth = barWidth;
  rd::PrintData::LayOut(report, source, 0, 9000);
  rd::ReportSection* footer = report.Sections("Section5");
  QList<int> lefts, widths;
  for (int k = 1; k <= rd::drSingleTable::kFields; ++k) {
    const ReportControl* label = footer->Controls(k);
    if (!label->Visible) continue;
    QCOMPARE(label->Caption, QString("Panel %1").arg(k));
    lefts << label->Left;
    widths << label->Width;
  }
  QTEST(lefts, "lefts");
  QTEST(widths, "widths");
}

void TestPrint::orientationSetting_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("orientation");
  QTest::newRow("default") << "0" << 0;
  QTest::newRow("portrait") << "1" << 1;
  QTest::newRow("landscape") << " 2 " << 2;
  QTest::newRow("empty") << "" << 0;
  QTest::newRow("out of range") << "3" << 0;
  QTest::newRow("negative") << "-1" << 0;
  QTest::newRow("not a number") << "wide" << 0;
}

void TestPrint::orientationSetting() {
  QFETCH(QString, stored);
  Database db;
  QVERIFY(rd::Ini::Write(rd::ConfigFile, "Print", "Orientation", stored));
  QTEST(rd::PrintData::Orientation(), "orientation");
}

void TestPrint::dialogShowsAndStoresOrientation_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("shown");
  QTest::addColumn<int>("chosen");
  QTest::addColumn<bool>("ok");
  QTest::addColumn<QString>("written");
  QTest::newRow("portrait, OK on landscape") << "1" << 1 << 2 << true << "2";
  QTest::newRow("landscape, OK on default") << "2" << 2 << 0 << true << "0";
  QTest::newRow("default, OK on portrait") << "0" << 0 << 1 << true << "1";
  QTest::newRow("cancel writes nothing") << "1" << 1 << 2 << false << "1";
  QTest::newRow("bad setting shows default") << "9" << 0 << 0 << true << "0";
}

void TestPrint::dialogShowsAndStoresOrientation() {
  QFETCH(QString, stored);
  QFETCH(int, shown);
  QFETCH(int, chosen);
  QFETCH(bool, ok);
  Database db;
  QVERIFY(rd::Ini::Write(rd::ConfigFile, "Print", "Orientation", stored));
  rd::frmPrint dialog;
  dialog.setAttribute(Qt::WA_DeleteOnClose, false);
  QCOMPARE(dialog.windowTitle(), QString("Page Orientation"));
  QCOMPARE(dialog.Frame1->title(), QString("Page Orientation"));
  QCOMPARE(dialog.optPrint[2]->text(), QString("Landscape"));
  QVERIFY(dialog.optPrint[shown]->isChecked());
  dialog.optPrint[chosen]->setChecked(true);
  (ok ? dialog.cmdOK : dialog.cmdCancel)->click();
  QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
  QTEST(rd::Ini::Read(rd::ConfigFile, "Print", "Orientation"), "written");
}

void TestPrint::printButtonPreviewsTheGrid() {
  Database db;
  QVERIFY(rd::Ini::Write(rd::ConfigFile, "Print", "Orientation", "2"));
  rd::Printer::SetPageSize(QSize(11906, 16838));
  std::vector<rd::Report> shown;
  rd::ReportPreview::SetHandler([&](const rd::Report& r, bool modal) {
    QVERIFY(!modal);
    shown.push_back(r);
  });
  auto w = OpenCustomers();
  browsefixture::Click(*w, "Print");
  browsefixture::Click(*w, "Print");
  rd::ReportPreview::SetHandler({});
  rd::Printer::SetPageSize(QSize());

  QCOMPARE(shown.size(), size_t(2));
  rd::Report& report = shown.back();
  QCOMPARE(report.ReportWidth(), 16838 - 2 * rd::drSingleTable::kMargin);
  QCOMPARE(report.Orientation(), 2);
  QCOMPARE(report.DataSource().RecordCount(), 10);
  const Laid laid = Printed(report);
  QCOMPARE(laid.fields, (QStringList{"Code", "Name", "City", "Phone", "Email", "CreditLimit",
                                      "Active", "Remark"}));
  QCOMPARE(report.Sections("Section2")->Controls(6)->Caption, QString("Credit Limit"));
  QCOMPARE(report.Sections("Section5")->Controls(2)->Caption,
           QString("Total credit limit: 28,500.00"));
  const QString pdf = db.Folder().File("customers.pdf");
  QVERIFY(report.PrintToPdf(pdf));
  QVERIFY(QFileInfo(pdf).size() > 0);
  QCOMPARE(db.Ui().boxes.size(), 0);
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
