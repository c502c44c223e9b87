#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "CoreFixture.h"
#include "core/frmChangePwd.h"
#include "core/frmChangeUser.h"
#include "core/frmLockScreen.h"
#include "core/frmLogin.h"
#include "core/frmMain.h"
#include "core/modUser.h"
#include "platform/ini/Ini.h"

using namespace rd;

class TestCoreLogin : public QObject {
  Q_OBJECT
  std::unique_ptr<corefixture::Folder> folder_;
  ScriptedUi* ui_ = nullptr;

  QString iniLoginUser() const { return Ini::Read(ConfigFile, "System", "LoginUser"); }

 private slots:
  void init() {
    folder_ = std::make_unique<corefixture::Folder>();
    QVERIFY(folder_->Ok());
    folder_->Open();
    ui_ = ScriptedUi::Install();
  }
  void cleanup() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Deleting a main window deletes its menus, which are top-level too.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QMainWindow*>(w) || qobject_cast<QDialog*>(w)) windows << w;
    for (const QPointer<QWidget>& w : windows) delete w.data();
    ReleaseGlobals();
    folder_.reset();
    ScriptedUi::Uninstall();
  }

  void checkUser_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("passes");
    QTest::newRow("exact") << "Carol" << "Secret" << true;
    QTest::newRow("case of both ignored") << "cAROL" << "sECRET" << true;
    QTest::newRow("wrong password") << "Carol" << "Secrets" << false;
    QTest::newRow("empty for stored NULL") << "dave" << "" << true;
    QTest::newRow("empty for stored empty") << "erin" << "" << true;
    QTest::newRow("text for stored NULL") << "dave" << "x" << false;
    QTest::newRow("disabled user") << "frank" << "pw" << false;
    QTest::newRow("unknown user") << "zoe" << "" << false;
    QTest::newRow("empty name is not the user null") << "" << "x" << false;
    QTest::newRow("quote in name") << "o'hara" << "" << false;
  }
  void checkUser() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, passes);
    QCOMPARE(CheckUser(user, password), passes);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void checkUserWithoutTableIsFalse() {
    QVERIFY(ExecuteSQL("drop table tblUser"));
    QVERIFY(!CheckUser("Carol", "Secret"));
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].icon, MsgIcon::Critical);
  }

  void setLoginUser_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("admin");
    QTest::newRow("stored spelling") << "CAROL" << true << "Carol" << true;
    QTest::newRow("not admin") << "dave" << true << "dave" << false;
    QTest::newRow("NULL admin flag") << "erin" << true << "erin" << false;
    QTest::newRow("disabled still read") << "frank" << true << "frank" << true;
    QTest::newRow("unknown keeps user") << "zoe" << false << "before" << true;
  }
  void setLoginUser() {
    QFETCH(QString, user);
    QFETCH(bool, found);
    QFETCH(QString, stored);
    QFETCH(bool, admin);
    UserInfo->LoginUser = "before";
    UserInfo->IsAdmin = true;
    QCOMPARE(SetLoginUser(user), found);
    QCOMPARE(UserInfo->LoginUser, stored);
    QCOMPARE(UserInfo->IsAdmin, admin);
  }

  // A disabled row of the same name stored first, then the row under test.
  void flagForms_data() {
    QTest::addColumn<QString>("isEnable");
    QTest::addColumn<QString>("isAdmin");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<bool>("admin");
    QTest::newRow("True") << "'True'" << "'True'" << true << true;
    QTest::newRow("-1") << "-1" << "-1" << true << true;
    QTest::newRow("text 1") << "'1'" << "'True'" << true << true;
    QTest::newRow("False") << "'False'" << "1" << false << false;
    QTest::newRow("0") << "0" << "'True'" << false << false;
  }
  void flagForms() {
    QFETCH(QString, isEnable);
    QFETCH(QString, isAdmin);
    QFETCH(bool, passes);
    QFETCH(bool, admin);
    QVERIFY(ExecuteSQL("insert into tblUser (UserName, [Password], IsEnable, IsAdmin) "
                       "values ('gina', 'pw', 0, 0)"));
    QVERIFY(ExecuteSQL("insert into tblUser (UserName, [Password], IsEnable, IsAdmin) "
                       "values ('gina', 'pw', " + isEnable + ", " + isAdmin + ")"));
    QCOMPARE(CheckUser("gina", "pw"), passes);
    QVERIFY(SetLoginUser("gina"));
    QCOMPARE(UserInfo->IsAdmin, admin);
  }

  void loginOk_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("good, typed spelling kept") << "  CAROL " << " secret " << "" << true;
    QTest::newRow("wrong password") << "Carol" << "nope" << "#1032" << false;
    QTest::newRow("disabled") << "frank" << "pw" << "#1032" << false;
    QTest::newRow("empty name") << "   " << "x" << "#1033" << false;
  }
  void loginOk() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(bool, accepted);
    UserInfo->LoginUser.clear();
    frmLogin login;
    login.SetUserName(user);
    login.SetPassword(password);
    login.Load();
    QCOMPARE(login.windowTitle(), QString("#1034"));
    QCOMPARE(login.Label1->text(), QString("App"));
    QCOMPARE(login.txtUserName->text(), user);
    QVERIFY(login.cmdOK->isDefault());
    login.cmdOK_Click();
    QCOMPARE(ui_->texts().join("|"), message);
    QCOMPARE(login.result() == QDialog::Accepted, accepted);
    QCOMPARE(iniLoginUser(), accepted ? user.trimmed() : QString("admin"));
    QCOMPARE(UserInfo->LoginUser, accepted ? QString("Carol") : QString());
  }

  void loginClosedActsAsCancel_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("cancel") << false;
    QTest::newRow("close box") << true;
  }
  void loginClosedActsAsCancel() {
    QFETCH(bool, byCloseBox);
    frmLogin login;
    login.show();
    if (byCloseBox)
      login.close();
    else
      login.cmdCancel->click();
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QVERIFY(!DbConnection);
    QVERIFY(!UserInfo);
  }

  void lockScreen_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("right, any case") << "SECRET" << "" << true;
    QTest::newRow("wrong") << "x" << "#1032" << false;
  }
  void lockScreen() {
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(bool, unlocked);
    frmLockScreen lock;
    lock.SetUserName("frank");
    lock.Load();
    QCOMPARE(lock.txtUserName->text(), QString("Carol"));
    QVERIFY(lock.txtUserName->isReadOnly());
    QVERIFY(lock.Locked());
    lock.txtPassword->setText(password);
    lock.cmdOK_Click();
    QCOMPARE(ui_->texts().join("|"), message);
    QCOMPARE(lock.Locked(), !unlocked);
    QCOMPARE(lock.result() == QDialog::Accepted, unlocked);
    QCOMPARE(UserInfo->LoginUser, QString("Carol"));
    QCOMPARE(iniLoginUser(), QString("admin"));
  }

  void lockScreenLeftLockedEnds_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("exit") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("close box") << 2;
  }
  void lockScreenLeftLockedEnds() {
    QFETCH(int, how);
    frmLockScreen lock;
    lock.show();
    if (how == 0) lock.cmdCancel->click();
    if (how == 1) QTest::keyClick(&lock, Qt::Key_Escape);
    if (how == 2) lock.close();
    QVERIFY(!lock.Locked());
    QVERIFY(!DbConnection);
    QVERIFY(!UserInfo);
  }

  void lockScreenUnlockedCloseKeepsRunning() {
    frmLockScreen lock;
    lock.show();
    lock.txtPassword->setText("secret");
    lock.cmdOK_Click();
    lock.close();
    QVERIFY(DbConnection);
    QVERIFY(UserInfo);
  }

  void changePassword_data() {
    QTest::addColumn<QString>("oldPwd");
    QTest::addColumn<QString>("newPwd");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QVariant>("stored");
    const QVariant null(QMetaType(QMetaType::QString));
    QTest::newRow("changed") << "secret" << " New " << "New" << "" << QVariant("New");
    QTest::newRow("the word null kept") << "Secret" << "null" << "null" << "" << QVariant("null");
    QTest::newRow("quoted null kept") << "Secret" << "'null'" << "'null'" << ""
                                      << QVariant("'null'");
    QTest::newRow("empty becomes NULL") << "Secret" << "" << "" << "" << null;
    QTest::newRow("wrong old") << "nope" << "a" << "a" << "#1041" << QVariant("Secret");
    QTest::newRow("confirmation in other case") << "Secret" << "abc" << "ABC" << "#1042"
                                                << QVariant("Secret");
  }
  void changePassword() {
    QFETCH(QString, oldPwd);
    QFETCH(QString, newPwd);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QVariant, stored);
    frmChangePwd dialog;
    dialog.setWindowTitle("Change password");
    dialog.txtOldPwd->setText(oldPwd);
    dialog.txtNewPwd->setText(newPwd);
    dialog.txtConfirmPwd->setText(confirm);
    dialog.cmdOK_Click();
    QCOMPARE(ui_->texts().join("|"), message);
    for (const ScriptedUi::Box& box : ui_->boxes) QCOMPARE(box.title, QString("Change password"));
    QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
    const QVariant now = corefixture::StoredPassword("Carol");
    QCOMPARE(now.isNull(), stored.isNull());
    QCOMPARE(now.toString(), stored.toString());
    if (message.isEmpty()) QVERIFY(CheckUser("Carol", newPwd.trimmed()));
  }

  void changePasswordFailureKeepsDialog() {
    QVERIFY(ExecuteSQL("create trigger noChange before update on tblUser "
                       "begin select raise(abort, 'read only users'); end"));
    frmChangePwd dialog;
    dialog.txtOldPwd->setText("Secret");
    dialog.txtNewPwd->setText("a");
    dialog.txtConfirmPwd->setText("a");
    dialog.cmdOK_Click();
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].icon, MsgIcon::Critical);
    QVERIFY(ui_->boxes[0].text.contains("read only users"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(corefixture::StoredPassword("Carol").toString(), QString("Secret"));
  }

  void changeUser() {
    QPointer<frmMain> old = new frmMain;
    old->show();
    old->hide();
    Connection* oldConnection = DbConnection.get();
    auto* dialog = new frmChangeUser;
    dialog->SetUserName("DAVE");
    dialog->show();
    dialog->cmdOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ui_->boxes.isEmpty());
    QVERIFY(!old);
    QVERIFY(DbConnection && DbConnection.get() != oldConnection);
    QCOMPARE(UserInfo->LoginUser, QString("dave"));
    QVERIFY(!UserInfo->IsAdmin);
    QCOMPARE(iniLoginUser(), QString("DAVE"));
    QVERIFY(frmMain::Current() && frmMain::Current()->isVisible());
    QCOMPARE(frmMain::Current()->UserNamePanel()->text(), QString("User: dave"));
    QVERIFY(CheckUser("dave", ""));
    // As at start-up, the new main window fills the screen.
    QWidget* main = frmMain::Current();
    QTRY_COMPARE(main->frameGeometry().size(), main->screen()->availableGeometry().size());
  }

  void changeUserRefusals_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("databaseName");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password") << "Carol" << "x" << "RecordDesk.db" << "#1032";
    QTest::newRow("disabled") << "frank" << "pw" << "RecordDesk.db" << "#1032";
    QTest::newRow("empty name") << "" << "" << "RecordDesk.db" << "#1033";
    QTest::newRow("no new connection") << "dave" << "" << "absent.db" << "#1031";
  }
  void changeUserRefusals() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, databaseName);
    QFETCH(QString, message);
    Ini::Write(ConfigFile, "System", "DataBaseName", databaseName);
    QPointer<frmMain> old = new frmMain;
    Connection* oldConnection = DbConnection.get();
    QPointer<frmChangeUser> dialog = new frmChangeUser;
    dialog->SetUserName(user);
    dialog->SetPassword(password);
    dialog->show();
    dialog->cmdOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(ui_->texts().join("|"), message);
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(old);
    QCOMPARE(DbConnection.get(), oldConnection);
    QCOMPARE(UserInfo->LoginUser, QString("Carol"));
    QCOMPARE(iniLoginUser(), QString("admin"));
    QVERIFY(!QFile::exists(folder_->Program().File("absent.db")));
  }

  void changeUserLeftShowsOldWindow_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("cancel") << false;
    QTest::newRow("close box") << true;
  }
  void changeUserLeftShowsOldWindow() {
    QFETCH(bool, byCloseBox);
    QPointer<frmMain> old = new frmMain;
    QPointer<frmChangeUser> dialog = new frmChangeUser;
    dialog->show();
    if (byCloseBox)
      dialog->close();
    else
      dialog->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QVERIFY(old && old->isVisible());
    QCOMPARE(UserInfo->LoginUser, QString("Carol"));
    QVERIFY(DbConnection);
  }
};

QTEST_MAIN(TestCoreLogin)
#include "tst_login.moc"
