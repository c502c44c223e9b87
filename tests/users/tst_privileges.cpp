#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/frmMain.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeView.h"
#include "support/SampleDatabase.h"
#include "toolkit/cMenus.h"
#include "users/ModuleTree.h"
#include "users/frmPrivilege.h"
#include "users/frmPrivilegeEdit.h"
#include "users/frmPrivilegeList.h"

namespace {

// The sample database with a module whose Browse and Add toolbars are
// custom, extra items (one named like a standard button), a user with a
// quote in the name who holds Items (stored in lower case), and a user
// whose administrator mark is empty.
class Privileges : public SampleDatabase {
 public:
  Privileges() {
    rd::AppTitle = rd::GetLangString(1000);
    for (const char* sql : {
             "insert into tblMenu (ID, MenuIndex, [Language], Parent, FormTemplateName,"
             " BrowseToolbar, ViewToolbar, AddToolbar, ModifyToolbar) values"
             " ('Orders', 2, 'Orders', 'mnuSales', 'singlers', 'CUSTOM', 'Standard', 'custom',"
             " NULL)",
             "insert into tblToolbar (MenuID, ButtonType, Text, ToolTipText, Image, ButtonIndex,"
             " Mode) values ('Orders', 'custom', 'Approve', 'Approve it', '', 2, 'Browse'),"
             " ('Orders', 'custom', 'Refund', 'Refund it', '', 1, 'Browse'),"
             " ('Orders', 'custom', 'Save', 'Save it', '', 1, 'Add')",
             "insert into tblPrivilegeID values ('Orders', 'Export', 'Export the list', 'Browse'),"
             " ('Orders', 'approve', 'named like the button', 'Browse'),"
             " ('Customers', 'add', 'named like a standard button', 'Browse')",
             "insert into tblUser (UserName, IsEnable, IsAdmin) values ('O''Brien', 1, 0),"
             " ('blank', 1, '')",
             "insert into tblPrivilege values ('O''Brien', 'items')",
         })
      QVERIFY2(rd::DbConnection->Execute(sql), qPrintable(rd::DbConnection->LastError()));
    ui = &Ui();
  }
  // One column of a query, its rows sorted and joined by ",".
  static QString Column(const QString& sql) {
    rd::Recordset rs;
    if (!rd::OpenRecordset(sql, rs)) return "<failed>";
    QStringList values;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) values << rs.Fields(0).Text();
    values.sort(Qt::CaseInsensitive);
    return values.join(',');
  }
  static QString GrantsOf(const QString& user) {
    return Column("select ModuleID from tblPrivilege where UserName=" + rd::SqlLiteral(user));
  }

  ScriptedUi* ui = nullptr;
};

// A window as the toolbar builder sees one.
class ToolbarHost : public QWidget {
 public:
  ToolbarHost() : images_(new rd::ImageList(this)), bar_(new rd::Toolbar(this)) {
    bar_->setObjectName("tbrMain");
    rd::AddStandardImages(*images_);
    bar_->SetImageList(images_);
  }
  QString Keys(const QString& menuId, const QString& mode) {
    rd::BuildToolbar(this, menuId, mode);
    QStringList keys;
    for (int i = 1; i <= bar_->ButtonCount(); ++i) keys << bar_->Button(i)->Key();
    return keys.join(',');
  }

 private:
  rd::ImageList* images_;
  rd::Toolbar* bar_;
};

void Login(const QString& user, bool admin) {
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = user;
  rd::UserInfo->IsAdmin = admin;
}

void Click(rd::PrivilegeWindow& w, const QString& key) {
  rd::ToolbarButton* button = w.tbrMain()->Button(key);
  QVERIFY2(button, qPrintable(key));
  button->trigger();
}

void SelectUser(rd::frmPrivilege& w, const QString& name) {
  for (int r = 1; r < w.trvModule()->Rows(); ++r)
    if (w.trvModule()->TextMatrix(r, 2) == name) return w.trvModule()->SetRow(r);
  QFAIL(qPrintable("no user " + name));
}

