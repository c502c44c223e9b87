#include <QMenu>
#include <QtTest>

#include "DesignerFixture.h"
#include "core/WindowRegistry.h"
#include "designer/frmDevelope.h"
#include "designer/frmField.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeNode.h"
#include "platform/widgets/TreeView.h"

namespace {

// Stands in for the record source and module editors: records what the
// development window sets and calls on it.
class FakeEditor : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* Form MEMBER form)
  Q_PROPERTY(int EditMode MEMBER editMode)
  Q_PROPERTY(int ID MEMBER id)
  Q_PROPERTY(QString RsName MEMBER rsName)
  Q_PROPERTY(int SelectRow MEMBER selectRow)
 public:
  Q_INVOKABLE bool RefreshData(const QString& filter) {
    calls << "RefreshData:" + filter;
    return true;
  }
  Q_INVOKABLE void InitControl() { calls << "InitControl"; }
  // Reads its module's row from the opener's list by name.
  Q_INVOKABLE bool GetData() {
    auto* list = qobject_cast<rd::FlexGrid*>(form->property("lvDetail").value<QObject*>());
    calls << "GetData:" + (list ? list->TextMatrix(selectRow, 1) : QString("<no list>"));
    return true;
  }

  QObject* form = nullptr;
  int editMode = -1, id = -1, selectRow = -1;
  QString rsName;
  QStringList calls;
};

class Develope : public rd::frmDevelope {
 public:
  std::function<void(QWidget*)> onEditor;
  QStringList shown;  // the title of every editor shown

 protected:
  void RunEditor(QWidget* editor) override {
    shown << editor->windowTitle();
    if (onEditor) onEditor(editor);
  }
};

void Choose(rd::frmDevelope& w, const QString& key) {
  rd::TreeNode* node = w.trvModule()->Node(key);
  QVERIFY2(node, qPrintable(key));
  w.trvModule()->SetSelectedItem(node);
  w.trvModule_NodeClick(node);
}

int RowOf(const rd::FlexGrid& grid, const QString& name) {
  for (int r = 1; r < grid.Rows(); ++r)
    if (grid.TextMatrix(r, 1) == name) return r;
  return -1;
}

