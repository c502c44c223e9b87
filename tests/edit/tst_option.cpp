// The option picker and the combo lists filled from option sources.
#include "edit/ModalShow.h"
#include "edit/frmOption.h"
#include "tst_editor_support.h"

using namespace rd;

class TestOption : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { ModalShow::SetRunner({}); }
  void comboListFromOptionSource();
  void pickedRowFillsMappedFields_data();
  void pickedRowFillsMappedFields();
  void arrowsPickInAFreshPicker();
};

void TestOption::comboListFromOptionSource() {
  editorsupport::Bench bench;
  bench.Browse("Items", "Item");
  frmEdit& editor = bench.Open(1, bench.GridRow(2, "I003"));
  QComboBox* unit = editor.Fields().Combo2[1];
  QVERIFY(unit);
  QCOMPARE(unit->count(), 5);
  QCOMPARE(bench.Get("Unit"), QString("pcs"));
  bench.Set("Unit", "kg");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select Unit from Item where Code='I003'"), QString("kg"));
}

void TestOption::pickedRowFillsMappedFields_data() {
  QTest::addColumn<QString>("mapping");
  QTest::addColumn<bool>("confirm");
  QTest::addColumn<QString>("custCode");
  QTest::addColumn<QString>("custName");
  QTest::newRow("two pairs") << "CustCode=Code;CustName=Name" << true << "C002" << "Birchwood Supplies";
  QTest::newRow("any case") << "custcode=CODE;CUSTNAME=name" << true << "C002" << "Birchwood Supplies";
  QTest::newRow("missing source keeps places") << "CustCode=Nope;CustName=Name" << true << ""
                                               << "Birchwood Supplies";
  QTest::newRow("cancel") << "CustCode=Code;CustName=Name" << false << "old" << "old name";
}

void TestOption::pickedRowFillsMappedFields() {
  QFETCH(QString, mapping);
  QFETCH(bool, confirm);
  QFETCH(QString, custCode);
  QFETCH(QString, custName);
  editorsupport::Bench bench;
  // Field rows that the database would hand out in another order.
  bench.db.Exec("create index fieldsByCaption on tblRecordset (RsName, Language desc)");
  bench.db.Exec("update tblRecordset set ReturnField='" + mapping +
                "' where RsName='SalesBill' and Field='CustCode'");
  bench.Browse("SalesBills", "SalesBill");
  frmEdit& editor = bench.Open(0);
  bench.Set("CustCode", "old");
  bench.Set("CustName", "old name");
  QCOMPARE(editor.Fields().cmdSelect.Count(), 2);
  QString caption;
  ModalShow::SetRunner([&](QDialog* dialog) {
    auto* picker = qobject_cast<frmOption*>(dialog);
    QVERIFY(picker);
    caption = picker->windowTitle();
    FlexGrid* grid = picker->vsData();
    QCOMPARE(grid->TextMatrix(0, 2), QString("Code"));
    QVERIFY(grid->ColHidden(1));  // the ID column
    for (int r = 1; r < grid->Rows(); ++r)
      if (grid->TextMatrix(r, 2) == "C002") grid->SetRow(r);
    if (confirm)
      picker->cmdOK_Click();
    else
      picker->cmdCancel_Click();
  });
  editor.cmdSelect_Click(1);
  QCOMPARE(caption, QString("Edit - Select"));
  QCOMPARE(bench.Get("CustCode"), custCode);
  QCOMPARE(bench.Get("CustName"), custName);
}

// The picker opens on row 1, its ID column hidden: Down twice and Enter
// pick row 3.
void TestOption::arrowsPickInAFreshPicker() {
  editorsupport::Bench bench;
  bench.Browse("SalesBills", "SalesBill");
  frmEdit& editor = bench.Open(0);
  ModalShow::SetRunner([&](QDialog* dialog) {
    auto* picker = qobject_cast<frmOption*>(dialog);
    QVERIFY(picker);
    FlexGrid* grid = picker->vsData();
    QCOMPARE(grid->TextMatrix(3, 2), QString("C003"));
    picker->show();
    picker->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker));
    grid->setFocus();
    QCOMPARE(grid->Row(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(!picker->isVisible());
  });
  editor.cmdSelect_Click(1);
  QCOMPARE(bench.Get("CustCode"), QString("C003"));
  QCOMPARE(bench.Get("CustName"), QString("Copperleaf Studio"));
}

QTEST_MAIN(TestOption)
#include "tst_option.moc"
