#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "BrowseFixture.h"
#include "browse/frmQuery.h"
#include "browse/frmSingleTable.h"
#include "core/modCommon.h"
#include "core/RecordEditor.h"
#include "core/WindowRegistry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"

using browsefixture::Click;
using browsefixture::Database;
using browsefixture::Panels;
using browsefixture::Select;

namespace {

// Stands in for the record editor: keeps what the browse window set.
struct EditorCall {
  rd::ModuleWindow* form = nullptr;
  int editMode = -1;
  bool allowAdd = false;
  QString moduleName, rsName, caption, loadCaption;
  int id = -1;
  bool shown = false;
};
EditorCall lastEditor;

class FakeEditor : public QDialog, public rd::RecordEditor {
 public:
  using QDialog::QDialog;
  void SetForm(rd::ModuleWindow* form) override { call_.form = form; }
  void SetEditMode(int mode) override { call_.editMode = mode; }
  void SetAllowAdd(bool allow) override { call_.allowAdd = allow; }
  void SetModuleName(const QString& v) override { call_.moduleName = v; }
  void SetRsName(const QString& v) override { call_.rsName = v; }
  void SetID(int row) override { call_.id = row; }
  bool Load() override {
    call_.loadCaption = windowTitle();
    return true;
  }
  int exec() override {
    call_.caption = windowTitle();
    call_.shown = true;
    lastEditor = call_;
    return QDialog::Accepted;
  }

 private:
  EditorCall call_;
};

// A browse window opened as the main window opens one.
std::unique_ptr<rd::frmSingleTable> Open(const QString& moduleName, const QString& rsName) {
  auto w = std::make_unique<rd::frmSingleTable>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->SetModuleName(moduleName);
  w->SetRsName(rsName);
  w->setWindowTitle(moduleName);
  if (w->InitControl()) w->RefreshData();
  return w;
}

}  // namespace

class TestSingleTable : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void refreshShowsCaptionsHiddenColumnsCountAndTotals();
  void refreshFilter_data();
  void refreshFilter();
  void refreshButtonDropsTheFilter();
  void failedFilterKeepsTheShownQuery();
  void oddDefinitionsStillShow();
  void undefinedSourceSaysSo();
  void deleteRows_data();
  void deleteRows();
  void deleteStopsAtAFailureAndRefreshes();
  void editorGetsItsMembers();
  void editorWithoutAddButton();
  void queryButtonFiltersTheGrid();
};

void TestSingleTable::initTestCase() {
  rd::WindowRegistry::Register("frmEdit", [](QWidget* parent) { return new FakeEditor(parent); });
}

void TestSingleTable::refreshShowsCaptionsHiddenColumnsCountAndTotals() {
  Database db;
  auto w = Open("Customers", "Customer");
  rd::FlexGrid& grid = *w->vsData();
  QCOMPARE(grid.Rows(), 11);
  QCOMPARE(grid.Cols(), 10);
  QVERIFY(grid.ColHidden(1));
  QVERIFY(!grid.ColHidden(2));
  QCOMPARE(grid.TextMatrix(0, 6), QString("E-mail"));
  QCOMPARE(grid.TextMatrix(0, 7), QString("Credit Limit"));
  QCOMPARE(grid.ColKey(7), QString("CreditLimit"));
  QCOMPARE(grid.TextMatrix(1, 2), QString("C001"));
  // The totals wait for the rows to be on the screen.
  QCOMPARE(w->stbTemplate()->PanelCount(), 1);
  QCOMPARE(Panels(*w), (QStringList{"Records: 10", "Total credit limit: 28,500.00"}));
  QCOMPARE(w->stbTemplate()->Panel(1)->AutoSize(), rd::StatusBarPanel::Spring);
  QCOMPARE(w->SelectSQL(),
           QString("select ID,Code,Name,City,Phone,Email,CreditLimit,Active,Remark from Customer"));
  QCOMPARE(w->OrderArea(), QString("ORDER BY Code"));
  QCOMPARE(w->PrintLines(), 1);
  QCOMPARE(db.Ui().boxes.size(), 0);
}

void TestSingleTable::refreshFilter_data() {
  QTest::addColumn<QString>("storedWhere");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QString>("whereArea");
  QTest::addColumn<QStringList>("panels");
  QTest::newRow("no condition, no filter") << "" << "" << ""
      << QStringList{"Records: 10", "Total credit limit: 28,500.00"};
  QTest::newRow("blanks are no filter") << "" << "   " << ""
      << QStringList{"Records: 10", "Total credit limit: 28,500.00"};
  QTest::newRow("filter alone") << "" << "City='Leeds'" << " WHERE (City='Leeds')"
      << QStringList{"Records: 1", "Total credit limit: 5,000.00"};
  QTest::newRow("stored condition alone") << "WHERE Active=1" << "" << "WHERE Active=1"
      << QStringList{"Records: 9", "Total credit limit: 26,500.00"};
  QTest::newRow("an Or in the filter stays inside the condition") << "where Active=1"
      << "City='Leeds' Or City='Bath'" << "WHERE (Active=1) AND (City='Leeds' Or City='Bath')"
      << QStringList{"Records: 1", "Total credit limit: 5,000.00"};
}

