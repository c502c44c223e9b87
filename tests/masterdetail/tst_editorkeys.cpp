// Focus, tab order and keys of the generated editors: the bill editor on a
// new sales bill and its detail-row editor.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "edit/RecordForm.h"
#include "masterdetail/MultiEditFixture.h"
#include "masterdetail/frmListEdit.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/widgets/FlexGrid.h"

using namespace rd;

namespace {

bool takesTab(const QWidget& w, const QWidget& window) {
  return (w.focusPolicy() & Qt::TabFocus) && !w.focusProxy() && w.isVisibleTo(&window) &&
         w.isEnabledTo(&window);
}

// The controls Tab visits from the window's focus, in order, once round.
QList<QWidget*> tabChain(QWidget& window) {
  QList<QWidget*> chain;
  QWidget* start = window.focusWidget();
  for (QWidget* w = start; w && !(w == start && !chain.isEmpty()); w = w->nextInFocusChain())
    if (takesTab(*w, window)) chain << w;
  return chain;
}

QString nameOf(const RecordForm& fields, const QWidget* w) {
  for (int k = 1; k < fields.Label1.Count(); ++k)
    if (fields.InputControl(k) == w) return FieldDef::FromTag(k, fields.Label1.Tag(k)).Field();
  return w->objectName();
}

}  // namespace

class tst_editorkeys : public QObject {
  Q_OBJECT

  std::unique_ptr<multieditfixture::Database> db_;
  std::unique_ptr<frmMultiEdit> bill_;

  frmMultiEdit& openBill() {
    bill_ = std::make_unique<frmMultiEdit>();
    bill_->SetModuleName("SalesBills");
    bill_->SetRsName("SalesBill");
    bill_->SetRsName2("SalesBillLine");
    bill_->SetRelation("BillNo=BillNo");
    [&] { QVERIFY(bill_->Load()); }();
    return *bill_;
  }

  std::unique_ptr<frmListEdit> openRowEditor() {
    auto editor = std::make_unique<frmListEdit>();
    editor->SetForm(bill_.get());
    editor->SetEditMode(0);
    editor->SetRsName("SalesBillLine");
    [&] { QVERIFY(editor->Load()); }();
    return editor;
  }

  static void set(RecordForm& fields, const QString& field, const QString& text) {
    const FieldDef* def = fields.FindField(field);
    QVERIFY2(def, qPrintable(field));
    QVERIFY(fields.SetValue(*def, text));
  }

 private slots:
  void init() { db_ = std::make_unique<multieditfixture::Database>(); }
  void cleanup() {
    bill_.reset();
    db_.reset();
  }

