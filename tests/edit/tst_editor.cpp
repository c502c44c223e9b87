// The generated single-record editor: layout, tags, loading and defaults.
#include <QLineEdit>

#include "platform/ui/Twips.h"
#include "tst_editor_support.h"

using namespace rd;

class TestEditor : public QObject {
  Q_OBJECT
 private slots:
  void layoutFollowsFieldRows_data();
  void layoutFollowsFieldRows();
  void fieldDefTagsAndButtons();
  void addModeFillsDefaults();
  void modifyLoadsTheGridRow();
  void billNumberPreviewWritesNothing();
  void changeRunsCalculationAndFormat();
  void leavingAFieldRunsCalculationAndFormat_data();
  void leavingAFieldRunsCalculationAndFormat();
  void fieldsStandBelowTheShownToolbar();
};

// Customer: ID (hidden), Code, Name, City, Phone, Email, CreditLimit,
// Active (Check), Remark (TextArea).
void TestEditor::layoutFollowsFieldRows_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("kind");  // object name of the control's array
  QTest::addColumn<int>("left");      // control Left, twips
  QTest::addColumn<int>("row");       // Top = toolbar height + row
  QTest::addColumn<bool>("visible");
  QTest::newRow("hidden ID") << "ID" << "Text1" << -1 << -1 << false;
  QTest::newRow("Code column 1") << "Code" << "Text1" << 1320 << 0 << true;
  QTest::newRow("Name column 2") << "Name" << "Text1" << 5640 << 0 << true;
  QTest::newRow("City next row") << "City" << "Text1" << 1320 << 500 << true;
  QTest::newRow("Email row 3") << "Email" << "Text1" << 1320 << 1000 << true;
  QTest::newRow("Check row 4") << "Active" << "Check1" << 1320 << 1500 << true;
  QTest::newRow("TextArea own row") << "Remark" << "Text2" << 1320 << 2000 << true;
}

void TestEditor::layoutFollowsFieldRows() {
  QFETCH(QString, field);
  QFETCH(QString, kind);
  QFETCH(int, left);
  QFETCH(int, row);
  QFETCH(bool, visible);
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  const FieldDef& def = bench.Field(field);
  QWidget* control = editor.Fields().Control(def.kind, def.index);
  QVERIFY(control);
  QVERIFY(control->objectName().startsWith(kind + "_"));
  QCOMPARE(!control->isHidden(), visible);
  if (!visible) return;
  const int toolbar = Twips::FromPx(editor.tbrMain()->height());
  QCOMPARE(Twips::FromPx(control->x()), left);
  // Pixels round each position to a whole pixel.
  QVERIFY2(qAbs(Twips::FromPx(control->y()) - (toolbar + row)) < Twips::PerPixel,
           qPrintable(QString::number(Twips::FromPx(control->y()))));
}

void TestEditor::fieldDefTagsAndButtons() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0, 0, false);
  RecordForm& form = editor.Fields();
  QCOMPARE(form.Label1.Count(), 10);
  QCOMPARE(form.Label1.Tag(2), QString("Code|Text|2|True|True|20|DigitalOrLetter||False||||||"));
  QCOMPARE(form.Text1.Tag(2), QString("2"));
  // The check box carries the caption, its label is hidden.
  const FieldDef& active = bench.Field("Active");
  QVERIFY(form.Label1[active.label]->isHidden());
  QCOMPARE(form.Check1[active.index]->text(), QString("Active"));
  QVERIFY(form.Label1[1]->isHidden());
  QCOMPARE(form.cmdSelect.Count(), 1);  // the template only
  // Without Save && Add, Save takes its place and is the default button.
  QVERIFY(editor.cmdAdd()->isHidden());
  QVERIFY(editor.cmdSave()->isDefault());
  QCOMPARE(Twips::FromPx(editor.cmdSave()->x()), 5400);
  const int remarkTop = Twips::FromPx(form.Text2[1]->y());
  QCOMPARE(Twips::FromPx(editor.cmdSave()->y()), remarkTop + 1095 + 90);
  QCOMPARE(editor.cmdSave()->text(), QString("Save"));
}