void Select(rd::FlexGrid& grid, const QStringList& names) {
  grid.selectionModel()->clear();
  for (const QString& name : names) {
    const int row = RowOf(grid, name);
    QVERIFY2(row > 0, qPrintable(name));
    grid.selectionModel()->select(grid.model()->index(row - 1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

}  // namespace

class DevelopeTest : public QObject {
  Q_OBJECT
 private slots:
  void treeListsAndMenus();
  void listOpensWithNoRowChosen();
  void deletesAskForEachRow();
  void deleteStructureAndTable_data();
  void deleteStructureAndTable();
  void createTable_data();
  void createTable();
  void systemTablesAreNeverReplaced();
  void systemTablesAreNeverDropped_data();
  void systemTablesAreNeverDropped();
  void editorsAreOpenedByClassName();
  void tableStructureWindows();
};

void DevelopeTest::treeListsAndMenus() {
  DesignerDatabase db;
  Develope w;
  rd::TreeView& tree = *w.trvModule();
  QCOMPARE(tree.NodeCount(), 4);
  QCOMPARE(tree.Node("R")->Text(), QString("RecordDesk"));
  QCOMPARE(tree.Node("Table")->Parent(), tree.Node("R"));
  QCOMPARE(tree.Node("Module")->Text(), QString("Modules"));
  // The root lists the class captions and has no menu.
  QCOMPARE(w.lvDetail()->TextMatrix(1, 1), QString("Tables"));
  QVERIFY(!w.PopupMenu());

  Choose(w, "Module");
  QCOMPARE(w.lvDetail()->Cols(), 13);
  QStringList keys;
  for (int c = 1; c < 13; ++c) keys << w.lvDetail()->ColKey(c);
  QCOMPARE(keys.join(','), QString("ID,MenuIndex,Language,Parent,RsName,RsName2,Relation,"
                                   "FormTemplateName,BrowseToolbar,ViewToolbar,AddToolbar,"
                                   "ModifyToolbar"));
  QCOMPARE(w.PopupMenu()->objectName(), QString("mnuModule"));
  QStringList items;
  for (QAction* a : w.PopupMenu()->actions()) items << a->text();
  QCOMPARE(items, (QStringList{"New Module", "Modify Module", "Delete Module"}));

  Choose(w, "Table");
  QVERIFY(RowOf(*w.lvDetail(), "Customer") > 0);
  QCOMPARE(w.PopupMenu()->objectName(), QString("mnuTable"));
  Choose(w, "Recordset");
  QVERIFY(RowOf(*w.lvDetail(), "SalesBill") > 0);
}

void DevelopeTest::listOpensWithNoRowChosen() {
  DesignerDatabase db;
  Develope w;
  QCOMPARE(w.lvDetail()->SelectedRows(), 0);
  // The commands and the double-click do nothing and ask nothing.
  Choose(w, "Table");
  QCOMPARE(w.lvDetail()->SelectedRows(), 0);
  w.mnuModifyTable_Click();
  w.mnuCreateTable_Click();
  w.mnuDropTable_Click();
  Choose(w, "Recordset");
  w.mnuDeleteRs_Click();
  w.mnuModifyRs_Click();
  w.lvDetail_DblClick();
  QCOMPARE(db.Ui().texts().join("|"), QString());
  QVERIFY(w.shown.isEmpty());
  // Refresh and a closed editor show the list again with no row chosen.
  Select(*w.lvDetail(), {"SalesBill"});
  w.tbrMain_ButtonClick(w.tbrMain()->Button("Refresh"));
  QCOMPARE(w.lvDetail()->SelectedRows(), 0);
  Choose(w, "Table");
  Select(*w.lvDetail(), {"Customer"});
  w.mnuAddTable_Click();
  QCOMPARE(w.shown.size(), 1);
  QCOMPARE(w.lvDetail()->SelectedRows(), 0);
}

void DevelopeTest::deletesAskForEachRow() {
  DesignerDatabase db;
  for (const char* id : {"zA", "O'Hara", "zC"})
    db.Exec(QString("insert into tblMenu(ID, MenuIndex, Parent) values('%1', 99, 'mnuBasic')")
                .arg(rd::SqlStr(id)));
  db.Exec("insert into tblToolbar(MenuID, Mode, Text) values('zA', 'Browse', 'Add')");
  Develope w;
  Choose(w, "Module");
  Select(*w.lvDetail(), {"zA", "O'Hara", "zC"});
  db.Ui().answers = {rd::MsgResult::Ok, rd::MsgResult::Cancel, rd::MsgResult::Ok};
  w.mnuDeleteModule_Click();
  QCOMPARE(db.Ui().boxes.size(), 3);
  QCOMPARE(db.Ui().boxes[1].text, QString("Delete the selected records?"));
  QCOMPARE(db.Ui().boxes[1].title, QString("Develope Tool"));
  // In list order: O'Hara deleted, zA kept, zC deleted.
  QCOMPARE(db.Column("select ID from tblMenu where MenuIndex=99"), QStringList{"zA"});
  // The list shows what is left; the module's toolbar rows stay.
  QCOMPARE(RowOf(*w.lvDetail(), "O'Hara"), -1);
  QVERIFY(RowOf(*w.lvDetail(), "zA") > 0);
  QCOMPARE(db.Column("select count(*) from tblToolbar where MenuID='zA'"), QStringList{"1"});
}

void DevelopeTest::deleteStructureAndTable_data() {
  QTest::addColumn<QStringList>("setup");  // run after Scratch is made
  QTest::addColumn<bool>("hasTable");
  QTest::addColumn<bool>("kept");          // the table and its design both stay
  QTest::addColumn<QString>("message");

  QTest::newRow("both go") << QStringList() << true << false << "";
  QTest::newRow("no such table: the design goes alone") << QStringList() << false << false << "";
  QTest::newRow("the drop fails")
      << QStringList{"create table ScratchUse(ScratchID int references Scratch(ID))",
                     "insert into ScratchUse values(1)", "pragma foreign_keys=on"}
      << true << true << "FOREIGN KEY constraint failed";
  QTest::newRow("deleting the design fails")
      << QStringList{"create trigger keepDesign before delete on tblTable "
                     "begin select raise(abort, 'design kept'); end"}
      << true << true << "design kept";
}

void DevelopeTest::deleteStructureAndTable() {
  QFETCH(QStringList, setup);
  QFETCH(bool, hasTable);
  QFETCH(bool, kept);
  QFETCH(QString, message);
  DesignerDatabase db;
  db.Design("Scratch", {"ID:int::KA:", "Note:varchar:20:E:"});
  if (hasTable) {
    db.Exec("create table Scratch(ID integer primary key, Note varchar(20))");
    db.Exec("insert into Scratch(Note) values('x')");
  }
  for (const QString& sql : setup) db.Exec(sql);
  Develope w;
  Choose(w, "Table");
  Select(*w.lvDetail(), {"Scratch"});
  w.mnuDropTable_Click();
  db.Exec("pragma foreign_keys=off");

  QCOMPARE(db.Ui().boxes.size(), message.isEmpty() ? 1 : 2);  // the question, then the reason
  if (!message.isEmpty()) {
    QVERIFY2(db.Ui().boxes.last().text.contains(message), qPrintable(db.Ui().boxes.last().text));
    QCOMPARE(db.Ui().boxes.last().icon, rd::MsgIcon::Critical);
  }
  QCOMPARE(db.TableExists("Scratch"), kept);
  if (kept) QCOMPARE(db.Column("select Note from Scratch"), QStringList{"x"});
  QCOMPARE(db.Column("select count(*) from tblTable where TableName='Scratch'"),
           QStringList{kept ? "2" : "0"});
  QCOMPARE(RowOf(*w.lvDetail(), "Scratch") > 0, kept);
}

void DevelopeTest::createTable_data() {
  QTest::addColumn<QStringList>("design");
  QTest::addColumn<bool>("existing");
  QTest::addColumn<int>("answer");  // to the question whether to replace it
  QTest::addColumn<QString>("columnsAfter");
  QTest::addColumn<int>("rowsAfter");
  QTest::addColumn<QString>("lastMessage");

  const QStringList supplier = {"ID:int::KA:", "Code:varchar:20::", "Name:varchar:50:E:",
                                "Phone:varchar:30:E:"};
  const int ok = int(rd::MsgResult::Ok), cancel = int(rd::MsgResult::Cancel);
  QTest::newRow("new table") << supplier << false << ok << "ID,Code,Name,Phone" << 0
                             << "The table has been created.";
  QTest::newRow("existing, kept") << supplier << true << cancel << "ID,Old" << 2
                                  << "The table Supplier already exists. Replace it? Its data "
                                     "will be lost.";
  QTest::newRow("existing, replaced") << supplier << true << ok << "ID,Code,Name,Phone" << 0
                                      << "The table has been created.";
  QTest::newRow("create fails: the old table stays")
      << QStringList{"ID:int::KA:", "Code:varchar:20::", "Code:varchar:20::"} << true << ok
      << "ID,Old" << 2 << "The table could not be created.\n\nduplicate column name: Code";
  QTest::newRow("refused before anything runs")
      << QStringList{"ID:int::KA:", "Code:varchar:20::0); drop table tblMenu; --"} << true << ok
      << "ID,Old" << 2
      << "The table could not be created.\n\nThe default value of the column Code must be one "
         "value: no \";\" or comment marks, and its quotes and brackets must pair.";
  QTest::newRow("a reserved word refused before anything runs")
      << QStringList{"ID:int::KA:", "select:varchar:20::"} << true << ok << "ID,Old" << 2
      << "The table could not be created.\n\nThe name \"select\" is a word the database reserves "
         "and cannot be used for a table or a column. Choose another name.";
  QTest::newRow("a keyword as a type refused before anything runs")
      << QStringList{"ID:int::KA:", "Code:primary:::"} << true << ok << "ID,Old" << 2
      << "The table could not be created.\n\nThe type \"primary\" of the column Code is not a "
         "type name.";
  QTest::newRow("a word SQLite takes as a name")
      << QStringList{"Key:varchar:20:K:", "First:int::E:"} << false << ok << "Key,First" << 0
      << "The table has been created.";
}

void DevelopeTest::createTable() {
  QFETCH(QStringList, design);
  QFETCH(bool, existing);
  QFETCH(int, answer);
  QFETCH(QString, columnsAfter);
  QFETCH(int, rowsAfter);
  QFETCH(QString, lastMessage);
  DesignerDatabase db;
  db.Design("Supplier", design);
  if (existing) {
    db.Exec("create table Supplier(ID integer primary key, Old varchar(5))");
    db.Exec("insert into Supplier(Old) values('a'), ('b')");
  }
  Develope w;
  Choose(w, "Table");
  Select(*w.lvDetail(), {"Supplier"});
  db.Ui().answers = {rd::MsgResult(answer)};
  w.mnuCreateTable_Click();

  QVERIFY(!db.Ui().boxes.isEmpty());
  QCOMPARE(db.Ui().boxes.last().text, lastMessage);
  QCOMPARE(db.Column("select name from pragma_table_info('Supplier')").join(','), columnsAfter);
  QCOMPARE(db.Column("select count(*) from Supplier"), QStringList{QString::number(rowsAfter)});
  QVERIFY(db.TableExists("tblMenu"));
  if (columnsAfter.startsWith("ID,Code")) {
    db.Exec("insert into Supplier(Code) values('S1')");
    QCOMPARE(db.Column("select ID from Supplier"), QStringList{"1"});
  }
}

void DevelopeTest::systemTablesAreNeverReplaced() {
  DesignerDatabase db;
  db.Design("TBLUSER", {"ID:int::KA:", "Note:varchar:20:E:"});
  const QStringList users = db.Column("select UserName from tblUser");
  Develope w;
  Choose(w, "Table");
  Select(*w.lvDetail(), {"TBLUSER"});
  w.mnuCreateTable_Click();
  // Refused without the question whether to replace it.
  QCOMPARE(db.Ui().texts(),
           QStringList{"The table could not be created.\n\nThe name TBLUSER belongs to the "
                       "program's own tables or to the database itself. Choose another name for "
                       "the table."});
  QCOMPARE(db.Column("select UserName from tblUser"), users);
  QVERIFY(db.Column("select name from pragma_table_info('tblUser')").contains("UserName"));
}

void DevelopeTest::systemTablesAreNeverDropped_data() {
  QTest::addColumn<QString>("design");
  QTest::addColumn<QString>("table");  // as the database names it
  QTest::newRow("menus") << "tblMenu" << "tblMenu";
  QTest::newRow("users, other case") << "TBLUSER" << "tblUser";
  QTest::newRow("SQLite's counters") << "sqlite_sequence" << "sqlite_sequence";
  QTest::newRow("SQLite's statistics, mixed case") << "Sqlite_Stat1" << "sqlite_stat1";
}

void DevelopeTest::systemTablesAreNeverDropped() {
  QFETCH(QString, design);
  QFETCH(QString, table);
  DesignerDatabase db;
  db.Exec("analyze");
  db.Design(design, {"ID:int::KA:", "Note:varchar:20:E:"});
  const QString dump = "select * from " + table;
  const QStringList rows = db.Column(dump);
  QVERIFY(!rows.isEmpty());
  Develope w;
  Choose(w, "Table");
  Select(*w.lvDetail(), {design});
  w.mnuDropTable_Click();

  QCOMPARE(db.Ui().texts(),
           (QStringList{"Delete the selected records?",
                        QString("The design of %1 was deleted. The table %1 itself belongs to the "
                                "program's own tables or to the database and was kept with its "
                                "data.").arg(design)}));
  QCOMPARE(db.Column(dump), rows);
  QCOMPARE(db.Column("select count(*) from tblTable where TableName=" + rd::SqlLiteral(design)),
           QStringList{"0"});
  QCOMPARE(RowOf(*w.lvDetail(), design), -1);
}

void DevelopeTest::editorsAreOpenedByClassName() {
  DesignerDatabase db;
  rd::WindowRegistry::Register("frmRecordset", [](QWidget* p) {
    auto* e = new FakeEditor;
    e->setParent(p, Qt::Dialog);
    return e;
  });
  rd::WindowRegistry::Register("frmModuleEdit", [](QWidget* p) {
    auto* e = new FakeEditor;
    e->setParent(p, Qt::Dialog);
    return e;
  });
  Develope w;
  FakeEditor seen;
  w.onEditor = [&](QWidget* editor) {
    auto* fake = static_cast<FakeEditor*>(editor);
    QCOMPARE(fake->form, &w);
    seen.editMode = fake->editMode;
    seen.id = fake->id;
    seen.rsName = fake->rsName;
    seen.selectRow = fake->selectRow;
    seen.calls = fake->calls;
    db.Exec("insert or ignore into tblMenu(ID, MenuIndex) values('Added', 1)");
  };

  Choose(w, "Recordset");
  const int row = RowOf(*w.lvDetail(), "SalesBill");
  Select(*w.lvDetail(), {"SalesBill"});
  w.lvDetail_DblClick();
  QCOMPARE(w.shown.last(), QString("Develope Tool - Modify"));
  QCOMPARE(seen.editMode, 1);
  QCOMPARE(seen.id, row);
  QCOMPARE(seen.rsName, QString("SalesBill"));
  QCOMPARE(seen.calls, QStringList{"RefreshData:RsName='SalesBill'"});
  w.mnuAddRs_Click();
  QCOMPARE(seen.editMode, 0);
  QCOMPARE(seen.calls, QStringList{"RefreshData:1=0"});

  Choose(w, "Module");
  Select(*w.lvDetail(), {"Customers"});
  w.mnuModifyModule_Click();
  QCOMPARE(w.shown.last(), QString("Develope Tool - Add"));
  QCOMPARE(seen.editMode, 1);
  QCOMPARE(seen.calls, (QStringList{"InitControl", "GetData:Customers"}));
  // The list is read again once the editor is closed.
  QVERIFY(RowOf(*w.lvDetail(), "Added") > 0);
}

void DevelopeTest::tableStructureWindows() {
  DesignerDatabase db;
  Develope w;
  QString table;
  int rows = -1;
  w.onEditor = [&](QWidget* editor) {
    auto* field = qobject_cast<rd::frmField*>(editor);
    QVERIFY(field);
    table = field->TableName();
    rows = field->vsData()->Rows();
  };
  Choose(w, "Table");
  w.mnuAddTable_Click();
  QCOMPARE(w.shown.last(), QString("Develope Tool - New Table Structure"));
  QCOMPARE(table, QString());
  QCOMPARE(rows, 1);
  Select(*w.lvDetail(), {"Customer"});
  // Enter on the list does what a double-click does.
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  w.lvDetail()->setFocus();
  QTest::keyClick(w.lvDetail(), Qt::Key_Return);
  QCOMPARE(w.shown.last(), QString("Develope Tool - Modify Table Structure"));
  QCOMPARE(table, QString("Customer"));
  QCOMPARE(rows, 10);
}

QTEST_MAIN(DevelopeTest)
#include "tst_develope.moc"