// What a click on a node's check box does.
void UserChecks(rd::TreeView& tree, const QString& key, bool checked) {
  rd::TreeNode* node = tree.Node(key);
  QVERIFY2(node, qPrintable(key));
  node->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

QString CheckedKeys(const rd::TreeView& tree) {
  QStringList keys;
  for (int i = 1; i <= tree.NodeCount(); ++i)
    if (tree.NodeAt(i)->Checked()) keys << tree.NodeAt(i)->Key();
  keys.sort(Qt::CaseInsensitive);
  return keys.join(',');
}

QString ChildKeys(const rd::ModuleTree& tree, const QString& parent) {
  QStringList keys;
  for (const rd::ModuleTree::Node& n : tree.Nodes())
    if (n.parentKey == parent) keys << n.key;
  return keys.join(',');
}

// The item list with its editor run by the test instead of shown.
class ItemList : public rd::frmPrivilegeList {
 public:
  ItemList() {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle("Privilege Items");
  }
  void Pick(const QString& key) { lvDetail()->setCurrentItem(lvDetail()->Node(key)); }
  // Grid rows as "flag|name|description|mode|kind" joined by ";".
  QString Rows() const {
    QStringList rows;
    for (int r = 1; r < trvModule()->Rows(); ++r) {
      QStringList cells;
      for (int c = 0; c < 5; ++c) cells << trvModule()->TextMatrix(r, c);
      rows << cells.join('|');
    }
    return rows.join(';');
  }
  int RowOf(const QString& name) const {
    for (int r = 1; r < trvModule()->Rows(); ++r)
      if (trvModule()->TextMatrix(r, 1) == name) return r;
    return -1;
  }
  void SelectRows(const QList<int>& rows) {
    trvModule()->selectionModel()->clear();
    for (int row : rows)
      trvModule()->selectionModel()->select(
          trvModule()->model()->index(row - 1, 1),
          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  std::function<void(rd::frmPrivilegeEdit&)> onEditor;
  int editorsShown = 0;

 protected:
  void RunEditor(rd::frmPrivilegeEdit& editor) override {
    ++editorsShown;
    if (onEditor) onEditor(editor);
  }
};

const QString kCustomersBrowse =
    "Customers-Add-Browse,Customers-Modify-Browse,Customers-Delete-Browse,"
    "Customers-Refresh-Browse,Customers-Query-Browse,Customers-Print-Browse";

}  // namespace

class TestPrivileges : public QObject {
  Q_OBJECT
 private slots:
  void treeOfModule_data();
  void treeOfModule();
  void brokenMenuRowsAreSkipped();
  void checksPropagate();
  void grantedIsWhatTheBuildersShow();
  void failedSaveKeepsTheOldRows();
  void unreadGrantsAreNotSavedAsNone();
  void administratorHoldsEverything_data();
  void administratorHoldsEverything();
  void refreshKeepsTheChosenUser();
  void itemGrid_data();
  void itemGrid();
  void editorModes_data();
  void editorModes();
  void addModifyDeleteItems();
  void failedDeleteKeepsEveryItem();
  void storedModeTheListLacksIsKept();
  void noSelectedNodeDoesNothing();
  void panesReachTheBottomAfterAResize();
};

void TestPrivileges::treeOfModule_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<QString>("children");
  QTest::newRow("single-record module; the item named like Add is one node")
      << "Customers" << kCustomersBrowse;
  QTest::newRow("master-detail module: View first, Print of View last")
      << "SalesBills"
      << "SalesBills-View-Browse,SalesBills-Add-Browse,SalesBills-Modify-Browse,"
         "SalesBills-Delete-Browse,SalesBills-Refresh-Browse,SalesBills-Query-Browse,"
         "SalesBills-Print-Browse,SalesBills-Print-View";
  QTest::newRow("custom Browse and Add toolbars by ButtonIndex, then extra items")
      << "Orders"
      << "Orders-Refund-Browse,Orders-Approve-Browse,Orders-Save-Add,Orders-Export-Browse";
  QTest::newRow("menu with entries below it") << "mnuSales"
                                              << "SalesBills,Orders";
  QTest::newRow("tool entry") << "mnuToolsUser"
                              << "";
  QTest::newRow("separator") << "mnuFileBar0"
                             << "";
}

void TestPrivileges::treeOfModule() {
  QFETCH(QString, node);
  QFETCH(QString, children);
  Privileges db;
  rd::ModuleTree tree;
  QVERIFY(tree.Read(true));
  QCOMPARE(ChildKeys(tree, node), children);

  rd::ModuleTree menuOnly;
  QVERIFY(menuOnly.Read(false));
  QCOMPARE(ChildKeys(menuOnly, node), node == "mnuSales" ? children : QString());
}

void TestPrivileges::brokenMenuRowsAreSkipped() {
  Privileges db;
  QVERIFY(rd::DbConnection->Execute("drop table tblMenu"));
  QVERIFY(rd::DbConnection->Execute(
      "create table tblMenu (ID text, MenuIndex integer, [Language] text, Parent text,"
      " FormTemplateName text, BrowseToolbar text, ViewToolbar text, AddToolbar text,"
      " ModifyToolbar text)"));
  QVERIFY(rd::DbConnection->Execute(
      "insert into tblMenu (ID, MenuIndex, [Language], Parent) values"
      " ('top', 1, 'Top', '0'), ('Dup', 1, 'First', 'top'), ('DUP', 2, 'Second', 'top'),"
      " ('below', 1, 'Below', 'dup'), ('top', 3, 'Top again', 'below'), ('0', 4, 'Bar', '0'),"
      " ('a', 1, 'A', 'b'), ('b', 1, 'B', 'a'), (NULL, 1, 'No key', 'top')"));
  rd::ModuleTree tree;
  QVERIFY(tree.Read(true));
  QStringList keys;
  for (const rd::ModuleTree::Node& n : tree.Nodes()) keys << n.parentKey + ">" + n.key;
  QCOMPARE(keys.join(' '), QString(">top top>Dup Dup>below"));

  rd::frmPrivilege w;
  QCOMPARE(w.lvDetail()->NodeCount(), 3);
}

void TestPrivileges::checksPropagate() {
  Privileges db;
  rd::frmPrivilege w;
  SelectUser(w, "O'Brien");
  rd::TreeView& tree = *w.lvDetail();
  QCOMPARE(CheckedKeys(tree), QString("Items"));

  UserChecks(tree, "mnuBasic", true);
  for (const char* key : {"Customers", "Customers-Print-Browse", "Units-Add-Browse"})
    QVERIFY2(tree.Node(key)->Checked(), key);
  UserChecks(tree, "Customers-Print-Browse", false);
  QVERIFY(tree.Node("Customers")->Checked());
  QVERIFY(tree.Node("mnuBasic")->Checked());
  UserChecks(tree, "mnuBasic", false);
  QCOMPARE(CheckedKeys(tree), QString());

  UserChecks(tree, "SalesBills-Print-View", true);
  QCOMPARE(CheckedKeys(tree), QString("mnuSales,SalesBills,SalesBills-Print-View"));
  Click(w, "InverseSel");
  QVERIFY(!tree.Node("SalesBills")->Checked());
  QVERIFY(tree.Node("SalesBills-Add-Browse")->Checked());

  // Unsaved checks are dropped when another user is picked.
  SelectUser(w, "admin");
  SelectUser(w, "O'Brien");
  QCOMPARE(CheckedKeys(tree), QString("Items"));
  QVERIFY(db.ui->boxes.isEmpty());
}

void TestPrivileges::grantedIsWhatTheBuildersShow() {
  Privileges db;
  {
    rd::frmPrivilege w;
    w.setWindowTitle("Privileges");
    SelectUser(w, "O'Brien");
    rd::TreeView& tree = *w.lvDetail();
    UserChecks(tree, "Items", false);
    for (const char* key : {"Customers-Add-Browse", "Customers-Modify-Browse",
                            "Orders-Approve-Browse", "Orders-Export-Browse", "Orders-Save-Add"})
      UserChecks(tree, key, true);
    Click(w, "Save");
    QCOMPARE(db.ui->texts(), QStringList{rd::GetLangString(1050)});
    QCOMPARE(db.ui->boxes[0].title, QString("Privileges"));
  }
  QCOMPARE(Privileges::GrantsOf("O'Brien"),
           QString("Customers,Customers-Add-Browse,Customers-Modify-Browse,mnuBasic,mnuSales,"
                   "Orders,Orders-Approve-Browse,Orders-Export-Browse,Orders-Save-Add"));

  Login("O'Brien", false);
  ToolbarHost host;
  QCOMPARE(host.Keys("Customers", "Browse"), QString("Add,Modify,Close"));
  QCOMPARE(host.Keys("Orders", "Browse"), QString("Approve,Close"));
  QCOMPARE(host.Keys("Orders", "Add"), QString("Save,Close"));
  QCOMPARE(host.Keys("Items", "Browse"), QString("Close"));

  auto* main = new rd::frmMain;
  const rd::cMenus& menus = *main->Menus();
  for (const char* key : {"mnuBasic", "Customers", "mnuSales", "Orders"})
    QVERIFY2(menus.ItemEnabled(key), key);
  for (const char* key : {"Items", "Units", "SalesBills", "mnuTools", "mnuToolsPri"})
    QVERIFY2(!menus.ItemEnabled(key), key);
  delete main;
}

void TestPrivileges::failedSaveKeepsTheOldRows() {
  Privileges db;
  QVERIFY(rd::DbConnection->Execute(
      "create trigger refuseUnits before insert on tblPrivilege when new.ModuleID='Units'"
      " begin select raise(abort, 'Units refused'); end"));
  rd::frmPrivilege w;
  SelectUser(w, "O'Brien");
  UserChecks(*w.lvDetail(), "Customers-Add-Browse", true);
  UserChecks(*w.lvDetail(), "Units", true);
  Click(w, "Save");
  QCOMPARE(db.ui->boxes.size(), 1);
  QCOMPARE(db.ui->boxes[0].icon, rd::MsgIcon::Critical);
  QVERIFY2(db.ui->boxes[0].text.contains("Units refused"), qPrintable(db.ui->boxes[0].text));
  QCOMPARE(Privileges::GrantsOf("O'Brien"), QString("items"));
  QCOMPARE(rd::DbConnection->TransactionDepth(), 0);
}

void TestPrivileges::unreadGrantsAreNotSavedAsNone() {
  Privileges db;
  rd::frmPrivilege w;
  QVERIFY(rd::DbConnection->Execute("alter table tblPrivilege rename to tblPrivilegeAway"));
  SelectUser(w, "O'Brien");
  QCOMPARE(db.ui->boxes.size(), 1);
  QCOMPARE(CheckedKeys(*w.lvDetail()), QString());
  QVERIFY(rd::DbConnection->Execute("alter table tblPrivilegeAway rename to tblPrivilege"));
  Click(w, "Save");
  QCOMPARE(Privileges::GrantsOf("O'Brien"), QString("items"));
  QVERIFY(w.lvDetail()->Node("Items")->Checked());
}

void TestPrivileges::administratorHoldsEverything_data() {
  QTest::addColumn<QString>("user");
  QTest::addColumn<bool>("admin");
  QTest::newRow("administrator") << "admin" << true;
  QTest::newRow("empty mark is no administrator") << "blank" << false;
}

void TestPrivileges::administratorHoldsEverything() {
  QFETCH(QString, user);
  QFETCH(bool, admin);
  Privileges db;
  rd::frmPrivilege w;
  SelectUser(w, user);
  rd::TreeView& tree = *w.lvDetail();
  QCOMPARE(w.IsAdministrator(), admin);
  auto all = [&](bool checked) {
    for (int i = 1; i <= tree.NodeCount(); ++i)
      if (tree.NodeAt(i)->Checked() != checked) return false;
    return true;
  };
  QVERIFY(all(admin));

  for (const char* key : {"Deselect", "InverseSel", "SelectAll", "Save"}) Click(w, key);
  const QString refused = rd::GetLangString(1063);
  QCOMPARE(db.ui->texts(), admin ? QStringList(4, refused) : QStringList{rd::GetLangString(1050)});
  QCOMPARE(Privileges::GrantsOf(user).isEmpty(), admin);

  // A click on a check box, then Space on a node: an administrator's tree
  // shows every privilege checked after each.
  UserChecks(tree, "mnuBasic", false);
  QCOMPARE(tree.Node("Customers-Add-Browse")->Checked(), admin);
  QCOMPARE(all(true), admin);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  tree.setFocus();
  tree.setCurrentItem(tree.Node("Customers"));
  const bool before = tree.Node("Customers")->Checked();
  QTest::keyClick(&tree, Qt::Key_Space);
  QCOMPARE(tree.Node("Customers")->Checked(), admin || !before);
  QCOMPARE(tree.Node("Customers-Add-Browse")->Checked(), admin || !before);
  QCOMPARE(all(true), admin);
}

void TestPrivileges::refreshKeepsTheChosenUser() {
  Privileges db;
  rd::frmPrivilege w;
  SelectUser(w, "O'Brien");
  QVERIFY(w.trvModule()->Row() > 1);
  Click(w, "Refresh");
  QCOMPARE(w.UserName(), QString("O'Brien"));
  QCOMPARE(w.trvModule()->TextMatrix(w.trvModule()->Row(), 2), QString("O'Brien"));
  QVERIFY(w.lvDetail()->Node("Items")->Checked());
  // A user deleted meanwhile gives way to the first row.
  QVERIFY(rd::DbConnection->Execute("delete from tblUser where UserName='O''Brien'"));
  Click(w, "Refresh");
  QCOMPARE(w.trvModule()->Row(), 1);
  QCOMPARE(w.UserName(), w.trvModule()->TextMatrix(1, 2));
}

void TestPrivileges::itemGrid_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<QString>("rows");
  QTest::newRow("single-record module")
      << "Customers"
      << "1|Add|Add|Browse|Auto;1|Modify|Modify|Browse|Auto;1|Delete|Delete|Browse|Auto;"
         "1|Refresh|Refresh|Browse|Auto;1|Query|Query|Browse|Auto;1|Print|Print|Browse|Auto;"
         "0|add|named like a standard button|Browse|Custom";
  QTest::newRow("master-detail module")
      << "SalesBills"
      << "1|View|View|Browse|Auto;1|Add|Add|Browse|Auto;1|Modify|Modify|Browse|Auto;"
         "1|Delete|Delete|Browse|Auto;1|Refresh|Refresh|Browse|Auto;1|Query|Query|Browse|Auto;"
         "1|Print|Print|Browse|Auto;1|Print|Print|View|Auto";
  QTest::newRow("custom toolbars")
      << "Orders"
      << "1|Refund|Refund|Browse|Auto;1|Approve|Approve|Browse|Auto;1|Save|Save|Add|Auto;"
         "0|Export|Export the list|Browse|Custom;0|approve|named like the button|Browse|Custom";
  QTest::newRow("menu with entries below it") << "mnuSales"
                                              << "";
  QTest::newRow("tool entry") << "mnuToolsUser"
                              << "";
  QTest::newRow("separator") << "mnuFileBar0"
                             << "";
}

