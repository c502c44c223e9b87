#include <QGroupBox>
#include <QtTest>
#include <stdexcept>

#include "core/modCommon.h"
#include "edit/RecordForm.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/Toolbar.h"
#include "masterdetail/MultiEditFixture.h"

using multieditfixture::Database;
using multieditfixture::Opener;

class TestMultiEdit : public QObject {
  Q_OBJECT

  struct Editor {
    Opener opener;
    rd::frmMultiEdit window;
    explicit Editor(int mode, int row = 0, const QString& relation = "BillNo=BillNo") {
      opener.SetRelation(relation);
      window.SetForm(&opener);
      window.SetEditMode(mode);
      window.SetModuleName(opener.ModuleName());
      window.SetRsName(opener.RsName());
      window.SetRsName2(opener.RsName2());
      window.SetRelation(relation);
      window.SetID(row);
      loaded = window.Load();
      window.setWindowTitle("Sales Bills - Add");
    }
    bool loaded = false;
    rd::RecordForm& fields() { return window.Fields(); }
    QString value(const QString& field) {
      const rd::FieldDef* def = fields().FindField(field);
      return def ? fields().Value(*def) : "?";
    }
    void set(const QString& field, const QString& text) {
      const rd::FieldDef* def = fields().FindField(field);
      QVERIFY(def);
      QVERIFY(fields().SetValue(*def, text));
    }
    // Appends detail lines "item,qty,price" with their amounts.
    void addLines(const QStringList& lines) {
      rd::FlexGrid* grid = window.vsData();
      for (const QString& line : lines) {
        const QStringList p = line.split(',');
        grid->AddItem(QString());
        const int row = grid->Rows() - 1;
        auto col = [grid](const char* key) {
          for (int c = 1; c < grid->Cols(); ++c)
            if (grid->ColKey(c) == QLatin1String(key)) return c;
          return -1;
        };
        grid->SetTextMatrix(row, col("ItemCode"), p[0]);
        grid->SetTextMatrix(row, col("ItemName"), "Item " + p[0]);
        grid->SetTextMatrix(row, col("Qty"), p[1]);
        grid->SetTextMatrix(row, col("Price"), p[2]);
        grid->SetTextMatrix(row, col("Amount"), QString::number(p[1].toDouble() * p[2].toDouble()));
      }
      window.GridCalculate();
    }
  };

  // Every row of a query of quote() columns, as SQL literals.
  static QStringList exact(const QString& sql) {
    rd::Recordset rs;
    QStringList rows;
    if (!rd::OpenRecordset(sql, rs)) return {"?"};
    for (; !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rs.Fields(i).Text();
      rows << cells.join('|');
    }
    return rows;
  }

  static QString lines(const QString& billNo) {
    rd::Recordset rs;
    QStringList out;
    rd::OpenRecordset("select ItemCode, Qty from SalesBillLine where BillNo='" +
                          QString(billNo).replace("'", "''") + "' order by ID",
                      rs);
    for (; !rs.Eof(); rs.MoveNext()) out << rs.Text("ItemCode") + "x" + rs.Text("Qty");
    return out.join(' ');
  }

