#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "DesignerFixture.h"
#include "core/modCommon.h"
#include "designer/RecordsetColumns.h"
#include "designer/frmRecordset.h"
#include "designer/frmRsEdit.h"
#include "platform/widgets/FlexGrid.h"

using C = rd::RecordsetColumns;

namespace {

// The record source editor with its field editor run by the test.
class RecordsetEditor : public rd::frmRecordset {
 public:
  std::function<void(rd::frmRsEdit&)> onEditor;
  int editorsShown = 0;

 protected:
  void RunEditor(rd::frmRsEdit& editor) override {
    ++editorsShown;
    if (onEditor) onEditor(editor);
  }
};

// Opened as the development window opens it: a new source, or one to modify.
std::unique_ptr<RecordsetEditor> Open(const QString& rsName = QString()) {
  auto w = std::make_unique<RecordsetEditor>();
  w->setWindowTitle("Develope Tool - Modify");
  w->SetEditMode(rsName.isEmpty() ? 0 : 1);
  w->SetRsName(rsName);
  w->RefreshData(rsName.isEmpty() ? QString("1=0") : "RsName=" + rd::SqlLiteral(rsName));
  return w;
}

void Execute(rd::frmRecordset& w, const QString& name, const QString& select) {
  w.txtName()->setText(name);
  w.txtSelect()->setPlainText(select);
  w.cmdExecute()->click();
}

QStringList GridColumn(const rd::FlexGrid& grid, int column) {
  QStringList cells;
  for (int r = 1; r < grid.Rows(); ++r) cells << grid.TextMatrix(r, column);
  return cells;
}

// The field cells Field to SpecField of a grid row, joined by "|".
QString FieldCells(const rd::FlexGrid& grid, int row) {
  QStringList cells;
  for (int c = C::kField; c <= C::kSpecField; ++c) cells << grid.TextMatrix(row, c);
  return cells.join('|');
}

int RowOf(const rd::FlexGrid& grid, const QString& field) {
  for (int r = 1; r < grid.Rows(); ++r)
    if (grid.TextMatrix(r, C::kField) == field) return r;
  return -1;
}

// Every stored row of a source in ID order, all columns joined by "|".
QStringList Stored(const QString& rsName) {
  QStringList columns;
  for (int c = 1; c <= C::kCount; ++c)
    columns << "coalesce([" + C::Name(c) + "],'<null>')";
  return DesignerDatabase::Column("select " + columns.join("||'|'||") +
                                  " from tblRecordset where RsName=" + rd::SqlLiteral(rsName) +
                                  " order by ID");
}

QString StoredValue(const QString& rsName, const QString& field, const QString& column) {
  return DesignerDatabase::Column("select " + column + " from tblRecordset where RsName=" +
                                  rd::SqlLiteral(rsName) + " and Field=" +
                                  rd::SqlLiteral(field))
      .value(0);
}

}  // namespace

class RecordsetTest : public QObject {
  Q_OBJECT
 private slots:
  void execute_data();
  void execute();
  void executeKeepsTheSampleSources_data();
  void executeKeepsTheSampleSources();
  void executeSaveValue_data();
  void executeSaveValue();
  void executeRefusesAnythingButOneQuery_data();
  void executeRefusesAnythingButOneQuery();
  void saveIsOneTransaction();
  void saveWritesBoxesAndCells();
  void saveFlags_data();
  void saveFlags();
  void saveUnderANewNameKeepsTheOldRows();
  void newSourceTakingAUsedName_data();
  void newSourceTakingAUsedName();
  void saveWithoutFieldRowsIsRefused_data();
  void saveWithoutFieldRowsIsRefused();
  void modifyOpensTheFieldEditor();
  void fieldEditorMapsEveryColumn();
  void fieldEditorRules();
  void fieldEditorFlags_data();
  void fieldEditorFlags();
};

