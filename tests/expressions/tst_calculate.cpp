#include <QtTest>

#include "support/ExprFixture.h"
#include "expressions/clsCalculate.h"
#include "expressions/modExpressions.h"

using exprfixture::TestWindow;
using rd::TagCall;

class TestCalculate : public QObject {
  Q_OBJECT

  std::unique_ptr<exprfixture::Database> db_;
  ScriptedUi* ui_ = nullptr;

 private slots:
  void initTestCase() {
    db_ = std::make_unique<exprfixture::Database>();
    QVERIFY(db_->Ok());
  }
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() { ScriptedUi::Uninstall(); }

  // Calls in the context of a default value or calculation (window, argument).
  void valueContext_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");
    QTest::newRow("user name any case") << "GETSYSINFO" << "USERNAME" << "Mary-Ann";
    QTest::newRow("other key") << "GetSysInfo" << "UserID" << "";
    QTest::newRow("empty key") << "getsysinfo" << "" << "";
    QTest::newRow("whole select list") << "GetDBValue"
                                       << "select max(Price), min(Price) from Item" << "59.9";
    QTest::newRow("null field") << "GetDBValue" << "select Remark from Item where Code='I003'" << "";
    QTest::newRow("no row") << "GetDBValue" << "select 1 from Item where 1=0" << "";
    QTest::newRow("form text") << "GetFormValue" << "name" << "Stapler";
    QTest::newRow("form check") << "GetFormValue" << "Active" << "2";
    QTest::newRow("form unknown") << "GetFormValue" << "Nope" << "";
    QTest::newRow("grid column") << "GetGridColSum" << "amount" << "12.5";
    QTest::newRow("grid unknown") << "GetGridColSum" << "Nope" << "0";
    QTest::newRow("format needs two") << "GetFormatValue" << "0.00" << "";
    QTest::newRow("bill number needs five") << "GetAutoValue" << "0000" << "";
    QTest::newRow("text without now") << "GetDefaultValue" << "a,b" << "a,b";
  }
  void valueContext() {
    QFETCH(QString, name);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    TestWindow w;
    w.Add("Name", "Text");
    w.Add("Active", "Check");
    w.Set("Name", "Stapler");
    w.Set("Active", "2");
    auto* grid = new rd::FlexGrid(&w);
    grid->SetCols(3);
    grid->SetRows(4);
    grid->SetColKey(2, "Amount");
    grid->SetTextMatrix(0, 2, "99");  // the caption row is not summed
    grid->SetTextMatrix(1, 2, "10");
    grid->SetTextMatrix(2, 2, "");  // empty counts 0
    grid->SetTextMatrix(3, 2, "2.5");
    w.fields.vsData = grid;
    bool known = false;
    QCOMPARE(rd::clsCalculate().CallByName(name, TagCall::Value(&w.fields, argument), &known),
             expected);
    QVERIFY(known);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void onlyTheEightCanBeCalled_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("other") << "DeleteAll";
    QTest::newRow("call by name") << "CallByName";
    QTest::newRow("empty") << "";
  }
  void onlyTheEightCanBeCalled() {
    QFETCH(QString, name);
    bool known = true;
    QCOMPARE(rd::clsCalculate().CallByName(name, TagCall::Value(nullptr, "x"), &known), "");
    QVERIFY(!known);
  }

  void formatContext_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands kept") << "1234.5" << "#,##0.00" << "1,234.50";
    QTest::newRow("date") << "2024-02-03 15:04:05" << "yyyy-MM-dd hh:mm:ss" << "2024-02-03 15:04:05";
    QTest::newRow("empty") << "" << "0.00" << "";
  }
  void formatContext() {
    QFETCH(QString, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(rd::clsCalculate().GetFormatValue(TagCall::Format(nullptr, value, format)), expected);
  }

  // In a format, the typed value stands where the query would: it is passed
  // through and never reaches the database.
  void formatNeverRunsTheTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("delete") << "delete from Item";
    QTest::newRow("select") << "select max(Price) from Item";
    QTest::newRow("empty") << "";
  }
  void formatNeverRunsTheTypedText() {
    QFETCH(QString, typed);
    const QString before = exprfixture::Scalar("select count(*) from Item");
    QCOMPARE(rd::clsCalculate().CallByName("GetDBValue", TagCall::Format(nullptr, typed, "x")),
             typed);
    QCOMPARE(exprfixture::Scalar("select count(*) from Item"), before);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void nowReplacedInAnyCase() {
    const QString result =
        rd::clsCalculate().GetDefaultValue(TagCall::Value(nullptr, "NOW() to Now()"));
    const QStringList times = result.split(" to ");
    QCOMPARE(times.size(), 2);
    for (const QString& t : times)
      QVERIFY2(QDateTime::fromString(t, "yyyy-MM-dd hh:mm:ss").isValid(), qPrintable(result));
  }

  void serverTimeFormatted() {
    const QString year = rd::clsCalculate().GetDTValue(
        TagCall::BillID("x", "Bill", "BillNo", false, "yyyy"));
    QCOMPARE(year, rd::GetServerDate("ACCESS").left(4));
  }

  void failingQueryGivesEmptyText() {
    QCOMPARE(rd::clsCalculate().GetDBValue(TagCall::Value(nullptr, "select * from NoSuchTable")), "");
    QCOMPARE(ui_->boxes.size(), 1);  // the database's own error box
  }

  // Cells as a display format shows them are summed; a cell that is no
  // number fails the sum with one message instead of counting 0.
  void gridSum_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<bool>("fails");
    QTest::newRow("grouped") << QStringList{"1,234.50", "2"} << "1236.5" << false;
    QTest::newRow("blanks count 0") << QStringList{" ", "3"} << "3" << false;
    QTest::newRow("text") << QStringList{"10", "ten"} << "" << true;
    QTest::newRow("comma after point") << QStringList{"1.234,5"} << "" << true;
  }
  void gridSum() {
    QFETCH(QStringList, cells);
    QFETCH(QString, sum);
    QFETCH(bool, fails);
    TestWindow w;
    w.Add("Total", "Text");
    w.Set("Total", "5");
    auto* grid = new rd::FlexGrid(&w);
    grid->SetCols(2);
    grid->SetRows(int(cells.size()) + 1);
    grid->SetColKey(1, "Amount");
    for (int i = 0; i < cells.size(); ++i) grid->SetTextMatrix(i + 1, 1, cells[i]);
    w.fields.vsData = grid;
    rd::clsCalculate calculate;
    QCOMPARE(calculate.GetGridColSum(TagCall::Value(&w.fields, "Amount")), sum);
    QCOMPARE(calculate.Failed(), fails);
    QCOMPARE(ui_->boxes.size(), fails ? 1 : 0);
    ui_->boxes.clear();
    // The master field keeps its value when the sum fails.
    QCOMPARE(rd::ExecCalculate(w.fields, "Total=<GetGridColSum:Amount>"), !fails);
    QCOMPARE(w.Value("Total"), fails ? QString("5") : sum);
  }

  void noGridSumsToZero() {
    TestWindow w;
    QCOMPARE(rd::clsCalculate().GetGridColSum(TagCall::Value(&w.fields, "Amount")), "0");
  }
};

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
