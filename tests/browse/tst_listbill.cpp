#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "BrowseFixture.h"
#include "browse/BillCopy.h"
#include "browse/FillBillForm.h"
#include "browse/frmListBill.h"
#include "browse/modToolbar.h"
#include "core/modCommon.h"
#include "edit/FieldControls.h"
#include "expressions/EditorFields.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"

using namespace rd;

namespace {

// Caption labels 1..3: Customer (Text 1), Paid (Check 1), Note (an unknown control type).
class FakeFields : public QObject, public EditorFields {
 public:
  explicit FakeFields(QObject* parent) : QObject(parent) {}
  QStringList tags{"", "Customer|Text|1", "Paid|Check|1", "Note|Memo|1"};
  QMap<QPair<int, int>, QString> values;
  int LabelCount() const override { return int(tags.size()); }
  QString LabelTag(int label) const override { return tags.value(label); }
  QString FieldValue(ControlKind kind, int index) const override {
    return values.value({int(kind), index});
  }
  bool SetFieldValue(ControlKind kind, int index, const QString& value) override {
    values[{int(kind), index}] = value;
    return true;
  }
  bool SetPickerFormat(int, const QString&) override { return true; }
  QString Caption() const override { return "Editor"; }
};

class FakeEditor : public QDialog {
  Q_OBJECT
 public:
  FakeEditor() : fields(new FakeFields(this)), grid(new FlexGrid(this)), toolbar(new Toolbar(this)) {
    grid->setObjectName("vsData");
    grid->SetCols(4);
    grid->SetColKey(1, "Item");
    grid->SetColKey(2, "Qty");
    grid->SetColKey(3, "CreatedBy");
    grid->AddItem(QString());
    grid->SetTextMatrix(1, 1, "old");
    fields->SetFieldValue(ControlKind::Text, 1, "keep");
    fields->SetFieldValue(ControlKind::Other, 1, "keep");
  }
  Q_INVOKABLE void GridCalculate() { ++calculated; }
  ToolbarButton* Button(const QString& tag) {
    auto* b = new ToolbarButton("Copy", ToolbarButton::Default, toolbar);
    b->SetTag(tag);
    return b;
  }
  FakeFields* fields;
  FlexGrid* grid;
  Toolbar* toolbar;
  int calculated = 0;
};

// The single-record editor: fields, no grid and nothing to total.
class SingleEditor : public QDialog {
 public:
  SingleEditor() : fields(new FakeFields(this)), toolbar(new Toolbar(this)) {}
  FakeFields* fields;
  Toolbar* toolbar;
};

// An editor over real input controls: Customer (Text), Kind (ComboList of
// Retail and Trade), Due (DateTime), Paid (Check); a grid with one line.
class ControlsEditor : public QDialog, public FieldControls {
  Q_OBJECT
 public:
  ControlsEditor() : FieldControls(this), grid(new FlexGrid(this)), toolbar(new Toolbar(this)) {
    add("Customer", "Text", ControlKind::Text);
    add("Kind", "ComboList", ControlKind::ComboList);
    add("Due", "DateTime", ControlKind::DateTime);
    add("Paid", "Check", ControlKind::Check);
    Combo2[1]->addItems({"Retail", "Trade"});
    SetFieldValue(ControlKind::Text, 1, "keep");
    SetFieldValue(ControlKind::DateTime, 1, "2024-01-02 03:04:05");
    grid->setObjectName("vsData");
    grid->SetCols(2);
    grid->SetColKey(1, "Item");
    grid->AddItem(QString());
    grid->SetTextMatrix(1, 1, "old");
  }
  Q_INVOKABLE void GridCalculate() { ++calculated; }
  QStringList values() const {
    QStringList out;
    for (const FieldDef& field : Fields()) out << Value(field);
    return out;
  }
  ToolbarButton* Button(const QString& tag) {
    auto* b = new ToolbarButton("Copy", ToolbarButton::Default, toolbar);
    b->SetTag(tag);
    return b;
  }
  FlexGrid* grid;
  Toolbar* toolbar;
  int calculated = 0;