void RecordsetTest::execute_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("select");
  QTest::addColumn<QStringList>("fields");
  QTest::addColumn<QString>("insertSQL");
  QTest::addColumn<QString>("updateSQL");
  QTest::addColumn<QString>("deleteSQL");
  QTest::newRow("three columns") << "Customer" << "select ID,Name,City from Customer"
                                 << QStringList{"ID", "Name", "City"}
                                 << "Insert into Customer(Name,City) Values('@Name','@City')"
                                 << "Update Customer set Name='@Name',City='@City' where ID=@ID"
                                 << "Delete from Customer where ID=@ID";
  QTest::newRow("id in lower case") << "Unit" << "select ID as id,Name from Unit;\n"
                                    << QStringList{"id", "Name"}
                                    << "Insert into Unit(Name) Values('@Name')"
                                    << "Update Unit set Name='@Name' where ID=@ID"
                                    << "Delete from Unit where ID=@ID";
  QTest::newRow("ID only") << "Unit" << "select ID from Unit" << QStringList{"ID"}
                           << "Insert into Unit default values" << ""
                           << "Delete from Unit where ID=@ID";
  QTest::newRow("join with aliases")
      << "SalesBillLine"
      << "select l.ID,b.BillDate,l.Qty*l.Price as Amount from SalesBillLine l\n"
         "join SalesBill b on b.BillNo=l.BillNo -- with the bill's date"
      << QStringList{"ID", "BillDate", "Amount"}
      << "Insert into SalesBillLine(BillDate,Amount) Values('@BillDate','@Amount')"
      << "Update SalesBillLine set BillDate='@BillDate',Amount='@Amount' where ID=@ID"
      << "Delete from SalesBillLine where ID=@ID";
  QTest::newRow("join, both IDs")
      << "SalesBillLine"
      << "select l.ID,b.ID,l.Qty from SalesBillLine l join SalesBill b on b.BillNo=l.BillNo"
      << QStringList{"ID", "ID", "Qty"} << "Insert into SalesBillLine(Qty) Values('@Qty')"
      << "Update SalesBillLine set Qty='@Qty' where ID=@ID"
      << "Delete from SalesBillLine where ID=@ID";
}

void RecordsetTest::execute() {
  QFETCH(QString, name);
  QFETCH(QString, select);
  QFETCH(QStringList, fields);
  QFETCH(QString, insertSQL);
  QFETCH(QString, updateSQL);
  QFETCH(QString, deleteSQL);
  DesignerDatabase db;
  auto w = Open();
  w->txtWhere()->setPlainText("WHERE 1=1");
  Execute(*w, name, select);
  QCOMPARE(db.Ui().texts(), QStringList());
  QCOMPARE(GridColumn(*w->vsData(), C::kField), fields);
  QCOMPARE(w->txtInsert()->toPlainText(), insertSQL);
  QCOMPARE(w->txtUpdate()->toPlainText(), updateSQL);
  QCOMPARE(w->txtDelete()->text(), deleteSQL);
  QCOMPARE(w->txtWhere()->toPlainText(), QString("WHERE 1=1"));
  // Every field starts with the defaults; the source-level cells stay empty.
  const QString field = fields.last();
  QCOMPARE(FieldCells(*w->vsData(), fields.size()),
           field + "|Text|" + field + "|0|1|0|0|Any||0||||||||||0||");
  for (int c = 1; c < C::kField; ++c) QCOMPARE(w->vsData()->TextMatrix(1, c), QString());
  for (int c = 1; c < w->vsData()->Cols(); ++c)
    QCOMPARE(w->vsData()->ColHidden(c), c < C::kField || c > C::kSpecField);
}

void RecordsetTest::executeKeepsTheSampleSources_data() {
  QTest::addColumn<QString>("rsName");
  for (const char* name : {"Unit", "Customer", "Item", "SalesBill", "SalesBillLine"})
    QTest::newRow(name) << QString(name);
}

// The sample sources are written as Execute writes them: run again on their
// own select with Save Value, they come out unchanged.
void RecordsetTest::executeKeepsTheSampleSources() {
  QFETCH(QString, rsName);
  DesignerDatabase db;
  auto w = Open(rsName);
  const QString insertSQL = w->txtInsert()->toPlainText();
  const QString updateSQL = w->txtUpdate()->toPlainText();
  QStringList before;
  for (int r = 1; r < w->vsData()->Rows(); ++r) before << FieldCells(*w->vsData(), r);
  w->chkSave()->setChecked(true);
  w->cmdExecute()->click();
  QStringList after;
  for (int r = 1; r < w->vsData()->Rows(); ++r) after << FieldCells(*w->vsData(), r);
  QCOMPARE(after, before);
  QCOMPARE(w->txtInsert()->toPlainText(), insertSQL);
  QCOMPARE(w->txtUpdate()->toPlainText(), updateSQL);
}

