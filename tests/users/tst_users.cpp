#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/ini/Ini.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"
#include "support/SampleDatabase.h"
#include "users/frmUser.h"
#include "users/frmUserEdit.h"

namespace {

// The sample database with three users beside the administrator (ID 1).
class Database : public SampleDatabase {
 public:
  Database() {
    for (const char* sql : {
             "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values "
             "('clerk', 'secret', 1, 0)",
             "insert into tblUser (UserName, IsEnable, IsAdmin) values ('O''Brien', 1, 0)",
             "insert into tblUser (UserName, IsEnable, IsAdmin) values ('nobody', 0, 0)",
             "insert into tblPrivilege values ('clerk', 'Customers')",
             "insert into tblPrivilege values ('clerk', 'Customers-Add-Browse')",
             "insert into tblPrivilege values ('O''Brien', 'Customers-Delete-Browse')",
             "insert into tblPrivilege values ('nobody', 'Customers')",
         })
      Exec(sql);
  }
  static QString Value(const QString& sql) {
    rd::Recordset rs;
    if (!rd::OpenRecordset(sql, rs) || rs.Eof()) return QStringLiteral("<none>");
    const QVariant v = rs.Fields(0).Value;
    return v.isNull() ? QStringLiteral("<null>") : v.toString();
  }
  static int Count(const QString& sql) { return Value(sql).toInt(); }
  static QString IniLoginUser() { return rd::Ini::Read(rd::ConfigFile, "System", "LoginUser"); }
  static qlonglong IdOf(const QString& name) {
    return Value("select ID from tblUser where UserName=" + rd::SqlLiteral(name)).toLongLong();
  }
};

// The list window with its editor run by the test instead of shown.
class UserList : public rd::frmUser {
 public:
  std::function<void(rd::frmUserEdit&)> onEditor;
  int editorsShown = 0;
  qlonglong shownId = -1;
  QString shownOldName, shownTitle;