  // The focus starts in the first input field; Tab then goes through the
  // window in reading order of the controls' places, buttons last.
  void focusAndTabChain_data() {
    QTest::addColumn<bool>("rowEditor");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("after");  // in this order, after every field
    QTest::newRow("bill editor") << false << "BillDate"
                                 << QStringList{"cmdListAdd", "cmdListModify", "cmdListDelete",
                                                "vsData", "cmdSave", "cmdAdd", "cmdCancel"};
    QTest::newRow("row editor") << true << "ItemCode"
                                << QStringList{"cmdSave", "cmdAdd", "cmdCancel"};
  }
  void focusAndTabChain() {
    QFETCH(bool, rowEditor);
    QFETCH(QString, first);
    QFETCH(QStringList, after);
    frmMultiEdit& bill = openBill();
    std::unique_ptr<frmListEdit> row = rowEditor ? openRowEditor() : nullptr;
    EditorWindow& window = rowEditor ? static_cast<EditorWindow&>(*row) : bill;

    const QList<QWidget*> chain = tabChain(window);
    QVERIFY(!chain.isEmpty());
    QCOMPARE(nameOf(window.Fields(), chain.front()), first);
    QStringList names;
    for (int i = 0; i < chain.size(); ++i) {
      names << nameOf(window.Fields(), chain[i]);
      if (i == 0) continue;
      const QPoint a = chain[i - 1]->mapTo(&window, QPoint());
      const QPoint b = chain[i]->mapTo(&window, QPoint());
      QVERIFY2(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()), qPrintable(names.join(' ')));
    }
    QCOMPARE(names.mid(names.size() - after.size()), after);
    // Every control Tab can reach is in the chain once.
    int reachable = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) reachable += takesTab(*w, window);
    QCOMPARE(chain.size(), reachable);
  }

  // Tab and Shift+Tab leave a text area and a date picker at once and
  // change nothing in them.
  void tabLeavesField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("text area, Tab") << "Remark" << int(Qt::Key_Tab);
    QTest::newRow("text area, Shift+Tab") << "Remark" << int(Qt::Key_Backtab);
    QTest::newRow("date, Tab") << "BillDate" << int(Qt::Key_Tab);
    QTest::newRow("date, Shift+Tab") << "BillDate" << int(Qt::Key_Backtab);
  }
  void tabLeavesField() {
    QFETCH(QString, field);
    QFETCH(int, key);
    frmMultiEdit& bill = openBill();
    const FieldDef* def = bill.Fields().FindField(field);
    QVERIFY(def);
    QWidget* control = bill.Fields().InputControl(def->label);
    bill.show();
    QVERIFY(QTest::qWaitForWindowActive(&bill));
    control->setFocus();
    if (auto* area = qobject_cast<QPlainTextEdit*>(control)) QTest::keyClicks(area, "note");
    const QString before = bill.Fields().Value(*def);
    QTest::keyClick(control, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QVERIFY(!control->hasFocus());
    QCOMPARE(bill.Fields().Value(*def), before);
  }

  // Enter presses the focused button; in a field it presses Save && Add.
  void enterPressesFocusedButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Save") << "cmdSave" << true;
    QTest::newRow("Save && Add") << "cmdAdd" << false;
    QTest::newRow("Cancel") << "cmdCancel" << true;
    QTest::newRow("a field") << "Price" << false;
  }
  void enterPressesFocusedButton() {
    QFETCH(QString, focus);
    QFETCH(bool, closed);
    openBill();
    std::unique_ptr<frmListEdit> row = openRowEditor();
    set(row->Fields(), "ItemCode", "I004");
    set(row->Fields(), "Price", "12");
    row->show();
    QVERIFY(QTest::qWaitForWindowActive(row.get()));
    const FieldDef* field = row->Fields().FindField(focus);
    QWidget* target = field ? row->Fields().InputControl(field->label)
                            : row->findChild<QPushButton*>(focus);
    QVERIFY(target);
    target->setFocus();
    const int rows = bill_->vsData()->Rows();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(row->isVisible(), !closed);
    QCOMPARE(bill_->vsData()->Rows(), rows + (focus == "cmdCancel" ? 0 : 1));
  }

  // Enter in a field saves what leaving it computes: the line's amount.
  void enterInAFieldSavesItsCalculation() {
    openBill();
    std::unique_ptr<frmListEdit> row = openRowEditor();
    set(row->Fields(), "ItemCode", "I004");
    set(row->Fields(), "Qty", "3");
    row->show();
    QVERIFY(QTest::qWaitForWindowActive(row.get()));
    auto* price = qobject_cast<QLineEdit*>(
        row->Fields().InputControl(row->Fields().FindField("Price")->label));
    QVERIFY(price);
    price->setFocus();
    price->selectAll();
    QTest::keyClicks(price, "5");
    QTest::keyClick(price, Qt::Key_Return);
    FlexGrid& lines = *bill_->vsData();
    int amount = 0;
    for (int c = 1; c < lines.Cols(); ++c)
      if (lines.ColKey(c).compare("Amount", Qt::CaseInsensitive) == 0) amount = c;
    QVERIFY(amount > 0);
    QCOMPARE(lines.TextMatrix(lines.Rows() - 1, amount).toDouble(), 15.0);
  }
};

QTEST_MAIN(tst_editorkeys)
#include "tst_editorkeys.moc"