void RecordsetTest::executeSaveValue_data() {
  QTest::addColumn<bool>("saveValue");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("code");
  QTest::newRow("kept") << true << "Name|Text|Name|0|1|0|1|Any||50||||||||||0||"
                        << "Code|Text|Code|1|1|0|1|DigitalOrLetter||20||||||||||0||";
  QTest::newRow("defaults") << false << "Name|Text|Name|0|1|0|0|Any||0||||||||||0||"
                            << "Code|Text|Code|0|1|0|0|Any||0||||||||||0||";
}

void RecordsetTest::executeSaveValue() {
  QFETCH(bool, saveValue);
  QFETCH(QString, name);
  QFETCH(QString, code);
  DesignerDatabase db;
  db.Exec("update tblRecordset set IsKey='False' where RsName='Customer' and Field='Name'");
  auto w = Open("Customer");
  w->chkSave()->setChecked(saveValue);
  w->txtSelect()->setPlainText("select ID,Name,Code,City as Town from Customer");
  w->cmdExecute()->click();
  const rd::FlexGrid& grid = *w->vsData();
  QCOMPARE(GridColumn(grid, C::kField), (QStringList{"ID", "Name", "Code", "Town"}));
  QCOMPARE(FieldCells(grid, 2), name);
  QCOMPARE(FieldCells(grid, 3), code);
  QCOMPARE(FieldCells(grid, 4), QString("Town|Text|Town|0|1|0|0|Any||0||||||||||0||"));

  w->cmdSave()->click();
  QCOMPARE(w->result(), int(QDialog::Accepted));
  QCOMPARE(DesignerDatabase::Column("select Field from tblRecordset where RsName='Customer' "
                                    "order by ID"),
           (QStringList{"ID", "Name", "Code", "Town"}));
  QCOMPARE(StoredValue("Customer", "Code", "MaxLength"), QString(saveValue ? "20" : "0"));
}

void RecordsetTest::executeRefusesAnythingButOneQuery_data() {
  QTest::addColumn<QString>("statement");
  QTest::newRow("delete") << "delete from Unit";
  QTest::newRow("update") << "update Unit set Name='x'";
  QTest::newRow("insert") << "insert into Unit(Name) values('x')";
  QTest::newRow("drop") << "drop table Unit";
  QTest::newRow("query, then a delete") << "select ID,Name from Unit; delete from Unit";
  QTest::newRow("closing the bracket") << "select ID from Unit) x; delete from Unit; select (1";
  QTest::newRow("no table") << "select ID,Name from Nowhere";
}

void RecordsetTest::executeRefusesAnythingButOneQuery() {
  QFETCH(QString, statement);
  DesignerDatabase db;
  auto w = Open("Unit");
  const QString insertSQL = w->txtInsert()->toPlainText();
  Execute(*w, "Unit", statement);
  QVERIFY(!db.Ui().boxes.isEmpty());
  QCOMPARE(db.Ui().boxes.last().text, rd::GetLangString(1074));
  QCOMPARE(db.Ui().boxes.last().icon, rd::MsgIcon::Exclamation);
  QCOMPARE(GridColumn(*w->vsData(), C::kField), (QStringList{"ID", "Name"}));
  QCOMPARE(w->txtInsert()->toPlainText(), insertSQL);
  QCOMPARE(DesignerDatabase::Column("select group_concat(Name) from Unit"),
           QStringList{"pcs,box,set,kg,m"});
}

void RecordsetTest::saveIsOneTransaction() {
  DesignerDatabase db;
  db.Exec("create trigger RefuseEmail before insert on tblRecordset when new.Field='Email' "
          "begin select raise(abort,'refused'); end");
  const QStringList before = Stored("Customer");
  auto w = Open("Customer");
  w->txtLines()->setText("2");
  w->cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 1);
  QVERIFY(db.Ui().boxes[0].text.contains("refused"));
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Critical);
  QVERIFY(w->result() != QDialog::Accepted);
  QCOMPARE(Stored("Customer"), before);

  db.Exec("drop trigger RefuseEmail");
  w->cmdSave()->click();
  QCOMPARE(w->result(), int(QDialog::Accepted));
  const QStringList ids = DesignerDatabase::Column(
      "select ID from tblRecordset where RsName='Customer' order by ID");
  QCOMPARE(DesignerDatabase::Column("select Field from tblRecordset where RsName='Customer' "
                                    "order by ID"),
           GridColumn(*w->vsData(), C::kField));
  QVERIFY(ids.first().toInt() > before.last().section('|', 0, 0).toInt());
  QCOMPARE(StoredValue("Customer", "Code", "PrintLines"), QString("2"));
}