 protected:
  void RunEditor(rd::frmUserEdit& editor) override {
    ++editorsShown;
    shownId = editor.ID();
    shownOldName = editor.OldUserName();
    shownTitle = editor.windowTitle();
    if (onEditor) onEditor(editor);
  }
};

std::unique_ptr<UserList> OpenList() {
  auto w = std::make_unique<UserList>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->setWindowTitle("Users");
  w->RefreshData();
  return w;
}

int RowOf(const rd::FlexGrid& grid, const QString& name) {
  for (int r = 1; r < grid.Rows(); ++r)
    if (grid.TextMatrix(r, 2) == name) return r;
  return -1;
}

void Select(rd::FlexGrid& grid, const QList<int>& rows) {
  grid.selectionModel()->clear();
  for (int row : rows)
    grid.selectionModel()->select(grid.model()->index(row - 1, 1),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Click(rd::frmUser& w, const QString& key) {
  rd::ToolbarButton* button = w.tbrMain()->Button(key);
  QVERIFY2(button, qPrintable(key));
  button->trigger();
}

// The editor in modify mode on the user of that name, its row loaded.
void OpenToModify(rd::frmUserEdit& e, const QString& name) {
  e.SetEditMode(1);
  e.SetID(Database::IdOf(name));
  e.SetOldUserName(name);
  QVERIFY(e.GetData());
}

void Fill(rd::frmUserEdit& e, const QString& name, const QString& password, bool valid,
          bool admin) {
  e.txtUserID()->setText(name);
  e.txtPassword()->setText(password);
  e.chkValid()->setChecked(valid);
  e.chkAdmin()->setChecked(admin);
}

}  // namespace

class TestUsers : public QObject {
  Q_OBJECT
 private slots:
  void listShowsUsersHeadsAndCount();
  void toolbarHasTheFixedButtons();
  void filter_data();
  void filter();
  void badFilterKeepsTheList();
  void deleteSelected_data();
  void deleteSelected();
  void failedDeleteKeepsUserAndPrivileges();
  void modifyOpensSelectedUser();
  void modifyOfVanishedUserRefreshes();
  void addSaves_data();
  void addSaves();
  void refusedNames_data();
  void refusedNames();
  void renameMovesPrivileges_data();
  void renameMovesPrivileges();
  void failedRenameKeepsPrivileges();
  void renameFollowsLoginUser_data();
  void renameFollowsLoginUser();
  void failedNameCheckStopsSave();
  void storedFlagForms_data();
  void storedFlagForms();
  void getDataShowsStoredValues();
  void saveAndAddInModifyModeThenAdds();
  void saveRefreshesTheList();
};

void TestUsers::listShowsUsersHeadsAndCount() {
  Database db;
  auto w = OpenList();
  rd::FlexGrid& grid = *w->vsData();
  QCOMPARE(grid.Rows(), 5);
  QVERIFY(grid.ColHidden(1));
  const QStringList heads = {"ID", "User Name", "Password", "Enabled", "Administrator"};
  for (int c = 1; c <= 5; ++c) {
    QCOMPARE(grid.TextMatrix(0, c), heads[c - 1]);
    QCOMPARE(grid.ColKey(c).isEmpty(), false);
  }
  QCOMPARE(grid.ColKey(2), QString("UserName"));
  QCOMPARE(grid.TextMatrix(RowOf(grid, "clerk"), 3), QString("secret"));
  QCOMPARE(w->stbTemplate()->PanelCount(), 1);
  QCOMPARE(w->stbTemplate()->Panel(1)->Text(), QString("Records: 4"));
}

void TestUsers::toolbarHasTheFixedButtons() {
  Database db;
  auto w = OpenList();
  const QStringList keys = {"Add", "Modify", "Delete", "Refresh", "Query", "Print", "Close"};
  const QStringList captions = {"Add", "Modify", "Delete", "Refresh", "Query", "Print", "Close"};
  QCOMPARE(w->tbrMain()->ButtonCount(), keys.size());
  for (int i = 0; i < keys.size(); ++i) {
    rd::ToolbarButton* b = w->tbrMain()->Button(i + 1);
    QCOMPARE(b->Key(), keys[i]);
    QCOMPARE(b->text(), captions[i]);
    QCOMPARE(b->toolTip(), captions[i]);
    QVERIFY2(!b->icon().isNull(), qPrintable(keys[i]));
  }
  w->InitControl();
  QCOMPARE(w->tbrMain()->ButtonCount(), keys.size());
}

void TestUsers::filter_data() {
  QTest::addColumn<QString>("condition");
  QTest::addColumn<int>("listed");
  QTest::newRow("none") << "" << 4;
  QTest::newRow("admins") << "IsAdmin<>0" << 1;
  QTest::newRow("disabled") << "IsEnable=0" << 1;
  QTest::newRow("quoted name") << "UserName='O''Brien'" << 1;
  QTest::newRow("no match") << "UserName='zz'" << 0;
}

void TestUsers::filter() {
  QFETCH(QString, condition);
  QFETCH(int, listed);
  Database db;
  auto w = OpenList();
  QVERIFY(w->RefreshData(condition));
  QCOMPARE(w->vsData()->Rows() - 1, listed);
  QCOMPARE(w->stbTemplate()->Panel(1)->Text(), QString("Records: %1").arg(listed));
  Click(*w, "Refresh");
  QCOMPARE(w->vsData()->Rows() - 1, 4);
}

void TestUsers::badFilterKeepsTheList() {
  Database db;
  auto w = OpenList();
  QVERIFY(w->RefreshData("IsAdmin<>0"));
  QVERIFY(!w->RefreshData("no such column = 1"));
  QCOMPARE(db.Ui().boxes.size(), 1);
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Critical);
  QCOMPARE(w->vsData()->Rows() - 1, 1);
  QCOMPARE(w->stbTemplate()->Panel(1)->Text(), QString("Records: 1"));
}

void TestUsers::deleteSelected_data() {
  QTest::addColumn<QStringList>("selected");
  QTest::addColumn<bool>("confirm");
  QTest::addColumn<int>("usersLeft");
  QTest::addColumn<int>("privilegesLeft");
  QTest::newRow("nothing selected") << QStringList{} << true << 4 << 4;
  QTest::newRow("cancelled") << QStringList{"clerk"} << false << 4 << 4;
  QTest::newRow("one") << QStringList{"clerk"} << true << 3 << 2;
  QTest::newRow("quoted name and admin")
      << QStringList{"O'Brien", "admin", "nobody"} << true << 1 << 2;
}

void TestUsers::deleteSelected() {
  QFETCH(QStringList, selected);
  QFETCH(bool, confirm);
  QFETCH(int, usersLeft);
  QFETCH(int, privilegesLeft);
  Database db;
  auto w = OpenList();
  QList<int> rows;
  for (const QString& name : selected) rows << RowOf(*w->vsData(), name);
  Select(*w->vsData(), rows);
  db.Ui().answers = {confirm ? rd::MsgResult::Ok : rd::MsgResult::Cancel};
  Click(*w, "Delete");
  QCOMPARE(db.Ui().texts(), QStringList{"Delete the selected records?"});
  QCOMPARE(db.Count("select count(*) from tblUser"), usersLeft);
  QCOMPARE(db.Count("select count(*) from tblPrivilege"), privilegesLeft);
  QCOMPARE(w->vsData()->Rows() - 1, usersLeft);
}

void TestUsers::failedDeleteKeepsUserAndPrivileges() {
  Database db;
  db.Exec(
      "create trigger keepNobody before delete on tblUser when old.UserName='nobody' "
      "begin select raise(abort, 'nobody is kept'); end");
  auto w = OpenList();
  Select(*w->vsData(), {RowOf(*w->vsData(), "nobody"), RowOf(*w->vsData(), "clerk")});
  Click(*w, "Delete");
  QCOMPARE(db.Count("select count(*) from tblPrivilege where UserName='nobody'"), 1);
  QCOMPARE(db.Count("select count(*) from tblUser where UserName='nobody'"), 1);
  QCOMPARE(db.Ui().boxes.size(), 2);
  QVERIFY(db.Ui().boxes[1].text.contains("nobody is kept"));
  QCOMPARE(db.Count("select count(*) from tblPrivilege where UserName='clerk'"), 0);
  QCOMPARE(w->vsData()->Rows() - 1, 3);
}

void TestUsers::modifyOpensSelectedUser() {
  Database db;
  auto w = OpenList();
  Select(*w->vsData(), {});
  QVERIFY(!w->ModifyData());
  QCOMPARE(w->editorsShown, 0);
  Select(*w->vsData(), {RowOf(*w->vsData(), "O'Brien")});
  Click(*w, "Modify");
  QCOMPARE(w->editorsShown, 1);
  QCOMPARE(w->shownId, db.IdOf("O'Brien"));
  QCOMPARE(w->shownOldName, QString("O'Brien"));
  QCOMPARE(w->shownTitle, QString("Users - Add"));
}

void TestUsers::modifyOfVanishedUserRefreshes() {
  Database db;
  auto w = OpenList();
  Select(*w->vsData(), {RowOf(*w->vsData(), "clerk")});
  db.Exec("delete from tblUser where UserName='clerk'");
  QVERIFY(!w->ModifyData());
  QCOMPARE(w->editorsShown, 0);
  QCOMPARE(db.Ui().boxes.size(), 1);
  QVERIFY(db.Ui().boxes[0].text.contains("no longer exists"));
  QCOMPARE(w->vsData()->Rows() - 1, 3);
}

void TestUsers::addSaves_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("password");
  QTest::addColumn<QString>("storedName");
  QTest::addColumn<QString>("storedPassword");
  QTest::newRow("trimmed") << "  bob  " << "  pw 1 " << "bob" << "pw 1";
  QTest::newRow("empty password is null") << "bob" << "   " << "bob" << "<null>";
  QTest::newRow("quote") << "d'Arcy" << "it's" << "d'Arcy" << "it's";
  QTest::newRow("the word null") << "null" << "null" << "null" << "null";
}

