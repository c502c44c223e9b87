// The detail-row editor over the sample sales bills: a master editor on a
// new bill whose grid holds the stored lines of the first bill (or none).
#include <QPushButton>
#include <QtTest>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "edit/ModalShow.h"
#include "edit/RecordForm.h"
#include "masterdetail/DetailGrid.h"
#include "masterdetail/MasterDetailWindows.h"
#include "masterdetail/frmListEdit.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

using namespace rd;

namespace {

const QString kFirstBill = "SB202401150001";  // lines I001 4x24.5, I002 2x6.8, I005 10x3.75

void exec(const QString& sql) {
  QString error;
  QVERIFY2(ExecuteSQL(sql, &error), qPrintable(error + " in " + sql));
}

QString scalar(const QString& sql) {
  Recordset rs;
  if (!OpenRecordset(sql, rs) || rs.Eof()) return "<none>";
  return rs.Fields(0).Text();
}

void setLineField(const QString& field, const QString& assignments) {
  exec("update tblRecordset set " + assignments + " where RsName='SalesBillLine' and Field='" +
       field + "'");
}

QString value(const frmListEdit& editor, const QString& field) {
  const FieldDef* def = editor.Fields().FindField(field);
  return def ? editor.Fields().Value(*def) : "<no field>";
}

void set(frmListEdit& editor, const QString& field, const QString& text) {
  const FieldDef* def = editor.Fields().FindField(field);
  QVERIFY2(def, qPrintable(field));
  QVERIFY(editor.Fields().SetValue(*def, text));
}

// Types into a field and leaves it, which recalculates and formats.
void type(frmListEdit& editor, const QString& field, const QString& text) {
  set(editor, field, text);
  const FieldDef* def = editor.Fields().FindField(field);
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(editor.Fields().InputControl(def->label), &out);
}

// The grid column of a detail field.
int column(FlexGrid& grid, const QString& key) {
  for (int c = 1; c < grid.Cols(); ++c)
    if (grid.ColKey(c).compare(key, Qt::CaseInsensitive) == 0) return c;
  return -1;
}

}  // namespace

