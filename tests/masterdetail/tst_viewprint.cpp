#include <QtTest>

#include "MultiEditFixture.h"
#include "browse/drMultiTable.h"
#include "browse/drSingleTable.h"
#include "masterdetail/ListPrint.h"
#include "masterdetail/ViewPrint.h"
#include "masterdetail/frmMultiView.h"
#include "platform/ini/Ini.h"
#include "platform/report/Printer.h"
#include "platform/report/ReportPreview.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"

using multieditfixture::Database;
using multieditfixture::Opener;
using rd::ReportControl;

namespace {

rd::ViewPrint::Source Source(const QList<int>& widths, int gridWidth, int masterFields) {
  rd::ViewPrint::Source source;
  source.caption = "Sales Bills";
  for (int i = 0; i < widths.size(); ++i)
    source.columns.push_back({std::abs(widths[i]), widths[i] < 0, QString("F%1").arg(i + 1),
                              QString("Head %1").arg(i + 1)});
  source.gridWidth = gridWidth;
  for (int k = 1; k <= masterFields; ++k)
    source.masterFields.emplace_back(QString("Field %1").arg(k), QString("v%1").arg(k));
  return source;
}

}  // namespace

class TestViewPrint : public QObject {
  Q_OBJECT
 private slots:
  // The page's width in its orientation less the margins of an inch.
  void reportWidth_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("width");
    QTest::newRow("default") << 0 << 12000 - 2880;
    QTest::newRow("portrait") << 1 << 12000 - 2880;
    QTest::newRow("landscape") << 2 << 17000 - 2880;
  }
  void reportWidth() {
    QFETCH(int, orientation);
    Database db;
    QVERIFY(rd::Ini::Write(rd::ConfigFile, "Print", "Orientation", QString::number(orientation)));
    rd::Printer::SetPageSize(QSize(12000, 17000));
    std::vector<rd::Report> shown;
    rd::ReportPreview::SetHandler([&](const rd::Report& r, bool) { shown.push_back(r); });
    rd::ViewPrint::Print(Source({1000}, 1000, 0));
    rd::ReportPreview::SetHandler({});
    rd::Printer::SetPageSize(QSize());
    QCOMPARE(shown.size(), size_t(1));
    rd::Report& report = shown.front();
    QTEST(report.ReportWidth(), "width");
    QCOMPARE(report.Orientation(), orientation);
    const ReportControl* title = report.Sections("Section4")->Controls("lblCaption");
    QCOMPARE(title->Caption, QString("Sales Bills"));
    QCOMPARE(title->Left, qRound((report.ReportWidth() - 4845) / 2.0));
    QCOMPARE(report.Caption(), QString("Sales Bills - Print Preview"));
  }

  void columns_data() {
    QTest::addColumn<QList<int>>("gridWidths");
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("fields");
    // Report width 9000 in portrait.
    QTest::newRow("one column fills its share") << QList<int>{3000} << 3000 << QList<int>{0}
                                                << QList<int>{9000} << QStringList{"F1"};
    QTest::newRow("hidden column between") << QList<int>{1000, -2000, 2000} << 3000
                                           << QList<int>{0, 3000} << QList<int>{3000, 6000}
                                           << QStringList{"F1", "F3"};
    QTest::newRow("half the grid") << QList<int>{1000, 1000} << 4000 << QList<int>{0, 2250}
                                   << QList<int>{2250, 2250} << QStringList{"F1", "F2"};
    QTest::newRow("scrolled past the grid") << QList<int>{3000, 6000} << 3000
                                            << QList<int>{0, 3000} << QList<int>{3000, 6000}
                                            << QStringList{"F1", "F2"};
  }
  void columns() {
    QFETCH(QList<int>, gridWidths);
    QFETCH(int, gridWidth);
    Database db;
    rd::drMultiTable report;
    rd::ViewPrint::LayOut(report, Source(gridWidths, gridWidth, 0), 1, 9000);
    rd::ReportSection* detail = report.Sections("Section1");
    rd::ReportSection* heads = report.Sections("Section2");
    QList<int> lefts, widths;
    QStringList fields;
    for (int j = 1; j <= rd::drMultiTable::kFields; ++j) {
      const ReportControl* box = detail->Controls(j);
      if (!box->Visible) {
        QCOMPARE(box->DataField, QString("ID"));
        QVERIFY(!heads->Controls(j)->Visible);
        continue;
      }
      QCOMPARE(heads->Controls(j)->Left, box->Left);
      QCOMPARE(heads->Controls(j)->Width, box->Width);
      QCOMPARE(box->Height, 260);
      lefts << box->Left;
      widths << box->Width;
      fields << box->DataField;
    }
    QTEST(lefts, "lefts");
    QTEST(widths, "widths");
    QTEST(fields, "fields");
    QCOMPARE(heads->Controls("Line1")->Width, 9000);
  }

  void masterFieldsThreeToARow() {
    Database db;
    rd::drMultiTable report;
    rd::ViewPrint::LayOut(report, Source({1000}, 1000, 4), 1, 9000);
    rd::ReportSection* heading = report.Sections("Section4");
    const QList<QPoint> at{{0, 570}, {3000, 570}, {6000, 570}, {0, 1020}};
    for (int k = 1; k <= 4; ++k) {
      const ReportControl* line = heading->Controls(k);
      QVERIFY(line->Visible);
      QCOMPARE(QPoint(line->Left, line->Top), at[k - 1]);
      QCOMPARE(line->Width, 3000);
      QCOMPARE(line->Caption, QString("Field %1 : v%1").arg(k));
    }
    QVERIFY(!heading->Controls(5)->Visible);
    QCOMPARE(heading->Height(), 1020 + 345 + 200);
  }

  // User list: widths relative to the grid control, not to the visible
  // columns; the footer keeps the bar's proportions.
  void listWidths() {
    Database db;
    rd::drSingleTable report;
    rd::GridPrintSource source;
    source.caption = "Users";
    source.columns = {{1000, true, "ID", "ID"},
                      {2000, false, "UserName", "User"},
                      {1000, true, "Password", "Password"},
                      {3000, false, "Remark", "Remark"}};
    source.gridWidth = 10000;
    source.panels = {{"Records: 5", 6000}};
    source.statusWidth = 6000;
    rd::ListPrint::LayOut(report, source, "User list", 9000);
    QCOMPARE(report.ReportWidth(), 0);
    QCOMPARE(report.Caption(), QString("Users - Print Preview"));
    rd::ReportSection* detail = report.Sections("Section1");
    rd::ReportSection* heads = report.Sections("Section2");
    QCOMPARE(detail->Height(), 260);
    const QList<QPair<int, int>> at{{0, 1800}, {1800, 2700}};
    for (int j = 1; j <= 2; ++j) {
      const ReportControl* box = detail->Controls(j);
      QVERIFY(box->Visible);
      QCOMPARE(qMakePair(box->Left, box->Width), at[j - 1]);
      QCOMPARE(qMakePair(heads->Controls(j)->Left, heads->Controls(j)->Width), at[j - 1]);
    }
    QCOMPARE(detail->Controls(1)->DataField, QString("UserName"));
    QCOMPARE(detail->Controls(3)->DataField, QString("ID"));
    QVERIFY(!detail->Controls(3)->Visible && !heads->Controls(3)->Visible);
    const ReportControl* title = report.Sections("Section4")->Controls(1);
    QCOMPARE(title->Caption, QString("User list"));
    QCOMPARE(title->Left, qRound((9000 - title->Width) / 2.0));
    rd::ReportSection* footer = report.Sections("Section5");
    QCOMPARE(qMakePair(footer->Controls(1)->Left, footer->Controls(1)->Width), qMakePair(0, 9000));
    QCOMPARE(footer->Controls("Line2")->Width, 9000);
    QCOMPARE(heads->Controls("Line1")->Width, 9000);
  }

  void printButtonPreviewsTheRecord() {
    Database db;
    QVERIFY(rd::Ini::Write(rd::ConfigFile, "Print", "Orientation", "1"));
    rd::Printer::SetPageSize(QSize(11906, 16838));
    std::vector<rd::Report> shown;
    rd::ReportPreview::SetHandler([&](const rd::Report& r, bool modal) {
      QVERIFY(!modal);
      shown.push_back(r);
    });
    Opener opener;
    rd::frmMultiView view;
    view.SetForm(&opener);
    view.SetEditMode(1);
    view.SetModuleName(opener.ModuleName());
    view.SetRsName(opener.RsName());
    view.SetRsName2(opener.RsName2());
    view.SetRelation(opener.Relation());
    view.SetID(1);
    QVERIFY(view.Load());
    rd::ToolbarButton* print = view.tbrMain()->Button("Print");
    QVERIFY(print);
    print->trigger();
    rd::ReportPreview::SetHandler({});
    rd::Printer::SetPageSize(QSize());

    QCOMPARE(shown.size(), size_t(1));
    rd::Report& report = shown.front();
    QCOMPARE(report.ReportWidth(), 11906 - 2880);
    QCOMPARE(report.DataSource().RecordCount(), 3);
    const ReportControl* first = report.Sections("Section4")->Controls(1);
    QVERIFY(first->Visible);
    QVERIFY2(first->Caption.contains(" : "), qPrintable(first->Caption));
    QTemporaryDir dir;
    QVERIFY(report.PrintToPdf(dir.filePath("bill.pdf")));
    QCOMPARE(db.Ui().boxes.size(), 0);
  }
};

QTEST_MAIN(TestViewPrint)
#include "tst_viewprint.moc"