 private:
  void add(const QString& field, const QString& type, ControlKind kind) {
    const int label = Label1.UBound() + 1;
    Label1.Load(label);
    int index = 0;
    LoadControl(kind, &index);
    Label1.SetTag(label, field + "|" + type + "|" + QString::number(index));
  }
};

const QString kList = "select BillNo, Customer from tblBill order by BillNo";
const QString kDetail = "select * from tblBillItem where BillNo='@BillNo' order by Item";

}  // namespace

class TestListBill : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    db_ = std::make_unique<browsefixture::Database>();
    for (const char* sql :
         {"create table tblBill (BillNo text, Customer text, Paid int)",
          "create table tblBillItem (BillNo text, Item text, Qty int)",
          "insert into tblBill values ('B1', 'Acme', 1)",
          "insert into tblBill values ('B2', null, 0)",
          "insert into tblBillItem values ('B1', 'Nut', 3)",
          "insert into tblBillItem values ('B1', null, 5)"})
      browsefixture::Database::Exec(sql);
  }
  void cleanup() { db_.reset(); }

  void copy_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("detailMap");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QStringList>("items");
    const QString header = "select * from tblBill where BillNo='@BillNo'";
    const QString map = "Item=Item;Qty=Qty";
    QTest::newRow("header and rows") << "B1" << header << map << "Acme" << QStringList{"", "Nut"};
    QTest::newRow("placeholder in any case")
        << "B1" << "select * from tblBill where BillNo='@billno'" << map << "Acme"
        << QStringList{"", "Nut"};
    QTest::newRow("no detail mapping keeps the rows") << "B1" << header << "" << "Acme"
                                                      << QStringList{"old"};
    QTest::newRow("null header, no records") << "B2" << header << map << "" << QStringList{};
    QTest::newRow("picked value holding ;") << "B;3" << header << map << "Semi"
                                            << QStringList{"Bolt"};
  }
  void copy() {
    QFETCH(QString, picked);
    QFETCH(QString, header);
    QFETCH(QString, detailMap);
    QFETCH(QString, customer);
    QFETCH(QStringList, items);
    browsefixture::Database::Exec("insert into tblBill values ('B;3', 'Semi', 0)");
    browsefixture::Database::Exec("insert into tblBillItem values ('B;3', 'Bolt', 1)");
    FakeEditor editor;
    ToolbarButton* button = editor.Button("systemfunction=<ListBillForm:BillNo>|x|"
                                          "Customer=Customer;Paid=Paid;Note=Customer|" + detailMap);
    QVERIFY(FillBillForm(&editor, "M", button, kList + ";" + header + ";" + kDetail, "BillNo", picked));
    QCOMPARE(db_->Ui().boxes.size(), 0);
    QCOMPARE(editor.fields->FieldValue(ControlKind::Text, 1), customer);
    QCOMPARE(editor.fields->FieldValue(ControlKind::Other, 1), QString("keep"));
    QCOMPARE(editor.grid->Rows(), int(items.size()) + 1);
    for (int row = 1; row < editor.grid->Rows(); ++row) {
      QCOMPARE(editor.grid->TextMatrix(row, 1), items[row - 1]);
      if (!detailMap.isEmpty()) QCOMPARE(editor.grid->TextMatrix(row, 3), QString("admin"));
    }
    QCOMPARE(editor.calculated, 1);
  }

  void copyIntoTheSingleRecordEditor() {
    SingleEditor editor;
    auto* button = new ToolbarButton("Copy", ToolbarButton::Default, editor.toolbar);
    button->SetTag("f|p|Customer=Customer|");
    const QString header = "select * from tblBill where BillNo='@BillNo'";
    QVERIFY(FillBillForm(&editor, "M", button, kList + ";" + header + ";" + kDetail, "BillNo", "B1"));
    QCOMPARE(db_->Ui().boxes.size(), 0);
    QCOMPARE(editor.fields->FieldValue(ControlKind::Text, 1), QString("Acme"));
    // Lines to copy need a grid.
    button->SetTag("f|p|Customer=Customer|Item=Item");
    QVERIFY(!FillBillForm(&editor, "M", button, kList + ";" + header + ";" + kDetail, "BillNo", "B1"));
    QCOMPARE(db_->Ui().texts(), QStringList{GetLangString(1223)});
  }

  void failureChangesNothing_data() {
    QTest::addColumn<QString>("parameter1");
    QTest::addColumn<QString>("tag");
    const QString header = "select * from tblBill where BillNo='@BillNo'";
    const QString good = kList + ";" + header + ";" + kDetail;
    QTest::newRow("two queries") << kList + ";" + header << "f|p|Customer=Customer|Item=Item";
    QTest::newRow("pair without =") << good << "f|p|Customer|Item=Item";
    QTest::newRow("missing header column") << good << "f|p|Customer=Nope|Item=Item";
    QTest::newRow("missing detail column") << good << "f|p|Customer=Customer|Item=Nope";
    QTest::newRow("no such bill") << kList + ";select * from tblBill where 1=0;" + kDetail
                                  << "f|p|Customer=Customer|Item=Item";
    QTest::newRow("bad header query") << kList + ";select * from nowhere;" + kDetail
                                      << "f|p|Customer=Customer|Item=Item";
  }
  void failureChangesNothing() {
    QFETCH(QString, parameter1);
    QFETCH(QString, tag);
    FakeEditor editor;
    QVERIFY(!FillBillForm(&editor, "M", editor.Button(tag), parameter1, "BillNo", "B1"));
    QCOMPARE(db_->Ui().boxes.size(), 1);
    QCOMPARE(editor.fields->FieldValue(ControlKind::Text, 1), QString("keep"));
    QCOMPARE(editor.grid->Rows(), 2);
    QCOMPARE(editor.grid->TextMatrix(1, 1), QString("old"));
    QCOMPARE(editor.calculated, 0);
  }

  // A value a control cannot take stops the copy before the grid is
  // touched, and the fields already written get their old values back.
  void headerValueTheFieldCannotTake_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QString>("refused");  // field and value; empty when all are taken
    QTest::newRow("every value taken") << "Trade" << "2024-03-01 10:15:00" << "1" << "";
    QTest::newRow("list without the item") << "Wholesale" << "2024-03-01" << "1"
                                           << "Kind|Wholesale";
    QTest::newRow("not a date") << "Trade" << "soon" << "1" << "Due|soon";
    QTest::newRow("check neither yes nor no") << "Trade" << "2024-03-01" << "maybe"
                                              << "Paid|maybe";
  }
  void headerValueTheFieldCannotTake() {
    QFETCH(QString, kind);
    QFETCH(QString, due);
    QFETCH(QString, paid);
    QFETCH(QString, refused);
    browsefixture::Database::Exec("create table tblHead (BillNo text, Customer text, Kind text, "
                                  "Due text, Paid text)");
    browsefixture::Database::Exec(QString("insert into tblHead values ('B1', 'Acme', '%1', '%2', "
                                          "'%3')").arg(kind, due, paid));
    ControlsEditor editor;
    const QStringList before = editor.values();
    ToolbarButton* button = editor.Button(
        "f|p|Customer=Customer;Kind=Kind;Due=Due;Paid=Paid|Item=Item");
    const bool copied = FillBillForm(
        &editor, "M", button, kList + ";select * from tblHead where BillNo='@BillNo';" + kDetail,
        "BillNo", "B1");
    if (refused.isEmpty()) {
      QVERIFY(copied);
      QCOMPARE(db_->Ui().boxes.size(), 0);
      QCOMPARE(editor.values(), QStringList({"Acme", "Trade", "2024-03-01 10:15:00", "1"}));
      QCOMPARE(editor.grid->Rows(), 3);
      QCOMPARE(editor.grid->TextMatrix(2, 1), QString("Nut"));
      QCOMPARE(editor.calculated, 1);
      return;
    }
    QVERIFY(!copied);
    QCOMPARE(db_->Ui().texts(), QStringList{ReplaceParams(GetLangString(1225), refused.split('|'))});
    QCOMPARE(editor.values(), before);
    QCOMPARE(editor.grid->Rows(), 2);
    QCOMPARE(editor.grid->TextMatrix(1, 1), QString("old"));
    QCOMPARE(editor.calculated, 0);
  }

  void picker_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("customer");
    QTest::newRow("no row selected") << QList<int>{} << "BillNo" << "keep";
    QTest::newRow("first bill") << QList<int>{1} << "billno" << "Acme";
    QTest::newRow("key matches no column") << QList<int>{1} << "Nope" << "keep";
  }
  void picker() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, key);
    QFETCH(QString, customer);
    FakeEditor editor;
    const QString p1 = kList + ";select * from tblBill where BillNo='@" + key + "';" + kDetail;
    frmListBill picker;
    picker.SetForm(&editor);
    picker.SetButton(editor.Button("f|" + p1 + "|Customer=Customer|"));
    picker.SetSql(p1);
    picker.SetKey(key);
    picker.GetData();
    QCOMPARE(picker.vsData()->Rows(), 3);
    browsefixture::Select(*picker.vsData(), selected);
    picker.cmdOK_Click();
    QCOMPARE(editor.fields->FieldValue(ControlKind::Text, 1), customer);
  }

  // The button function opens the picker over the editor with the
  // button's queries and key; the bill picked there is copied in.
  void buttonFunctionOpensThePicker() {
    FakeEditor editor;
    editor.setWindowTitle("Editor");
    const QString queries = kList + ";select * from tblBill where BillNo='@BillNo';" + kDetail;
    ToolbarButton* button = editor.Button("SystemFunction=<ListBillForm:BillNo>|" + queries +
                                          "|Customer=Customer|Item=Item;Qty=Qty");
    struct Seen {
      QWidget* form = nullptr;
      QObject* button = nullptr;
      QString moduleName, sql, key;
      int rows = 0;
    } seen;
    QTimer::singleShot(0, [&seen] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* picker = qobject_cast<frmListBill*>(modal);
      if (!picker) {
        if (modal) modal->close();
        return;
      }
      seen = {picker->Form(), picker->Button(), picker->ModuleName(), picker->sql(), picker->Key(),
              picker->vsData()->Rows()};
      browsefixture::Select(*picker->vsData(), {1});
      picker->cmdOK()->click();
    });
    QVERIFY(ExecuteButtonFunction(&editor, "M", button));
    QCOMPARE(seen.form, &editor);
    QCOMPARE(seen.button, button);
    QCOMPARE(seen.moduleName, QString("M"));
    QCOMPARE(seen.sql, queries);
    QCOMPARE(seen.key, QString("BillNo"));
    QCOMPARE(seen.rows, 3);
    QCOMPARE(db_->Ui().boxes.size(), 0);
    QCOMPARE(editor.fields->FieldValue(ControlKind::Text, 1), QString("Acme"));
    QCOMPARE(editor.grid->Rows(), 3);
    QCOMPARE(editor.grid->TextMatrix(2, 1), QString("Nut"));
    QCOMPARE(editor.calculated, 1);
  }

  void pickedValueIsQuoted_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "SB1" << "select * from B where No='SB1' and X=@Other";
    QTest::newRow("quote cannot end the text")
        << "x' or '1'='1" << "select * from B where No='x'' or ''1''=''1' and X=@Other";
  }
  void pickedValueIsQuoted() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(BillCopy::ReplacePlaceholder("select * from B where No='@billno' and X=@Other",
                                          "BillNo", value),
             expected);
  }

 private:
  std::unique_ptr<browsefixture::Database> db_;
};

QTEST_MAIN(TestListBill)
#include "tst_listbill.moc"