class tst_listedit : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestProgramFolder> folder_;
  std::unique_ptr<frmMultiEdit> master_;
  ScriptedUi* ui_ = nullptr;

  // The master editor on a new bill; its grid shows the stored lines of
  // billNo ("" for none, as for a new bill).
  frmMultiEdit& openMaster(const QString& billNo) {
    master_ = std::make_unique<frmMultiEdit>();
    master_->SetModuleName("SalesBills");
    master_->SetEditMode(0);
    master_->SetRsName("SalesBill");
    master_->SetRsName2("SalesBillLine");
    master_->SetRelation("BillNo=BillNo");
    master_->setWindowTitle("Sales Bills - Add");
    [&] { QVERIFY(master_->Load()); }();
    if (!billNo.isEmpty())
      master_->RefreshData(DetailGrid::RelationFilter(master_->Relation(), billNo));
    return *master_;
  }

  std::unique_ptr<frmListEdit> openRowEditor(int mode, int row = 0) {
    auto editor = std::make_unique<frmListEdit>();
    editor->SetForm(master_.get());
    editor->SetEditMode(mode);
    editor->SetRsName("SalesBillLine");
    editor->SetID(row);
    editor->setWindowTitle("Sales Bills - Add - Add");
    [&] { QVERIFY(editor->Load()); }();
    return editor;
  }

  QString masterTotal() {
    const FieldDef* total = master_->Fields().FindField("Total");
    return total ? master_->Fields().Value(*total) : "<no field>";
  }

 private slots:
  void init() {
    folder_ = std::make_unique<TestProgramFolder>();
    QVERIFY2(folder_->Ok(), qPrintable(folder_->Error()));
    ConfigFile = folder_->File("Config.ini");
    LanguageFile = folder_->File("Language/1033.ini");
    AppTitle = "RecordDesk";
    ServerType = "ACCESS";
    DbConnection = Connection::OpenSqlite(folder_->DatabasePath());
    QVERIFY(DbConnection);
    UserInfo = std::make_unique<clsUserInfo>();
    UserInfo->LoginUser = "admin";
    ui_ = ScriptedUi::Install();
  }
  void cleanup() {
    ModalShow::SetRunner({});
    master_.reset();
    ScriptedUi::Uninstall();
    ReleaseGlobals();
    folder_.reset();
  }

  // Visible fields two to a row, a text area across a whole row; the
  // hidden ID and BillNo stay where the first visible field goes.
  void layout_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("places");  // field:left,top in twips
    QTest::addColumn<int>("buttonTop");
    QTest::newRow("one-line fields")
        << QString() << QStringList{"ID:120,240", "BillNo:120,240", "ItemCode:120,240",
                                    "ItemName:4440,240", "Qty:120,740", "Price:4440,740",
                                    "Amount:120,1240"}
        << 1240 + 375 + 240;
    QTest::newRow("text area in column 2")
        << "ControlType='TextArea'"
        << QStringList{"ItemCode:120,240", "ItemName:120,740", "Qty:120,1940", "Price:4440,1940",
                       "Amount:120,2440"}
        << 2440 + 375 + 240;
  }
  void layout() {
    QFETCH(QString, change);
    QFETCH(QStringList, places);
    QFETCH(int, buttonTop);
    if (!change.isEmpty()) setLineField("ItemName", change);
    openMaster(kFirstBill);
    auto editor = openRowEditor(0);
    for (const QString& place : places) {
      const QString field = place.section(':', 0, 0);
      const QStringList at = place.section(':', 1).split(',');
      const FieldDef* def = editor->Fields().FindField(field);
      QVERIFY2(def, qPrintable(field));
      QLabel* label = editor->Fields().Label1[def->label];
      QCOMPARE(label->pos(), QPoint(Twips::ToPx(at[0].toInt()), Twips::ToPx(at[1].toInt())));
      QWidget* control = editor->Fields().InputControl(def->label);
      QCOMPARE(control->x(), label->x() + Twips::ToPx(1200));
    }
    QCOMPARE(editor->cmdSave()->y(), Twips::ToPx(buttonTop));
    QCOMPARE(editor->cmdCancel()->x(), Twips::ToPx(6840));
    QVERIFY(editor->cmdAdd()->isDefault());
  }

  // The row goes into the grid with the recalculated Amount, and the
  // master's Total follows the grid.
  void saveRow_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("qty");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("total");
    QTest::newRow("add") << 0 << 0 << "3" << 5 << 4 << "7.50" << 98 + 13.6 + 37.5 + 7.5;
    QTest::newRow("modify") << 1 << 1 << "10" << 4 << 1 << "245.00" << 245 + 13.6 + 37.5;
  }
  void saveRow() {
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(QString, qty);
    QFETCH(int, rows);
    QFETCH(int, targetRow);
    QFETCH(QString, amount);
    QFETCH(double, total);
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    auto editor = openRowEditor(mode, row);
    if (mode == 0) {
      QCOMPARE(value(*editor, "Qty"), QString("1"));
      set(*editor, "ItemCode", "I003");
      type(*editor, "Price", "2.5");
    } else {
      QCOMPARE(value(*editor, "ItemCode"), QString("I001"));
      QCOMPARE(value(*editor, "Price"), QString("24.50"));
    }
    type(*editor, "Qty", qty);
    QVERIFY(editor->SaveData());
    QCOMPARE(grid.Rows(), rows);
    QCOMPARE(grid.TextMatrix(targetRow, column(grid, "Qty")), qty);
    QCOMPARE(grid.TextMatrix(targetRow, column(grid, "Amount")), amount);
    QCOMPARE(masterTotal().toDouble(), total);
    QCOMPARE(grid.TextMatrix(targetRow, column(grid, "BillNo")), mode == 0 ? QString() : kFirstBill);
    QVERIFY(ui_->boxes.isEmpty());
  }

  // A row that is no longer in the grid is not opened, nor written.
  void modifyOfMissingRow() {
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    frmListEdit editor;
    editor.SetForm(master_.get());
    editor.SetEditMode(1);
    editor.SetRsName("SalesBillLine");
    editor.SetID(grid.Rows());
    QVERIFY(!editor.Load());
    QCOMPARE(ui_->boxes.size(), 1);
    QVERIFY(!editor.SaveData());
    QCOMPARE(grid.Rows(), 4);
  }

  // The key is compared with the other rows of the list, as the save will
  // write them: rows removed or added since loading count as they stand.
  void keyCheck_data() {
    QTest::addColumn<QString>("bill");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("removed");   // a row removed first, or -1
    QTest::addColumn<QString>("added");  // an item added first, or empty
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("refused");
    QTest::newRow("add a listed item") << kFirstBill << 0 << 0 << -1 << "" << "I001" << true;
    QTest::newRow("other case, blanks after") << kFirstBill << 0 << 0 << -1 << "" << "i001  " << true;
    QTest::newRow("add a new item") << kFirstBill << 0 << 0 << -1 << "" << "I004" << false;
    QTest::newRow("modify keeps its own") << kFirstBill << 1 << 1 << -1 << "" << "I001" << false;
    QTest::newRow("modify to another's") << kFirstBill << 1 << 2 << -1 << "" << "I001" << true;
    QTest::newRow("new master, nothing listed") << QString() << 0 << 0 << -1 << "" << "I001" << false;
    QTest::newRow("quote in the key") << kFirstBill << 0 << 0 << -1 << "" << "I0'1" << false;
    QTest::newRow("removed row's item again") << kFirstBill << 0 << 0 << 1 << "" << "I001" << false;
    QTest::newRow("same new item twice") << QString() << 0 << 0 << -1 << "I004" << "I004" << true;
  }
  void keyCheck() {
    QFETCH(QString, bill);
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(int, removed);
    QFETCH(QString, added);
    QFETCH(QString, item);
    QFETCH(bool, refused);
    setLineField("ItemCode", "IsKey=1");
    FlexGrid& grid = *openMaster(bill).vsData();
    if (removed > 0) QVERIFY(grid.RemoveItem(removed));
    if (!added.isEmpty()) {
      auto first = openRowEditor(0);
      set(*first, "ItemCode", added);
      QVERIFY(first->SaveData());
    }
    const int rowsBefore = grid.Rows();
    auto editor = openRowEditor(mode, row);
    set(*editor, "ItemCode", item);
    QCOMPARE(editor->SaveData(), !refused);
    const QString taken = ReplaceParams(GetLangString(1005), {"Item"});
    QCOMPARE(ui_->texts(), refused ? QStringList{taken} : QStringList{});
    QCOMPARE(grid.Rows(), rowsBefore + (mode == 0 && !refused ? 1 : 0));
  }

  // Save && Add from a modified row updates it, then goes on adding.
  void saveAndAdd() {
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    auto editor = openRowEditor(1, 2);
    type(*editor, "Qty", "5");
    editor->cmdAdd_Click();
    QCOMPARE(grid.Rows(), 4);
    QCOMPARE(grid.TextMatrix(2, column(grid, "Amount")), QString("34.00"));
    QCOMPARE(editor->EditMode(), 0);
    QCOMPARE(value(*editor, "ItemCode"), QString());
    QCOMPARE(value(*editor, "Qty"), QString("1"));
    QCOMPARE(value(*editor, "Amount"), QString("0.00"));

    set(*editor, "ItemCode", "I004");
    type(*editor, "Price", "12");
    editor->cmdSave_Click();
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(grid.Rows(), 5);
    QCOMPARE(grid.TextMatrix(4, column(grid, "ItemCode")), QString("I004"));
    QCOMPARE(grid.TextMatrix(2, column(grid, "ItemCode")), QString("I002"));
    QCOMPARE(masterTotal().toDouble(), 98 + 34 + 37.5 + 12);
  }

  // Enter is "Save && Add" except in a text area, where it makes a new
  // line; Escape cancels.
  void keys() {
    setLineField("ItemName", "ControlType='TextArea'");
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    auto editor = openRowEditor(0);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    set(*editor, "ItemCode", "I004");
    QWidget* area = editor->Fields().InputControl(editor->Fields().FindField("ItemName")->label);
    area->setFocus();
    QTRY_VERIFY(area->hasFocus());
    QTest::keyClick(area, Qt::Key_Return);
    QCOMPARE(value(*editor, "ItemName"), QString("\n"));
    QCOMPARE(grid.Rows(), 4);
    QWidget* code = editor->Fields().InputControl(editor->Fields().FindField("ItemCode")->label);
    code->setFocus();
    QTRY_VERIFY(code->hasFocus());
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(grid.Rows(), 5);
    QVERIFY(editor->isVisible());
    QCOMPARE(value(*editor, "ItemCode"), QString());
    QTest::keyClick(code, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QCOMPARE(grid.Rows(), 5);
  }

  // A bill number is previewed, taken on save, and not taken again for
  // the cleared form until the next save; a modified row takes none.
  void billNumbers() {
    setLineField("ItemName", "IsBillID=1, CustomBillID='L<GetAutoValue:000>'");
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    const int name = column(grid, "ItemName");
    auto editor = openRowEditor(0);
    QCOMPARE(value(*editor, "ItemName"), QString("L001"));
    set(*editor, "ItemCode", "I003");
    editor->cmdAdd_Click();
    QCOMPARE(grid.TextMatrix(4, name), QString("L001"));
    QCOMPARE(value(*editor, "ItemName"), QString());
    set(*editor, "ItemCode", "I004");
    QVERIFY(editor->SaveData());
    QCOMPARE(grid.TextMatrix(5, name), QString("L002"));
    QCOMPARE(scalar("select CurrID from tblBillID where RsName='SalesBillLine'"), QString("2"));

    auto modify = openRowEditor(1, 1);
    QCOMPARE(value(*modify, "ItemName"), QString("A4 Copy Paper"));
    QVERIFY(modify->SaveData());
    QCOMPARE(grid.TextMatrix(1, name), QString("A4 Copy Paper"));
    QCOMPARE(scalar("select CurrID from tblBillID where RsName='SalesBillLine'"), QString("2"));
  }

  // A refused or failed save leaves the grid, the master and the bill
  // numbers as they were, and the editor keeps what was typed.
  void failedSaveChangesNothing_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("required field blank")
        << QString() << "   " << ReplaceParams(GetLangString(1004), {"Item"});
    QTest::newRow("bill number refused")
        << "create trigger NoBills before insert on tblBillID begin select raise(abort, 'locked'); end"
        << "I003" << QString();
  }
  void failedSaveChangesNothing() {
    QFETCH(QString, setup);
    QFETCH(QString, item);
    QFETCH(QString, message);
    setLineField("ItemName", "IsBillID=1, CustomBillID='L<GetAutoValue:000>'");
    if (!setup.isEmpty()) exec(setup);
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    const QString total = masterTotal();
    auto editor = openRowEditor(0);
    set(*editor, "ItemCode", item);
    type(*editor, "Qty", "2");
    ui_->boxes.clear();
    editor->cmdSave_Click();
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QCOMPARE(grid.Rows(), 4);
    QCOMPARE(masterTotal(), total);
    QCOMPARE(ui_->boxes.size(), 1);
    if (!message.isEmpty()) QCOMPARE(ui_->boxes[0].text, message);
    QCOMPARE(value(*editor, "ItemCode"), item);
    QCOMPARE(value(*editor, "ItemName"), QString("L001"));
    QCOMPARE(scalar("select count(*) from tblBillID where RsName='SalesBillLine'"), QString("0"));
  }

  // The master editor's list buttons open the registered row editor.
  void openedByTheMasterEditor() {
    RegisterMasterDetailWindows();
    FlexGrid& grid = *openMaster(kFirstBill).vsData();
    QString caption;
    ModalShow::SetRunner([&](QDialog* dialog) {
      auto* editor = qobject_cast<frmListEdit*>(dialog);
      QVERIFY(editor);
      caption = editor->windowTitle();
      set(*editor, "ItemCode", "I004");
      editor->cmdSave_Click();
    });
    master_->cmdListAdd_Click();
    QCOMPARE(caption, ReplaceParams(GetLangString(1021), {master_->windowTitle()}));
    QCOMPARE(grid.Rows(), 5);
    QCOMPARE(grid.TextMatrix(4, column(grid, "ItemCode")), QString("I004"));
  }
};

QTEST_MAIN(tst_listedit)
#include "tst_listedit.moc"