void RecordsetTest::saveWritesBoxesAndCells() {
  DesignerDatabase db;
  auto w = Open();
  Execute(*w, " Supplier ", "select ID,Name from Unit");
  w->txtOrder()->setPlainText("  ORDER BY Name  ");
  w->txtGrid()->setText(" Total=<GetGridColSum:Amount> 'x' ");
  rd::FlexGrid& grid = *w->vsData();
  grid.SetTextMatrix(2, C::kLanguage, "  Supplier's name ");
  grid.SetTextMatrix(2, C::kCalculate, "Code=@Name");
  grid.SetTextMatrix(2, C::kSpecField, " createdby ");
  w->cmdSave()->click();
  QCOMPARE(w->result(), int(QDialog::Accepted));
  QCOMPARE(StoredValue("Supplier", "Name", "RsName"), QString("Supplier"));
  QCOMPARE(StoredValue("Supplier", "Name", "OrderArea"), QString("ORDER BY Name"));
  QCOMPARE(StoredValue("Supplier", "Name", "WhereArea"), QString("<null>"));
  QCOMPARE(StoredValue("Supplier", "Name", "GridCalculate"),
           QString(" Total=<GetGridColSum:Amount> 'x' "));
  QCOMPARE(StoredValue("Supplier", "Name", "[Language]"), QString("Supplier's name"));
  QCOMPARE(StoredValue("Supplier", "Name", "Calculate"), QString("Code=@Name"));
  QCOMPARE(StoredValue("Supplier", "Name", "SpecField"), QString("createdby"));
  QCOMPARE(StoredValue("Supplier", "Name", "InputExp"), QString("<null>"));
  QCOMPARE(StoredValue("Supplier", "ID", "InsertSQL"),
           QString("Insert into  Supplier (Name) Values('@Name')"));
}

void RecordsetTest::saveFlags_data() {
  QTest::addColumn<QString>("cell");
  QTest::addColumn<QString>("stored");
  QTest::newRow("0") << "0" << "0";
  QTest::newRow("False") << "False" << "0";
  QTest::newRow("false") << "false" << "0";
  QTest::newRow("empty") << "" << "0";
  QTest::newRow("1") << "1" << "1";
  QTest::newRow("True") << "True" << "1";
  QTest::newRow("-1") << "-1" << "1";
}

void RecordsetTest::saveFlags() {
  QFETCH(QString, cell);
  QFETCH(QString, stored);
  DesignerDatabase db;
  auto w = Open();
  Execute(*w, "Supplier", "select ID,Name from Unit");
  for (int c : {C::kIsKey, C::kIsShow, C::kIsReadOnly, C::kIsInput, C::kIsBillID})
    w->vsData()->SetTextMatrix(2, c, cell);
  w->cmdSave()->click();
  QCOMPARE(DesignerDatabase::Column("select IsKey||IsShow||IsReadOnly||IsInput||IsBillID from "
                                    "tblRecordset where Field='Name' and RsName='Supplier'"),
           QStringList{stored.repeated(5)});
}

void RecordsetTest::saveUnderANewNameKeepsTheOldRows() {
  DesignerDatabase db;
  const QStringList unit = Stored("Unit");
  auto w = Open("Unit");
  w->txtName()->setText("Unit Copy");
  w->cmdSave()->click();
  QCOMPARE(db.Ui().texts(), QStringList());
  QCOMPARE(w->result(), int(QDialog::Accepted));
  QCOMPARE(Stored("Unit"), unit);
  QCOMPARE(DesignerDatabase::Column("select [Language] from tblRecordset where "
                                    "RsName='Unit Copy' order by ID"),
           (QStringList{"ID", "Unit"}));
}

void RecordsetTest::newSourceTakingAUsedName_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("caption");
  QTest::newRow("replace") << int(rd::MsgResult::Ok) << "Name";
  QTest::newRow("keep") << int(rd::MsgResult::Cancel) << "Unit";
}