void TestUsers::addSaves() {
  QFETCH(QString, name);
  QFETCH(QString, password);
  QFETCH(QString, storedName);
  QFETCH(QString, storedPassword);
  Database db;
  rd::frmUserEdit e;
  Fill(e, name, password, false, true);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 0);
  QCOMPARE(e.result(), int(QDialog::Accepted));
  const QString where = " from tblUser where UserName=" + rd::SqlLiteral(storedName);
  QCOMPARE(db.Value("select [Password]" + where), storedPassword);
  QCOMPARE(db.Value("select IsEnable" + where), QString("0"));
  QCOMPARE(db.Value("select IsAdmin" + where), QString("1"));
}

void TestUsers::refusedNames_data() {
  QTest::addColumn<int>("editMode");
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("message");
  QTest::newRow("blank") << 0 << "" << "   " << "Please enter a user name.";
  QTest::newRow("taken, other case") << 0 << "" << " CLERK " << "already exists";
  QTest::newRow("taken by another user") << 1 << "nobody" << "O'Brien" << "already exists";
  QTest::newRow("NUL") << 0 << "" << QString("a") + QChar(0) + "'b"
                       << rd::GetLangString(1271, ":/shipped/Language/1033.ini");
}

void TestUsers::refusedNames() {
  QFETCH(int, editMode);
  QFETCH(QString, user);
  QFETCH(QString, name);
  QFETCH(QString, message);
  Database db;
  rd::frmUserEdit e;
  e.setWindowTitle("Users - Add");
  e.SetEditMode(editMode);
  if (editMode == 1) {
    e.SetID(db.IdOf(user));
    e.SetOldUserName(user);
    QVERIFY(e.GetData());
  }
  e.show();
  e.txtUserID()->setText(name);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 1);
  QVERIFY2(db.Ui().boxes[0].text.contains(message), qPrintable(db.Ui().boxes[0].text));
  QCOMPARE(db.Ui().boxes[0].title, QString("Users - Add"));
  QVERIFY(e.isVisible());
  QCOMPARE(db.Count("select count(*) from tblUser"), 4);
  if (editMode == 1) QCOMPARE(db.IdOf(user) > 0, true);
}