void TestPrivileges::itemGrid() {
  QFETCH(QString, node);
  QFETCH(QString, rows);
  Privileges db;
  ItemList w;
  w.Pick(node);
  QCOMPARE(w.Rows(), rows);
  QCOMPARE(w.trvModule()->TextMatrix(0, 1), rd::GetLangString(1118));
  QVERIFY(w.trvModule()->ColHidden(0));
}

void TestPrivileges::editorModes_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<QString>("modes");
  QTest::newRow("single-record module") << "Customers"
                                        << "Browse,Add,Modify";
  QTest::newRow("master-detail module") << "SalesBills"
                                        << "Browse,View,Add,Modify";
}

void TestPrivileges::editorModes() {
  QFETCH(QString, node);
  QFETCH(QString, modes);
  Privileges db;
  ItemList w;
  w.Pick(node);
  QStringList shown;
  w.onEditor = [&](rd::frmPrivilegeEdit& e) {
    for (int i = 0; i < e.cboMode()->count(); ++i) shown << e.cboMode()->itemText(i);
    QCOMPARE(e.cboMode()->currentText(), QString("Browse"));
    QCOMPARE(e.windowTitle(), QString("Privilege Items - Add"));
  };
  Click(w, "Add");
  QCOMPARE(w.editorsShown, 1);
  QCOMPARE(shown.join(','), modes);
}