void RecordsetTest::newSourceTakingAUsedName() {
  QFETCH(int, answer);
  QFETCH(QString, caption);
  DesignerDatabase db;
  auto w = Open();
  Execute(*w, "unit", "select ID,Name from Unit");
  db.Ui().answers << rd::MsgResult(answer);
  w->cmdSave()->click();
  QCOMPARE(db.Ui().texts(), QStringList{rd::ReplaceParams(rd::GetLangString(1250), {"unit"})});
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Question);
  QCOMPARE(w->result() == QDialog::Accepted, answer == int(rd::MsgResult::Ok));
  QCOMPARE(StoredValue("Unit", "Name", "[Language]"), caption);
}

void RecordsetTest::saveWithoutFieldRowsIsRefused_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("select");  // run by Execute; it fails
  QTest::newRow("new name, not executed") << "Supplier" << "";
  QTest::newRow("new name, execute failed") << "Supplier" << "select Nothing from Nowhere";
  QTest::newRow("name of a stored source") << "unit" << "";
}

void RecordsetTest::saveWithoutFieldRowsIsRefused() {
  QFETCH(QString, name);
  QFETCH(QString, select);
  DesignerDatabase db;
  const QStringList unit = Stored("Unit");
  auto w = Open();
  w->txtName()->setText(name);
  if (!select.isEmpty()) {
    Execute(*w, name, select);
    db.Ui().boxes.clear();
  }
  db.Ui().answers << rd::MsgResult::Ok;  // to a question whether to replace it
  w->cmdSave()->click();
  QCOMPARE(db.Ui().texts(), QStringList{"Press Execute to make the field rows before saving."});
  QVERIFY(w->result() != QDialog::Accepted);
  QCOMPARE(w->txtName()->text(), name);
  QCOMPARE(Stored(name), name == "unit" ? unit : QStringList());
}

void RecordsetTest::modifyOpensTheFieldEditor() {
  DesignerDatabase db;
  auto w = Open("Item");
  w->setWindowTitle("Item source");
  w->vsData()->SetRow(-1);
  w->cmdListModify()->click();
  QCOMPARE(w->editorsShown, 0);

  QString shown;
  w->onEditor = [&](rd::frmRsEdit& editor) {
    shown = editor.windowTitle() + "|" + QString::number(editor.SelectRow()) + "|" +
            editor.txtField()->text();
  };
  w->vsData()->SetRow(4);
  w->cmdListModify()->click();
  QCOMPARE(shown, QString("Item source - Modify|4|Unit"));
  w->vsData()->SetRow(2);
  emit w->vsData()->DblClick(2);
  QCOMPARE(shown, QString("Item source - Modify|2|Code"));
}

// Every control shows its column and Save writes it back there: unchanged
// rows come back unchanged, and each changed control lands in its column.
void RecordsetTest::fieldEditorMapsEveryColumn() {
  DesignerDatabase db;
  auto w = Open("SalesBill");
  rd::FlexGrid& grid = *w->vsData();
  for (int r = 1; r < grid.Rows(); ++r) {
    const QString cells = FieldCells(grid, r);
    rd::frmRsEdit editor;
    editor.SetForm(w.get());
    editor.SetSelectRow(r);
    editor.InitControl();
    QVERIFY(editor.GetData());
    editor.cmdSave()->click();
    QCOMPARE(FieldCells(grid, r), cells);
  }

  const int row = RowOf(grid, "CustCode");
  rd::frmRsEdit editor;
  editor.SetForm(w.get());
  editor.SetSelectRow(row);
  editor.InitControl();
  editor.GetData();
  QCOMPARE(editor.txtOptionRs()->currentText(), QString("Customer"));
  QCOMPARE(editor.txtReturnField()->text(), QString("CustCode=Code;CustName=Name"));
  QCOMPARE(editor.txtField()->isReadOnly(), true);
  editor.cboControlType()->setCurrentText("ComboList");
  editor.txtLanguage()->setText("Client");
  editor.chkKey()->setChecked(true);
  editor.chkShow()->setChecked(false);
  editor.chkReadOnly()->setChecked(true);
  editor.chkInput()->setChecked(false);
  editor.cboInputRange()->setCurrentText("Custom");
  editor.txtInputExp()->setText("len(@1)>2");
  editor.txtMaxLength()->setText("12");
  editor.txtDefaultValue()->setCurrentIndex(1);
  editor.txtDisplayFormat()->setEditText("<GetFormatValue:0>");
  editor.txtSaveFormat()->setCurrentIndex(0);
  editor.txtOptionRs()->setEditText("Item");
  editor.txtReturnField()->setText("CustCode=Code");
  editor.txtTotalSQL()->setText("select 1");
  editor.txtTotalFormat()->setText("0.0");
  editor.txtTotalLanguage()->setText("Sum");
  editor.txtCalculate()->setText("CustName=@CustCode");
  editor.chkBillID()->setChecked(true);
  editor.txtBillID()->setText("C<GetAutoValue:000>");
  editor.cboSpecField()->setCurrentText("modifiedby");
  editor.cmdSave()->click();
  QCOMPARE(FieldCells(grid, row),
           QString("CustCode|ComboList|Client|1|0|1|0|Custom|len(@1)>2|12|<GetSysInfo:UserName>|"
                   "<GetFormatValue:0>|<GetFormatValue:yyyy-MM-dd hh:mm:ss>|Item|CustCode=Code|"
                   "select 1|0.0|Sum|CustName=@CustCode|1|C<GetAutoValue:000>|modifiedby"));
}