void TestSingleTable::refreshFilter() {
  QFETCH(QString, storedWhere);
  QFETCH(QString, filter);
  QFETCH(QString, whereArea);
  QFETCH(QStringList, panels);
  Database db;
  Database::Exec("update tblRecordset set WhereArea='" + rd::SqlStr(storedWhere) + "'" +
                 " where RsName='Customer'");
  auto w = Open("Customers", "Customer");
  // Twice: the second refresh starts again from the stored condition.
  for (int i = 0; i < 2; ++i) {
    QVERIFY(w->RefreshData(filter));
    QCOMPARE(w->WhereArea(), whereArea);
    QCOMPARE(Panels(*w), panels);
    QCOMPARE(w->vsData()->Rows() - 1, panels[0].mid(9).toInt());
  }
  QCOMPARE(db.Ui().boxes.size(), 0);
}

void TestSingleTable::refreshButtonDropsTheFilter() {
  Database db;
  auto w = Open("Customers", "Customer");
  w->RefreshData("City='Leeds'");
  QCOMPARE(w->vsData()->Rows(), 2);
  Click(*w, "Refresh");
  QCOMPARE(w->vsData()->Rows(), 11);
  QCOMPARE(w->WhereArea(), QString());
}

void TestSingleTable::failedFilterKeepsTheShownQuery() {
  Database db;
  auto w = Open("Customers", "Customer");
  QVERIFY(w->RefreshData("City='Leeds'"));
  QVERIFY(!w->RefreshData("NoSuchColumn=1"));
  QCOMPARE(db.Ui().boxes.size(), 1);
  QCOMPARE(w->WhereArea(), QString(" WHERE (City='Leeds')"));
  QCOMPARE(w->vsData()->Rows(), 2);
}

void TestSingleTable::oddDefinitionsStillShow() {
  Database db;
  // Null flags, print lines and captions, a total without rows and a
  // field row more than the query has columns.
  Database::Exec("update tblRecordset set PrintLines=null, TotalSQL=null where RsName='Unit'");
  Database::Exec(
      "update tblRecordset set IsShow=null, [Language]=null,"
      " TotalSQL='select Name from Unit where 1=0', TotalLanguage='None'"
      " where RsName='Unit' and Field='Name'");
  Database::Exec(
      "insert into tblRecordset (RsName, Field, [Language], IsShow, SelectSQL, OrderArea)"
      " select RsName, 'Extra', 'Extra', 1, SelectSQL, OrderArea from tblRecordset"
      " where RsName='Unit' and Field='ID'");
  auto w = Open("Units", "Unit");
  QCOMPARE(w->vsData()->Rows(), 6);
  QCOMPARE(w->vsData()->Cols(), 3);
  QCOMPARE(w->vsData()->TextMatrix(0, 2), QString());  // no caption stored, none shown
  QVERIFY(w->vsData()->ColHidden(2));
  QCOMPARE(w->PrintLines(), 1);
  QCOMPARE(Panels(*w), (QStringList{"Records: 5", "None: "}));
  QCOMPARE(db.Ui().boxes.size(), 0);
}

void TestSingleTable::undefinedSourceSaysSo() {
  Database db;
  // A quote in the name reaches the query as data.
  auto w = Open("Customers", "Cust' or ''='");
  QCOMPARE(w->vsData()->Rows(), 1);
  QCOMPARE(db.Ui().texts(), QStringList{"The record source \"Cust' or ''='\" is not defined."});
  // The same name, defined, is found.
  Database::Exec("update tblRecordset set RsName='Cust'' or ''''=''' where RsName='Customer'");
  QVERIFY(w->RefreshData());
  QCOMPARE(w->vsData()->Rows(), 11);
}

void TestSingleTable::deleteRows_data() {
  QTest::addColumn<QList<int>>("rows");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("idText");  // written over column 1 of the first row when set
  QTest::addColumn<QStringList>("left");
  QTest::addColumn<int>("messages");
  QTest::newRow("three rows") << QList<int>{1, 3, 5} << int(rd::MsgResult::Ok) << ""
      << QStringList{"C002", "C004", "C006", "C007", "C008", "C009", "C010"} << 1;
  QTest::newRow("cancel") << QList<int>{1} << int(rd::MsgResult::Cancel) << ""
      << QStringList{"C001", "C002", "C003", "C004", "C005", "C006", "C007", "C008", "C009", "C010"}
      << 1;
  QTest::newRow("no row selected still asks") << QList<int>{} << int(rd::MsgResult::Ok) << ""
      << QStringList{"C001", "C002", "C003", "C004", "C005", "C006", "C007", "C008", "C009", "C010"}
      << 1;
  QTest::newRow("a row without a record number is refused") << QList<int>{1, 2}
      << int(rd::MsgResult::Ok) << "0 or 1=1"
      << QStringList{"C001", "C003", "C004", "C005", "C006", "C007", "C008", "C009", "C010"} << 2;
}

