#include <QtTest>

#include "support/ExprFixture.h"
#include "expressions/modExpressions.h"

using exprfixture::Scalar;

class TestBillID : public QObject {
  Q_OBJECT

  std::unique_ptr<exprfixture::Database> db_;
  ScriptedUi* ui_ = nullptr;

  static QString currID(const QString& rsName, const QString& field = "BillNo") {
    return Scalar("select CurrID from tblBillID where RsName='" + rd::SqlStr(rsName) +
                  "' and RsField='" + rd::SqlStr(field) + "'");
  }

 private slots:
  void init() {
    db_ = std::make_unique<exprfixture::Database>();
    QVERIFY(db_->Ok());
    ui_ = ScriptedUi::Install();
  }
  void cleanup() {
    ScriptedUi::Uninstall();
    db_.reset();
  }

  void templates_data() {
    QTest::addColumn<QString>("billTemplate");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks around") << "  INV  " << "INV";
    QTest::newRow("blanks only") << "   " << "";
    QTest::newRow("number") << "<GetAutoValue:0000>" << "0001";
    QTest::newRow("plain number") << "<GetAutoValue:>" << "1";
    QTest::newRow("thousands") << "<GetAutoValue:#,##0>" << "1";
    QTest::newRow("no argument") << "A<GetAutoValue>" << "A";
    QTest::newRow("value function") << "A<GetSysInfo:UserName>" << "A";
    QTest::newRow("not a tag") << "A<1>" << "A<1>";
  }
  void templates() {
    QFETCH(QString, billTemplate);
    QFETCH(QString, expected);
    QCOMPARE(rd::GetBillID(billTemplate, "Bill", "BillNo", false), expected);
    QCOMPARE(currID("Bill"), "<none>");
  }

  void previewCommitPreview() {
    QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "Bill", "BillNo", false), "0001");
    QCOMPARE(currID("Bill"), "<none>");
    QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "Bill", "BillNo", true), "0001");
    QCOMPARE(currID("Bill"), "1");
    QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "Bill", "BillNo", false), "0002");
    QVERIFY(ui_->boxes.isEmpty());
  }

  void sampleTemplate() {
    const QString day = rd::GetServerDate("ACCESS").left(10).remove('-');
    QCOMPARE(rd::GetBillID("SB<GetDTValue:yyyyMMdd><GetAutoValue:0000>", "SalesBill", "BillNo", true),
             "SB" + day + "0004");
  }

  void twoTagsTakeTwoNumbers() {
    QCOMPARE(rd::GetBillID("<GetAutoValue:00>-<GetAutoValue:00>", "Bill", "BillNo", true), "01-02");
    QCOMPARE(currID("Bill"), "2");
  }

  void numberFollowsTheCallersTransaction_data() {
    QTest::addColumn<bool>("commit");
    QTest::newRow("commit") << true;
    QTest::newRow("rollback") << false;
  }
  void numberFollowsTheCallersTransaction() {
    QFETCH(bool, commit);
    {
      rd::Transaction save(*rd::DbConnection);
      QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", true), "0004");
      QVERIFY(rd::DbConnection->Execute(
          "insert into SalesBill(BillNo, CustCode) values('SB0004', 'C001')"));
      if (commit) QVERIFY(save.Commit());
    }
    QCOMPARE(currID("SalesBill"), commit ? "4" : "3");
    QCOMPARE(Scalar("select count(*) from SalesBill where BillNo='SB0004'"), commit ? "1" : "0");
  }

  void anotherCopyWaitsForTheNumber() {
    std::unique_ptr<rd::Connection> other = rd::Connection::OpenSqlite(db_->Path());
    QVERIFY(other);
    QVERIFY(other->Execute("PRAGMA busy_timeout = 100"));
    {
      rd::Transaction save(*rd::DbConnection);
      QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", true), "0004");
      std::swap(rd::DbConnection, other);
      QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", true), "");
      QCOMPARE(ui_->boxes.size(), 1);
      std::swap(rd::DbConnection, other);
      QVERIFY(save.Commit());
    }
    std::swap(rd::DbConnection, other);
    QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", true), "0005");
    std::swap(rd::DbConnection, other);
  }

  void namesAreEscaped() {
    QCOMPARE(rd::GetBillID("<GetAutoValue:0>", "O'Brien", "No' or '1'='1", true), "1");
    QCOMPARE(currID("O'Brien", "No' or '1'='1"), "1");
    QCOMPARE(currID("SalesBill"), "3");
  }

  void badCurrentNumber_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("commit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text preview") << "'abc'" << false << "";
    QTest::newRow("text commit") << "'abc'" << true << "";
    QTest::newRow("null preview") << "null" << false << "0001";
    QTest::newRow("null commit") << "null" << true << "0001";
  }
  void badCurrentNumber() {
    QFETCH(QString, stored);
    QFETCH(bool, commit);
    QFETCH(QString, expected);
    QVERIFY(rd::DbConnection->Execute("update tblBillID set CurrID=" + stored));
    QCOMPARE(rd::GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", commit), expected);
    QCOMPARE(ui_->boxes.size(), expected.isEmpty() ? 1 : 0);
    if (stored == "'abc'") QCOMPARE(currID("SalesBill"), "abc");
  }
};

QTEST_MAIN(TestBillID)
#include "tst_billid.moc"