 private slots:
  void layout_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("drop");  // twips below the toolbar
    QTest::newRow("first") << "BillNo" << 120 << 0;
    QTest::newRow("second") << "BillDate" << 3770 << 0;
    QTest::newRow("third") << "CustCode" << 7420 << 0;
    QTest::newRow("next row") << "CustName" << 120 << 500;
    QTest::newRow("area own row") << "Remark" << 120 << 1000;
    QTest::newRow("after area") << "CreatedBy" << 120 << 2150;
    QTest::newRow("hidden at last place") << "ID" << 120 << 0;
  }
  void layout() {
    QFETCH(QString, field);
    QFETCH(int, left);
    QFETCH(int, drop);
    Database db;
    Editor e(0);
    QVERIFY(e.loaded);
    const rd::FieldDef* def = e.fields().FindField(field);
    QVERIFY(def);
    QLabel* label = e.fields().Label1[def->label];
    const int top = rd::Twips::FromPx(e.window.tbrMain()->height());
    QCOMPARE(label->x(), rd::Twips::ToPx(left));
    QCOMPARE(label->y(), rd::Twips::ToPx(top + drop));
    QCOMPARE(label->isHidden(), field == "ID");
  }

  void gridCaptionsAndFrame() {
    Database db;
    Editor e(0);
    rd::FlexGrid* grid = e.window.vsData();
    QCOMPARE(grid->Rows(), 1);
    QStringList captions, hidden;
    for (int c = 1; c < grid->Cols(); ++c) {
      captions << grid->TextMatrix(0, c);
      if (grid->ColHidden(c)) hidden << grid->ColKey(c);
    }
    QCOMPARE(captions, QStringList({"ID", "Bill No.", "Item", "Item Name", "Qty", "Price", "Amount"}));
    QCOMPARE(hidden, QStringList({"ID", "BillNo"}));
    // The frame stands below the last field row (ModifiedDate, a text box).
    QLabel* last = e.fields().Label1[e.fields().FindField("ModifiedDate")->label];
    QCOMPARE(e.window.Frame1()->y(), last->y() + rd::Twips::ToPx(375));
    QCOMPARE(e.window.Frame1()->title(), QString("Details"));
  }

  void addBillWithLines() {
    Database db;
    Editor e(0);
    const QString preview = e.value("BillNo");
    QVERIFY(preview.endsWith("0004"));
    e.set("CustCode", "C002");
    e.set("CustName", "Birchwood Supplies");
    e.addLines({"I001,2,24.5", "I002,3,6.8", "I003,1,10"});
    QCOMPARE(e.value("Total"), QString("79.40"));
    QVERIFY(e.window.SaveData());
    QCOMPARE(db.Ui().boxes.size(), 0);
    QCOMPARE(Database::Text("select count(*) from SalesBill where BillNo='" + preview + "'"), "1");
    QCOMPARE(Database::Text("select Total from SalesBill where BillNo='" + preview + "'"), "79.4");
    QCOMPARE(Database::Text("select CreatedBy from SalesBill where BillNo='" + preview + "'"), "admin");
    QCOMPARE(lines(preview), QString("I001x2 I002x3 I003x1"));
    QCOMPARE(Database::Text("select CurrID from tblBillID where RsName='SalesBill'"), "4");
    QCOMPARE(e.opener.refreshes, 1);
  }

  void saveAndAddClearsForTheNext() {
    Database db;
    Editor e(0);
    e.set("CustCode", "C002");
    e.addLines({"I001,1,5"});
    e.window.cmdAdd_Click();
    QCOMPARE(e.window.EditMode(), 0);
    QCOMPARE(e.window.vsData()->Rows(), 1);
    QCOMPARE(e.value("CustCode"), QString());
    QVERIFY(e.value("BillNo").endsWith("0005"));
    QCOMPARE(Database::Text("select count(*) from SalesBill"), "4");
  }

  void modifyReplacesTheLines() {
    Database db;
    const QStringList otherLines = Database::Dump("SalesBillLine").filter("SB202402030002");
    Editor e(1, 1);
    QCOMPARE(e.value("BillNo"), QString("SB202401150001"));
    rd::FlexGrid* grid = e.window.vsData();
    QCOMPARE(grid->Rows(), 4);
    grid->RemoveItem(2);
    grid->SetTextMatrix(1, 5, "5");
    grid->SetTextMatrix(1, 7, "122.5");
    e.window.GridCalculate();
    QCOMPARE(e.value("Total"), QString("160.00"));
    QVERIFY(e.window.SaveData());
    QCOMPARE(lines("SB202401150001"), QString("I001x5 I005x10"));
    QCOMPARE(Database::Text("select Total from SalesBill where BillNo='SB202401150001'"), "160");
    QCOMPARE(Database::Text("select ModifiedBy from SalesBill where BillNo='SB202401150001'"), "admin");
    QCOMPARE(Database::Text("select count(*) from SalesBill"), "3");
    QCOMPARE(Database::Dump("SalesBillLine").filter("SB202402030002"), otherLines);
  }

  // Every sample bill opened in Modify and saved unchanged keeps its
  // stored values exactly, but for the modification audit columns and the
  // lines' new record numbers.
  void unchangedSaveKeepsTheBill_data() {
    QTest::addColumn<int>("row");
    for (int row = 1; row <= 3; ++row) QTest::addRow("bill %d", row) << row;
  }
  void unchangedSaveKeepsTheBill() {
    QFETCH(int, row);
    Database db;
    const QString bills =
        "select quote(ID), quote(BillNo), quote(BillDate), quote(CustCode), quote(CustName), "
        "quote(Total), quote(Remark), quote(CreatedBy), quote(CreationDate) from SalesBill";
    const QString billLines =
        "select quote(BillNo), quote(ItemCode), quote(ItemName), quote(Qty), quote(Price), "
        "quote(Amount) from SalesBillLine order by ID";
    const QStringList billsBefore = exact(bills), linesBefore = exact(billLines);
    Editor e(1, row);
    QVERIFY(e.loaded);
    QVERIFY(e.window.SaveData());
    QCOMPARE(exact(bills), billsBefore);
    QStringList linesAfter = exact(billLines);
    // The bill's lines are written again after the others.
    QStringList sortedBefore = linesBefore, sortedAfter = linesAfter;
    sortedBefore.sort();
    sortedAfter.sort();
    QCOMPARE(sortedAfter, sortedBefore);
  }

  void failedSaveLeavesEverything_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("add") << 0;
    QTest::newRow("modify") << 1;
  }
  void failedSaveLeavesEverything() {
    QFETCH(int, mode);
    Database db;
    Database::Exec(
        "create trigger refuseLine before insert on SalesBillLine when new.ItemCode='BAD' "
        "begin select raise(abort, 'line refused'); end");
    const QStringList bills = Database::Dump("SalesBill"), billLines = Database::Dump("SalesBillLine"),
                      counters = Database::Dump("tblBillID");
    Editor e(mode, 1);
    const QString billNo = e.value("BillNo");
    e.set("CustCode", "C003");
    e.addLines({"I001,1,1", "I002,1,1", "BAD,1,1"});
    const int rows = e.window.vsData()->Rows();
    QVERIFY(!e.window.SaveData());
    QCOMPARE(Database::Dump("SalesBill"), bills);
    QCOMPARE(Database::Dump("SalesBillLine"), billLines);
    QCOMPARE(Database::Dump("tblBillID"), counters);
    QCOMPARE(db.Ui().boxes.size(), 1);
    QVERIFY(db.Ui().boxes[0].text.contains("line refused"));
    QCOMPARE(e.value("BillNo"), billNo);
    QCOMPARE(e.value("CustCode"), QString("C003"));
    QCOMPARE(e.window.vsData()->Rows(), rows);
    QCOMPARE(e.opener.refreshes, 0);
  }

  void unreadableLinesDoNotOpenTheEditor_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("add") << 0;
    QTest::newRow("modify") << 1;
  }
  void unreadableLinesDoNotOpenTheEditor() {
    QFETCH(int, mode);
    Database db;
    Database::Exec("update tblRecordset set SelectSQL='select * from NoSuchLines' "
                   "where RsName='SalesBillLine'");
    const QStringList billLines = Database::Dump("SalesBillLine");
    Editor e(mode, 1);
    QVERIFY(!e.loaded);
    QCOMPARE(db.Ui().boxes.size(), 1);
    QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Critical);
    QCOMPARE(Database::Dump("SalesBillLine"), billLines);
  }

  // A changed relation value moves the lines: the ones stored under the
  // old value go, none stay behind linked to no bill.
  void changedRelationValueMovesTheLines() {
    Database db;
    const QStringList otherLines = Database::Dump("SalesBillLine").filter("SB202402030002");
    Editor e(1, 1);
    const QString stored = lines("SB202401150001");
    QVERIFY(!stored.isEmpty());
    e.set("BillNo", "SB-MOVED");
    QVERIFY(e.window.SaveData());
    QCOMPARE(db.Ui().boxes.size(), 0);
    QCOMPARE(lines("SB202401150001"), QString());
    QCOMPARE(lines("SB-MOVED"), stored);
    QCOMPARE(Database::Text("select count(*) from SalesBill where BillNo='SB-MOVED'"), "1");
    QCOMPARE(Database::Dump("SalesBillLine").filter("SB202402030002"), otherLines);
  }

  void modifyOfADeletedBillFails() {
    Database db;
    Editor e(1, 1);
    Database::Exec("delete from SalesBill where BillNo='SB202401150001'");
    const QStringList billLines = Database::Dump("SalesBillLine"), bills = Database::Dump("SalesBill");
    e.addLines({"I002,1,1"});
    QVERIFY(!e.window.SaveData());
    QCOMPARE(db.Ui().texts(), QStringList{rd::GetLangString(1216)});
    QCOMPARE(Database::Dump("SalesBill"), bills);
    QCOMPARE(Database::Dump("SalesBillLine"), billLines);
    QCOMPARE(e.opener.refreshes, 0);
  }

  void relationOnTheMastersId() {
    Database db;
    Editor e(0, 0, "ID=BillNo");
    e.set("CustCode", "C005");
    e.addLines({"I004,1,2", "I006,2,3"});
    QVERIFY(e.window.SaveData());
    const QString id = Database::Text("select max(ID) from SalesBill");
    QCOMPARE(id, QString("4"));
    QCOMPARE(lines(id), QString("I004x1 I006x2"));
  }

  // A relation whose master field is none of the window's fields would
  // write lines linked to nothing; only a new master's ID is filled later.
  void relationMustNameAMasterField_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("relation");
    QTest::addColumn<bool>("withoutIdField");
    QTest::addColumn<bool>("saved");
    QTest::newRow("add, unknown field") << 0 << "BillNumber=BillNo" << false << false;
    QTest::newRow("modify, unknown field") << 1 << "BillNumber=BillNo" << false << false;
    QTest::newRow("modify, ID not a field") << 1 << "ID=BillNo" << true << false;
    QTest::newRow("add, ID not a field") << 0 << "id=BillNo" << true << true;
  }
  void relationMustNameAMasterField() {
    QFETCH(int, mode);
    QFETCH(QString, relation);
    QFETCH(bool, withoutIdField);
    QFETCH(bool, saved);
    Database db;
    if (withoutIdField)
      Database::Exec("delete from tblRecordset where RsName='SalesBill' and Field='ID'");
    const QStringList bills = Database::Dump("SalesBill"), billLines = Database::Dump("SalesBillLine"),
                      counters = Database::Dump("tblBillID");
    Editor e(mode, 1, relation);
    QVERIFY(e.loaded);
    e.set("CustCode", "C004");
    e.addLines({"I003,4,1"});
    QCOMPARE(e.window.SaveData(), saved);
    if (saved) {
      QCOMPARE(db.Ui().boxes.size(), 0);
      QCOMPARE(lines(Database::Text("select max(ID) from SalesBill")), QString("I003x4"));
      return;
    }
    QCOMPARE(db.Ui().texts(), QStringList{rd::ReplaceParams(rd::GetLangString(1215), {relation})});
    QCOMPARE(Database::Dump("SalesBill"), bills);
    QCOMPARE(Database::Dump("SalesBillLine"), billLines);
    QCOMPARE(Database::Dump("tblBillID"), counters);
    QCOMPARE(e.opener.refreshes, 0);
  }

  // SQL in a stored relation never reaches the database: the editor does
  // not open with it, and a save with it writes nothing.
  void relationWithSqlInItIsRefused() {
    Database db;
    const QString relation = "BillNo=BillNo or 1=1 or BillNo";
    const QStringList bills = Database::Dump("SalesBill"), billLines = Database::Dump("SalesBillLine");
    {
      Editor e(1, 1, relation);
      QVERIFY(!e.loaded);
      QCOMPARE(db.Ui().texts(), QStringList{rd::ReplaceParams(rd::GetLangString(1286),
                                                              {"SalesBills", relation})});
    }
    db.Ui().boxes.clear();
    Editor e(1, 1);
    QVERIFY(e.loaded);
    QCOMPARE(e.window.vsData()->Rows(), 4);
    e.window.SetRelation(relation);
    e.set("CustCode", "C004");
    QVERIFY(!e.window.SaveData());
    QCOMPARE(db.Ui().texts(), QStringList{rd::ReplaceParams(rd::GetLangString(1215), {relation})});
    QCOMPARE(Database::Dump("SalesBill"), bills);
    QCOMPARE(Database::Dump("SalesBillLine"), billLines);
  }

  void quoteInTheRelationValue() {
    Database db;
    Database::Exec("insert into SalesBill (BillNo, CustCode, Total) values ('Q''1', 'C001', 1)");
    Database::Exec("insert into SalesBillLine (BillNo, ItemCode, Qty) values ('Q''1', 'I001', 1)");
    const QStringList others = Database::Dump("SalesBillLine").filter("SB2024");
    Editor e(1, 4);
    QCOMPARE(e.value("BillNo"), QString("Q'1"));
    QCOMPARE(e.window.vsData()->Rows(), 2);
    QCOMPARE(db.Ui().boxes.size(), 0);
    e.addLines({"I002,2,1"});
    QVERIFY(e.window.SaveData());
    QCOMPARE(lines("Q'1"), QString("I001x1 I002x2"));
    QCOMPARE(Database::Dump("SalesBillLine").filter("SB2024"), others);
  }

  void deleteSelectedLine_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("total");
    QTest::newRow("confirmed") << true << "135.50";
    QTest::newRow("cancelled") << false << "149.10";
  }
  void deleteSelectedLine() {
    QFETCH(bool, confirm);
    QFETCH(QString, total);
    Database db;
    Editor e(1, 1);
    e.window.GridCalculate();
    e.window.vsData()->SetRow(2);
    db.Ui().answers << (confirm ? rd::MsgResult::Ok : rd::MsgResult::Cancel);
    e.window.cmdListDelete_Click();
    QCOMPARE(e.window.vsData()->Rows(), confirm ? 3 : 4);
    QCOMPARE(e.value("Total"), total);
  }

  // The delete handler keeps an error to itself: one critical message and
  // the window goes on working.
  void deleteThatFailsIsReported() {
    struct FailingQuestionUi : ScriptedUi {
      bool failed = false;
      rd::MsgResult MsgBox(const QString& text, rd::MsgIcon icon, rd::MsgButtons buttons,
                           const QString& title, QWidget* parent) override {
        if (icon == rd::MsgIcon::Question && !failed) {
          failed = true;
          throw std::runtime_error("no answer");
        }
        return ScriptedUi::MsgBox(text, icon, buttons, title, parent);
      }
    };
    Database db;
    auto* ui = new FailingQuestionUi;
    rd::Ui::Install(std::unique_ptr<rd::Ui>(ui));
    Editor e(1, 1);
    e.window.vsData()->SetRow(2);
    e.window.cmdListDelete_Click();
    QCOMPARE(ui->texts(), QStringList{"no answer"});
    QCOMPARE(ui->boxes[0].icon, rd::MsgIcon::Critical);
    QCOMPARE(e.window.vsData()->Rows(), 4);
    e.window.cmdListDelete_Click();
    QCOMPARE(e.window.vsData()->Rows(), 3);
  }
};

QTEST_MAIN(TestMultiEdit)
#include "tst_multiedit.moc"