void TestPrivileges::addModifyDeleteItems() {
  Privileges db;
  ItemList w;
  w.Pick("Orders");
  const QString quoted = "O'Neil's report";

  w.onEditor = [&](rd::frmPrivilegeEdit& e) {
    e.txtName()->setText(quoted);
    e.txtDesc()->setText("it's his");
    e.cboMode()->setCurrentText("Add");
    e.cmdSave()->click();
  };
  Click(w, "Add");
  QVERIFY(w.RowOf(quoted) > 0);

  w.trvModule()->SetRow(w.RowOf("Approve"));
  Click(w, "Modify");
  QCOMPARE(w.editorsShown, 1);
  QCOMPARE(db.ui->texts(), QStringList{rd::GetLangString(1099)});

  w.trvModule()->SetRow(w.RowOf(quoted));
  w.onEditor = [&](rd::frmPrivilegeEdit& e) {
    QCOMPARE(e.txtName()->text(), quoted);
    QVERIFY(e.txtName()->isReadOnly());
    QCOMPARE(e.txtDesc()->text(), QString("it's his"));
    QCOMPARE(e.cboMode()->currentText(), QString("Add"));
    e.txtDesc()->setText("");
    e.cboMode()->setCurrentText("Modify");
    e.cmdSave()->click();
  };
  Click(w, "Modify");
  QCOMPARE(w.editorsShown, 2);
  QCOMPARE(Privileges::Column("select PriDesc || '/' || Mode from tblPrivilegeID where PriName=" +
                              rd::SqlLiteral(quoted)),
           QString("/Modify"));

  db.ui->boxes.clear();
  db.ui->answers = {rd::MsgResult::Cancel, rd::MsgResult::Ok};
  w.SelectRows({w.RowOf("Refund"), w.RowOf(quoted), w.RowOf("Export")});
  Click(w, "Delete");
  QVERIFY(w.RowOf(quoted) > 0);
  w.SelectRows({w.RowOf("Refund"), w.RowOf(quoted), w.RowOf("Export")});
  Click(w, "Delete");
  QCOMPARE(db.ui->texts(), QStringList(2, rd::GetLangString(1023)));
  QCOMPARE(Privileges::Column("select PriName from tblPrivilegeID where MenuID='Orders'"),
           QString("approve"));
  QVERIFY(w.RowOf("Refund") > 0);
  QCOMPARE(w.RowOf(quoted), -1);
}