void RecordsetTest::fieldEditorRules() {
  DesignerDatabase db;
  auto w = Open("SalesBill");
  rd::FlexGrid& grid = *w->vsData();
  const int row = RowOf(grid, "Remark");
  grid.SetTextMatrix(row, C::kInputRange, "Custom");
  grid.SetTextMatrix(row, C::kInputExp, "len(@1)<200");
  grid.SetTextMatrix(row, C::kControlType, "RichText");
  grid.SetTextMatrix(row, C::kIsBillID, "1");
  rd::frmRsEdit editor;
  editor.SetForm(w.get());
  editor.SetSelectRow(row);
  editor.InitControl();
  editor.GetData();
  QVERIFY(!editor.txtInputExp()->isReadOnly());
  QVERIFY(!editor.txtBillID()->isReadOnly());
  QCOMPARE(editor.cboControlType()->currentText(), QString("RichText"));
  QCOMPARE(editor.cboSpecField()->currentIndex(), 0);
  editor.cboInputRange()->setCurrentText("Any");
  QVERIFY(editor.txtInputExp()->isReadOnly());
  editor.chkBillID()->setChecked(false);
  QVERIFY(editor.txtBillID()->isReadOnly());
  QVERIFY(editor.txtInputExp()->palette().color(QPalette::Base) !=
          editor.txtLanguage()->palette().color(QPalette::Base));
  editor.cmdCancel()->click();
  QCOMPARE(grid.TextMatrix(row, C::kInputRange), QString("Custom"));

  editor.cmdSave()->click();
  QCOMPARE(grid.TextMatrix(row, C::kInputRange), QString("Any"));
  QCOMPARE(grid.TextMatrix(row, C::kInputExp), QString("len(@1)<200"));
  QCOMPARE(grid.TextMatrix(row, C::kControlType), QString("RichText"));
  QCOMPARE(grid.TextMatrix(row, C::kSpecField), QString());
}

void RecordsetTest::fieldEditorFlags_data() {
  QTest::addColumn<QString>("cell");
  QTest::addColumn<bool>("ticked");
  QTest::newRow("0") << "0" << false;
  QTest::newRow("False") << "False" << false;
  QTest::newRow("empty") << "" << false;
  QTest::newRow("1") << "1" << true;
  QTest::newRow("True") << "True" << true;
  QTest::newRow("-1") << "-1" << true;
}

void RecordsetTest::fieldEditorFlags() {
  QFETCH(QString, cell);
  QFETCH(bool, ticked);
  DesignerDatabase db;
  auto w = Open("Unit");
  for (int c : {C::kIsKey, C::kIsShow, C::kIsReadOnly, C::kIsInput, C::kIsBillID})
    w->vsData()->SetTextMatrix(2, c, cell);
  rd::frmRsEdit editor;
  editor.SetForm(w.get());
  editor.SetSelectRow(2);
  editor.InitControl();
  editor.GetData();
  for (QCheckBox* box : {editor.chkKey(), editor.chkShow(), editor.chkReadOnly(),
                         editor.chkInput(), editor.chkBillID()})
    QCOMPARE(box->isChecked(), ticked);
}

QTEST_MAIN(RecordsetTest)
#include "tst_recordset.moc"
