#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/db/QueryResult.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"

using rd::Report;
using rd::ReportControl;
using rd::ReportSection;

namespace {

rd::Recordset Numbers(int count) {
  auto rows = std::make_shared<rd::QueryResult>();
  rows->columns = {"ID", "Name"};
  for (int i = 1; i <= count; ++i) rows->AppendRow({i, QString("Row %1").arg(i)});
  rd::Recordset rs;
  rs.OpenRows(rows);
  return rs;
}

// An inch of margin on A4 leaves 13958 twips: a 1000 page header and a 500
// report header leave room for 12 details of 1000 on the first page.
Report Banded(int records, int detailHeight, int footerHeight) {
  Report report(1440);
  report.SetReportWidth(9000);
  ReportControl title;
  title.Caption = "Title";
  title.Width = 4000;
  title.Height = 400;
  report.AddSection("Section4", ReportSection::ReportHeader, 500).Add(title);
  ReportControl head = title;
  head.Caption = "Name";
  report.AddSection("Section2", ReportSection::PageHeader, 1000).Add(head);
  ReportControl box;
  box.kind = ReportControl::TextBox;
  box.DataField = "name";
  box.Width = 4000;
  box.Height = 240;
  report.AddSection("Section1", ReportSection::Detail, detailHeight).Add(box);
  report.AddSection("Section3", ReportSection::PageFooter, 0);
  report.AddSection("Section5", ReportSection::ReportFooter, footerHeight);
  report.SetDataSource(Numbers(records));
  return report;
}

struct Pdf {
  int pages = 0;
  QSizeF firstPage;  // points
};

Pdf RenderA4(const Report& report, const QString& file) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::A4));
  report.ApplyOrientation(printer);
  Pdf pdf;
  if (!report.Render(printer)) return pdf;
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return pdf;
  const QByteArray bytes = f.readAll();
  pdf.pages = int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"));
  const QRegularExpressionMatch box =
      QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(QString::fromLatin1(bytes));
  if (box.hasMatch()) pdf.firstPage = QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble());
  return pdf;
}

}  // namespace

class tst_report : public QObject {
  Q_OBJECT
 private slots:
  void paging_data();
  void paging();
  void orientation_data();
  void orientation();
  void lookups();
  void previewGetsCopy();

 private:
  QTemporaryDir dir_;
};

void tst_report::paging_data() {
  QTest::addColumn<int>("records");
  QTest::addColumn<int>("detailHeight");
  QTest::addColumn<int>("footerHeight");
  QTest::addColumn<int>("pages");
  QTest::newRow("no records") << 0 << 1000 << 0 << 1;
  QTest::newRow("first page full") << 12 << 1000 << 0 << 1;
  QTest::newRow("one more row") << 13 << 1000 << 0 << 2;
  QTest::newRow("third page") << 25 << 1000 << 0 << 3;
  QTest::newRow("footer fits") << 11 << 1000 << 500 << 1;
  QTest::newRow("footer on a page of its own") << 12 << 1000 << 500 << 2;
  QTest::newRow("zero-high details") << 1000 << 0 << 0 << 1;
  QTest::newRow("detail taller than a page") << 3 << 20000 << 0 << 3;
}

void tst_report::paging() {
  QFETCH(int, records);
  QFETCH(int, detailHeight);
  QFETCH(int, footerHeight);
  QFETCH(int, pages);
  const Pdf pdf = RenderA4(Banded(records, detailHeight, footerHeight), dir_.filePath("paging.pdf"));
  QCOMPARE(pdf.pages, pages);
}

void tst_report::orientation_data() {
  QTest::addColumn<int>("orientation");
  QTest::addColumn<bool>("landscape");
  QTest::addColumn<int>("stored");
  QTest::newRow("default") << 0 << false << 0;
  QTest::newRow("portrait") << 1 << false << 1;
  QTest::newRow("landscape") << 2 << true << 2;
  QTest::newRow("unknown is the default") << 7 << false << 0;
}

void tst_report::orientation() {
  QFETCH(int, orientation);
  QFETCH(bool, landscape);
  QFETCH(int, stored);
  Report report = Banded(3, 1000, 0);
  report.SetOrientation(orientation);
  QCOMPARE(report.Orientation(), stored);
  // Wider than the page: printed scaled down, still on one page.
  report.SetReportWidth(40000);
  const Pdf pdf = RenderA4(report, dir_.filePath("orientation.pdf"));
  QCOMPARE(pdf.pages, 1);
  QCOMPARE(pdf.firstPage.width() > pdf.firstPage.height(), landscape);
}

void tst_report::lookups() {
  Report report = Banded(1, 260, 0);
  QVERIFY(report.Sections("section1"));
  QVERIFY(!report.Sections("Section9"));
  ReportSection* detail = report.Sections("Section1");
  QVERIFY(detail->Controls(1));
  QVERIFY(!detail->Controls(0));
  QVERIFY(!detail->Controls(2));
  detail->SetHeight(-5);
  QCOMPARE(detail->Height(), 0);
  report.SetReportWidth(-1);
  QCOMPARE(report.ReportWidth(), 0);
}

void tst_report::previewGetsCopy() {
  std::vector<Report> shown;
  std::vector<bool> modes;
  rd::ReportPreview::SetHandler([&](const Report& r, bool modal) {
    shown.push_back(r);
    modes.push_back(modal);
  });
  Report report = Banded(2, 260, 0);
  report.SetCaption("First");
  report.Show(false);
  report.SetCaption("Second");
  report.Show(true);
  rd::ReportPreview::SetHandler({});
  QCOMPARE(shown.size(), size_t(2));
  QCOMPARE(shown[0].Caption(), QString("First"));
  QCOMPARE(modes, (std::vector<bool>{false, true}));
}

QTEST_MAIN(tst_report)
#include "tst_report.moc"