void TestPrivileges::failedDeleteKeepsEveryItem() {
  Privileges db;
  QVERIFY(rd::DbConnection->Execute(
      "create trigger keepExport before delete on tblPrivilegeID when old.PriName='Export'"
      " begin select raise(abort, 'Export kept'); end"));
  ItemList w;
  w.Pick("Orders");
  w.SelectRows({w.RowOf("approve"), w.RowOf("Export")});
  Click(w, "Delete");
  QCOMPARE(db.ui->boxes.size(), 2);  // the question, then the refusal
  QVERIFY2(db.ui->boxes[1].text.contains("Export kept"), qPrintable(db.ui->boxes[1].text));
  QCOMPARE(Privileges::Column("select count(*) from tblPrivilegeID where MenuID='Orders'"),
           QString("2"));
  QCOMPARE(rd::DbConnection->TransactionDepth(), 0);
}

// A single-record module offers no View mode; a stored item in that mode
// saved unchanged keeps it.
void TestPrivileges::storedModeTheListLacksIsKept() {
  Privileges db;
  QVERIFY(rd::DbConnection->Execute(
      "insert into tblPrivilegeID values ('Customers', 'Peek', 'looks', 'View')"));
  ItemList w;
  w.Pick("Customers");
  w.trvModule()->SetRow(w.RowOf("Peek"));
  w.onEditor = [&](rd::frmPrivilegeEdit& e) {
    QCOMPARE(e.cboMode()->currentText(), QString("View"));
    e.cmdSave()->click();
  };
  Click(w, "Modify");
  QCOMPARE(w.editorsShown, 1);
  QCOMPARE(Privileges::Column("select Mode from tblPrivilegeID where PriName='Peek'"),
           QString("View"));
}

void TestPrivileges::noSelectedNodeDoesNothing() {
  Privileges db;
  ItemList w;
  QVERIFY(!w.lvDetail()->SelectedItem());
  for (const char* key : {"Add", "Modify", "Delete"}) Click(w, key);
  QCOMPARE(w.editorsShown, 0);
  QVERIFY(db.ui->boxes.isEmpty());
}

// The splitter reaches past the window's bottom by the room a title bar
// takes, so its panes end at the bottom edge.
void TestPrivileges::panesReachTheBottomAfterAResize() {
  Privileges db;
  rd::frmPrivilege w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  w.resize(640, 480);
  for (const QWidget* pane : {static_cast<QWidget*>(w.trvModule()), static_cast<QWidget*>(w.lvDetail())})
    QCOMPARE(pane->geometry().bottom() + 1, w.height());
}

QTEST_MAIN(TestPrivileges)
#include "tst_privileges.moc"