void TestUsers::renameMovesPrivileges_data() {
  QTest::addColumn<QString>("oldName");
  QTest::addColumn<QString>("newName");
  QTest::addColumn<int>("privileges");
  QTest::newRow("plain") << "clerk" << "cashier" << 2;
  QTest::newRow("quoted") << "O'Brien" << "O'Neil" << 1;
  QTest::newRow("case only") << "clerk" << "Clerk" << 2;
}

void TestUsers::renameMovesPrivileges() {
  QFETCH(QString, oldName);
  QFETCH(QString, newName);
  QFETCH(int, privileges);
  Database db;
  const qlonglong id = db.IdOf(oldName);
  rd::frmUserEdit e;
  e.SetEditMode(1);
  e.SetID(id);
  e.SetOldUserName(oldName);
  QVERIFY(e.GetData());
  e.txtUserID()->setText(newName);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 0);
  QCOMPARE(db.Value(QString("select UserName from tblUser where ID=%1").arg(id)), newName);
  QCOMPARE(db.Count("select count(*) from tblPrivilege where UserName=" + rd::SqlLiteral(newName)),
           privileges);
  QCOMPARE(db.Count("select count(*) from tblPrivilege"), 4);
}

void TestUsers::failedRenameKeepsPrivileges() {
  Database db;
  db.Exec(
      "create trigger keepClerk before update on tblUser when old.UserName='clerk' "
      "begin select raise(abort, 'clerk is kept'); end");
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = "clerk";
  QVERIFY(rd::Ini::Write(rd::ConfigFile, "System", "LoginUser", "clerk"));
  rd::frmUserEdit e;
  e.SetEditMode(1);
  e.SetID(db.IdOf("clerk"));
  e.SetOldUserName("clerk");
  QVERIFY(e.GetData());
  e.show();
  e.txtUserID()->setText("cashier");
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 1);
  QVERIFY(db.Ui().boxes[0].text.contains("clerk is kept"));
  QVERIFY(e.isVisible());
  QCOMPARE(db.Count("select count(*) from tblPrivilege where UserName='clerk'"), 2);
  QCOMPARE(rd::UserInfo->LoginUser, QString("clerk"));
  QCOMPARE(db.IniLoginUser(), QString("clerk"));
}