void TestEditor::addModeFillsDefaults() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  bench.Open(0);
  QCOMPARE(bench.Get("CreditLimit"), QString("1000.00"));
  QCOMPARE(bench.Get("Active"), QString("1"));
  QCOMPARE(bench.Get("Code"), QString());
}

void TestEditor::modifyLoadsTheGridRow() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  const int row = bench.GridRow(2, "C002");
  QVERIFY(row > 0);
  bench.Open(1, row);
  QCOMPARE(bench.Get("Code"), QString("C002"));
  QCOMPARE(bench.Get("Name"), QString("Birchwood Supplies"));
  QCOMPARE(bench.Get("ID"), bench.browse->vsData()->TextMatrix(row, 1));
  QCOMPARE(bench.Get("CreditLimit"), QString("2500.00"));
  QCOMPARE(bench.Get("Active"), QString("1"));
  QCOMPARE(bench.editor->tbrMain()->ButtonCount(), 1);  // Close only
}

void TestEditor::billNumberPreviewWritesNothing() {
  editorsupport::Bench bench;
  bench.Browse("SalesBills", "SalesBill");
  const QString taken = bench.Cell("select CurrID from tblBillID where RsName='SalesBill'");
  bench.Open(0);
  const QString next = QString::number(taken.toInt() + 1).rightJustified(4, '0');
  QVERIFY2(bench.Get("BillNo").startsWith("SB"), qPrintable(bench.Get("BillNo")));
  QVERIFY2(bench.Get("BillNo").endsWith(next), qPrintable(bench.Get("BillNo")));
  QCOMPARE(bench.Cell("select CurrID from tblBillID where RsName='SalesBill'"), taken);
  QCOMPARE(bench.Get("CreatedBy"), QString("admin"));
  QVERIFY(!bench.Get("CreationDate").isEmpty());
}

void TestEditor::changeRunsCalculationAndFormat() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  const FieldDef& credit = bench.Field("CreditLimit");
  bench.Set("CreditLimit", "12.5");
  emit editor.Fields().FieldEvent(credit.label, ControlKind::Text, true);
  QCOMPARE(bench.Get("CreditLimit"), QString("12.50"));
}

void TestEditor::leavingAFieldRunsCalculationAndFormat_data() {
  QTest::addColumn<bool>("byTab");
  QTest::newRow("Tab") << true;
  QTest::newRow("click on another field") << false;
}

// The focus really moves on: the field's own focus-out does the work.
void TestEditor::leavingAFieldRunsCalculationAndFormat() {
  QFETCH(bool, byTab);
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  editor.show();
  QVERIFY(QTest::qWaitForWindowActive(&editor));
  auto* credit = qobject_cast<QLineEdit*>(editor.Fields().InputControl(bench.Field("CreditLimit").label));
  QWidget* name = editor.Fields().InputControl(bench.Field("Name").label);
  QVERIFY(credit && name);
  credit->setFocus();
  credit->selectAll();
  QTest::keyClicks(credit, "12.5");
  QCOMPARE(bench.Get("CreditLimit"), QString("12.5"));
  if (byTab)
    QTest::keyClick(credit, Qt::Key_Tab);
  else
    QTest::mouseClick(name, Qt::LeftButton);
  QVERIFY(!credit->hasFocus());
  QCOMPARE(bench.Get("CreditLimit"), QString("12.50"));
}

// However tall the shown toolbar's buttons are, no field sits under it.
void TestEditor::fieldsStandBelowTheShownToolbar() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  editor.show();
  QVERIFY(QTest::qWaitForWindowExposed(&editor));
  const QRect bar = editor.tbrMain()->geometry();
  QVERIFY2(editor.tbrMain()->sizeHint().height() <= bar.height(),
           qPrintable(QString::number(editor.tbrMain()->sizeHint().height())));
  for (int k = 1; k < editor.Fields().Label1.Count(); ++k) {
    QWidget* control = editor.Fields().InputControl(k);
    if (control && control->isVisible()) QVERIFY(control->y() > bar.bottom());
  }
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