void TestSingleTable::deleteRows() {
  QFETCH(QList<int>, rows);
  QFETCH(int, answer);
  QFETCH(QString, idText);
  QFETCH(QStringList, left);
  QFETCH(int, messages);
  Database db;
  auto w = Open("Customers", "Customer");
  if (!idText.isEmpty()) w->vsData()->SetTextMatrix(1, 1, idText);
  Select(*w->vsData(), rows);
  db.Ui().answers << rd::MsgResult(answer);
  Click(*w, "Delete");
  QCOMPARE(db.Ui().boxes.size(), messages);
  QCOMPARE(db.Ui().boxes[0].text, QString("Delete the selected records?"));
  QCOMPARE(db.Ui().boxes[0].title, QString("Customers"));
  QCOMPARE(Database::Count("select count(*) from Customer"), int(left.size()));
  QStringList shown;
  for (int r = 1; r < w->vsData()->Rows(); ++r) shown << w->vsData()->TextMatrix(r, 2);
  QCOMPARE(shown, left);
}

void TestSingleTable::deleteStopsAtAFailureAndRefreshes() {
  Database db;
  Database::Exec(
      "create trigger keep3 before delete on Customer when old.ID=3"
      " begin select raise(abort, 'customer 3 is in use'); end");
  auto w = Open("Customers", "Customer");
  Select(*w->vsData(), {1, 3, 5});
  Click(*w, "Delete");
  QCOMPARE(db.Ui().boxes.size(), 2);
  QVERIFY(db.Ui().boxes[1].text.contains("customer 3 is in use"));
  QCOMPARE(db.Ui().boxes[1].icon, rd::MsgIcon::Critical);
  QCOMPARE(Database::Count("select count(*) from Customer"), 9);
  QCOMPARE(w->vsData()->Rows(), 10);
  QCOMPARE(w->vsData()->TextMatrix(1, 2), QString("C002"));
}

void TestSingleTable::editorGetsItsMembers() {
  Database db;
  auto w = Open("Customers", "Customer");
  lastEditor = {};
  Click(*w, "Add");
  QVERIFY(lastEditor.shown);
  QCOMPARE(lastEditor.form, static_cast<rd::ModuleWindow*>(w.get()));
  QCOMPARE(lastEditor.editMode, 0);
  QCOMPARE(lastEditor.allowAdd, true);
  QCOMPARE(lastEditor.moduleName, QString("Customers"));
  QCOMPARE(lastEditor.rsName, QString("Customer"));
  QCOMPARE(lastEditor.caption, QString("Customers - Add"));
  QCOMPARE(lastEditor.loadCaption, QString("Customers - Add"));
  QCOMPARE(lastEditor.id, -1);

  lastEditor = {};
  Select(*w->vsData(), {4, 2});
  emit w->vsData()->DblClick(4);
  QCOMPARE(lastEditor.editMode, 1);
  QCOMPARE(lastEditor.id, 2);
  QCOMPARE(lastEditor.caption, QString("Customers - Modify"));

  lastEditor = {};
  Select(*w->vsData(), {});
  QVERIFY(!w->ModifyData());
  emit w->vsData()->DblClick(-1);
  QVERIFY(!lastEditor.shown);
}

void TestSingleTable::editorWithoutAddButton() {
  Database db;
  Database::Exec("insert into tblPrivilege values ('clerk', 'Customers-Modify-Browse')");
  Database::Exec("delete from tblPrivilege where ModuleID='Customers-Add-Browse'");
  db.LogIn("clerk");
  auto w = Open("Customers", "Customer");
  QVERIFY(!w->tbrMain()->Button("Add"));
  lastEditor = {};
  QVERIFY(w->ModifyData());
  QCOMPARE(lastEditor.allowAdd, false);
  // Without a Modify button a double click opens nothing.
  Database::Exec("delete from tblPrivilege where ModuleID='Customers-Modify-Browse'");
  w->InitControl();
  lastEditor = {};
  emit w->vsData()->DblClick(1);
  QVERIFY(!lastEditor.shown);
}

// The Query button opens the query dialog over the window, captioned after
// it; the condition given there filters the grid.
void TestSingleTable::queryButtonFiltersTheGrid() {
  Database db;
  rd::RegisterQueryWindow();
  auto w = Open("Customers", "Customer");
  QString caption;
  QTimer::singleShot(0, [&caption] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<rd::frmQuery*>(modal);
    if (!dialog) {
      if (modal) modal->close();
      return;
    }
    caption = dialog->windowTitle();
    dialog->cboField[0]->setCurrentIndex(dialog->cboField[0]->findText("City"));
    dialog->cboSymbol[0]->setCurrentIndex(dialog->cboSymbol[0]->findText("="));
    dialog->txtValue[0]->setText("Leeds");
    dialog->cmdOK->click();
  });
  Click(*w, "Query");
  QCOMPARE(caption, rd::ReplaceParams(rd::GetLangString(1024), {"Customers"}));
  QCOMPARE(w->vsData()->Rows(), 2);
  QCOMPARE(w->WhereArea(), QString(" WHERE (City = 'Leeds')"));
  QCOMPARE(db.Ui().boxes.size(), 0);
}

QTEST_MAIN(TestSingleTable)
#include "tst_singletable.moc"