void TestUsers::renameFollowsLoginUser_data() {
  QTest::addColumn<QString>("loggedIn");
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("newName");
  QTest::addColumn<QString>("loggedInAfter");
  QTest::addColumn<QString>("storedAfter");
  QTest::newRow("the logged-in user") << "clerk" << "clerk" << "cashier" << "cashier"
                                      << "cashier";
  QTest::newRow("stored as typed, other case") << "clerk" << "CLERK" << "cashier" << "cashier"
                                               << "cashier";
  QTest::newRow("case only") << "clerk" << "clerk" << "Clerk" << "Clerk" << "Clerk";
  QTest::newRow("another user") << "admin" << "admin" << "cashier" << "admin" << "admin";
  QTest::newRow("stored only") << "admin" << "clerk" << "cashier" << "admin" << "cashier";
  QTest::newRow("logged in only") << "clerk" << "admin" << "cashier" << "cashier" << "admin";
}

void TestUsers::renameFollowsLoginUser() {
  QFETCH(QString, loggedIn);
  QFETCH(QString, stored);
  QFETCH(QString, newName);
  QFETCH(QString, loggedInAfter);
  QFETCH(QString, storedAfter);
  Database db;
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = loggedIn;
  QVERIFY(rd::Ini::Write(rd::ConfigFile, "System", "LoginUser", stored));
  rd::frmUserEdit e;
  OpenToModify(e, "clerk");
  e.txtUserID()->setText(newName);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 0);
  QCOMPARE(rd::UserInfo->LoginUser, loggedInAfter);
  QCOMPARE(db.IniLoginUser(), storedAfter);
  if (loggedIn == "clerk") QVERIFY(rd::HasPrivilege("Customers-Add-Browse"));
}

void TestUsers::failedNameCheckStopsSave() {
  Database db;
  // Without an ID column the name check fails while an insert would not.
  db.Exec("drop table tblUser");
  db.Exec("create table tblUser (UserName text, [Password] text, IsEnable integer, "
          "IsAdmin integer)");
  rd::frmUserEdit e;
  e.show();
  Fill(e, "bob", "", true, false);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 1);
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Critical);
  QVERIFY2(db.Ui().boxes[0].text.contains("ID"), qPrintable(db.Ui().boxes[0].text));
  QVERIFY(e.isVisible());
  QCOMPARE(db.Count("select count(*) from tblUser"), 0);
}

void TestUsers::storedFlagForms_data() {
  QTest::addColumn<QString>("isEnable");
  QTest::addColumn<QString>("isAdmin");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<bool>("admin");
  QTest::newRow("True, False") << "'True'" << "'False'" << true << false;
  QTest::newRow("-1, True") << "-1" << "'True'" << true << true;
  QTest::newRow("text 1, -1") << "'1'" << "-1" << true << true;
  QTest::newRow("0, 1") << "0" << "1" << false << true;
  QTest::newRow("False, 0") << "'False'" << "0" << false << false;
}

void TestUsers::storedFlagForms() {
  QFETCH(QString, isEnable);
  QFETCH(QString, isAdmin);
  QFETCH(bool, valid);
  QFETCH(bool, admin);
  Database db;
  db.Exec("update tblUser set IsEnable=" + isEnable + ", IsAdmin=" + isAdmin +
          " where UserName='clerk'");
  rd::frmUserEdit e;
  OpenToModify(e, "clerk");
  QCOMPARE(e.chkValid()->isChecked(), valid);
  QCOMPARE(e.chkAdmin()->isChecked(), admin);
  e.cmdSave()->click();
  QCOMPARE(db.Ui().boxes.size(), 0);
  QCOMPARE(db.Value("select IsEnable||IsAdmin from tblUser where UserName='clerk'"),
           QString("%1%2").arg(int(valid)).arg(int(admin)));
}

void TestUsers::getDataShowsStoredValues() {
  Database db;
  rd::frmUserEdit fresh;
  QVERIFY(fresh.txtUserID()->text().isEmpty());
  QVERIFY(fresh.chkValid()->isChecked());
  QVERIFY(!fresh.chkAdmin()->isChecked());
  QCOMPARE(fresh.txtPassword()->echoMode(), QLineEdit::Normal);
  QVERIFY(fresh.cmdAdd()->isDefault());

  rd::frmUserEdit e;
  e.SetEditMode(1);
  e.SetID(db.IdOf("nobody"));
  e.SetOldUserName("nobody");
  QVERIFY(e.GetData());
  QCOMPARE(e.txtUserID()->text(), QString("nobody"));
  QVERIFY(e.txtPassword()->text().isEmpty());
  QVERIFY(!e.chkValid()->isChecked());
  e.cmdSave()->click();
  QCOMPARE(db.Value("select IsEnable from tblUser where UserName='nobody'"), QString("0"));
  QCOMPARE(db.Value("select [Password] from tblUser where UserName='nobody'"), QString("<null>"));
}

void TestUsers::saveAndAddInModifyModeThenAdds() {
  Database db;
  rd::frmUserEdit e;
  e.SetEditMode(1);
  e.SetID(db.IdOf("clerk"));
  e.SetOldUserName("clerk");
  QVERIFY(e.GetData());
  e.show();
  e.chkAdmin()->setChecked(true);
  e.cmdAdd()->click();
  QVERIFY(e.isVisible());
  QCOMPARE(e.EditMode(), 0);
  QVERIFY(e.txtUserID()->text().isEmpty());
  QVERIFY(e.txtPassword()->text().isEmpty());
  QVERIFY(e.chkValid()->isChecked());
  QVERIFY(!e.chkAdmin()->isChecked());
  QCOMPARE(db.Value("select IsAdmin from tblUser where UserName='clerk'"), QString("1"));
  Fill(e, "temp", "", true, false);
  e.cmdAdd()->click();
  QCOMPARE(db.Ui().boxes.size(), 0);
  QCOMPARE(db.Count("select count(*) from tblUser"), 5);
  QCOMPARE(db.Value("select UserName from tblUser where ID=" + QString::number(db.IdOf("clerk"))),
           QString("clerk"));
}

void TestUsers::saveRefreshesTheList() {
  Database db;
  auto w = OpenList();
  QVERIFY(w->RefreshData("IsAdmin<>0"));
  w->onEditor = [](rd::frmUserEdit& e) {
    Fill(e, "newcomer", "x", true, false);
    e.cmdSave()->click();
  };
  Click(*w, "Add");
  QCOMPARE(w->editorsShown, 1);
  QCOMPARE(w->vsData()->Rows() - 1, 5);
  QVERIFY(RowOf(*w->vsData(), "newcomer") > 0);
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
