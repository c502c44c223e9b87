#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "CoreFixture.h"
#include "FakeServer.h"
#include "core/CoreWindows.h"
#include "core/DatabaseConnector.h"
#include "core/StartupSteps.h"
#include "core/frmConnect.h"
#include "core/modMain.h"
#include "core/modUser.h"
#include "platform/ini/Ini.h"

using namespace rd;

namespace {

// Records what start-up showed; the login logs the preset user in when asked.
class RecordedSteps : public StartupSteps {
 public:
  bool loginAccepts = false;
  bool loginShown = false, mainShown = false;
  QString presetUser, presetPassword;

  bool ShowConnect() override { return false; }
  bool ShowLogin(const QString& user, const QString& password) override {
    loginShown = true;
    presetUser = user;
    presetPassword = password;
    return loginAccepts;
  }
  void ShowMain() override { mainShown = true; }
};

// The real connection dialog; the login logs in, the main window is noted.
class ConnectingSteps : public StartupSteps {
 public:
  bool mainShown = false;
  bool ShowLogin(const QString&, const QString&) override { return true; }
  void ShowMain() override { mainShown = true; }
};

using Settings = QMap<QString, QString>;

}  // namespace

class TestCoreStartup : public QObject {
  Q_OBJECT
  ScriptedUi* ui_ = nullptr;

 private slots:
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() {
    ReleaseGlobals();
    ScriptedUi::Uninstall();
  }

  void decisions_data() {
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<bool>("loginAccepts");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("loginShown");
    QTest::addColumn<QString>("loggedIn");
    const int running = int(StartupOutcome::Running), failed = int(StartupOutcome::Failed),
              cancelled = int(StartupOutcome::Cancelled);
    const Settings ok{{"ServerType", "ACCESS"}, {"DataBaseName", "RecordDesk.db"}};
    auto with = [&](Settings s, const Settings& more) {
      for (auto it = more.begin(); it != more.end(); ++it) s[it.key()] = it.value();
      return s;
    };
    QTest::newRow("login dialog") << with(ok, {{"AutoLogin", "False"}}) << true << running << ""
                                  << true << "";
    QTest::newRow("login cancelled") << with(ok, {{"AutoLogin", "False"}}) << false << cancelled
                                     << "" << true << "";
    QTest::newRow("auto login, stored spelling")
        << with(ok, {{"AutoLogin", "True"}, {"LoginUser", "CAROL"}, {"LoginPassword", "secret"}})
        << false << running << "" << false << "Carol";
    QTest::newRow("auto login as a number")
        << with(ok, {{"AutoLogin", "-1"}, {"LoginUser", "dave"}, {"LoginPassword", ""}}) << false
        << running << "" << false << "dave";
    QTest::newRow("auto login, wrong password")
        << with(ok, {{"AutoLogin", "true"}, {"LoginUser", "Carol"}, {"LoginPassword", "no"}})
        << true << running << "" << true << "";
    QTest::newRow("auto login, disabled user")
        << with(ok, {{"AutoLogin", "1"}, {"LoginUser", "frank"}, {"LoginPassword", "pw"}}) << true
        << running << "" << true << "";
    QTest::newRow("auto login not a Boolean")
        << with(ok, {{"AutoLogin", "yes"}, {"LoginUser", "dave"}}) << true << running << "" << true
        << "";
    QTest::newRow("auto login missing") << with(ok, {{"AutoLogin", ""}, {"LoginUser", "dave"}})
                                        << true << running << "" << true << "";
    QTest::newRow("lower-case server type")
        << with(ok, {{"ServerType", "access"}}) << true << failed << "#1031" << false << "";
    QTest::newRow("sqlserver in lower case")
        << with(ok, {{"ServerType", "sqlserver"}}) << true << failed << "#1031" << false << "";
    QTest::newRow("no server type") << with(ok, {{"ServerType", ""}}) << true << failed << "#1031"
                                    << false << "";
    QTest::newRow("missing database file") << with(ok, {{"DataBaseName", "absent.db"}}) << true
                                           << failed << "#1031" << false << "";
    QTest::newRow("not a database") << with(ok, {{"DataBaseName", "Config.ini"}}) << true << failed
                                    << "#1031" << false << "";
    QTest::newRow("no server without a connection dialog")
        << with(ok, {{"ServerType", "SQLSERVER"}, {"ServerName", "127.0.0.1,1"}}) << true << failed
        << "#1031" << false << "";
  }
  void decisions() {
    QFETCH(Settings, settings);
    QFETCH(bool, loginAccepts);
    QFETCH(int, outcome);
    QFETCH(QString, message);
    QFETCH(bool, loginShown);
    QFETCH(QString, loggedIn);
    corefixture::Folder folder(settings);
    QVERIFY(folder.Ok());
    RecordedSteps steps;
    steps.loginAccepts = loginAccepts;

    QCOMPARE(int(Main(steps)), outcome);
    QCOMPARE(ui_->texts().join("|"), message);
    for (const ScriptedUi::Box& box : ui_->boxes) QCOMPARE(box.title, QString("App"));
    QCOMPARE(steps.loginShown, loginShown);
    if (loginShown) {
      QCOMPARE(steps.presetUser, settings.value("LoginUser", "admin"));
      QCOMPARE(steps.presetPassword, settings.value("LoginPassword"));
    }
    const bool running = outcome == int(StartupOutcome::Running);
    QCOMPARE(steps.mainShown, running);
    QCOMPARE(DbConnection != nullptr, running);
    QCOMPARE(UserInfo != nullptr, running);
    if (running) QCOMPARE(UserInfo->LoginUser, loggedIn);
    QVERIFY(QFile::exists(folder.Program().DatabasePath()));
    QVERIFY(!QFile::exists(folder.Program().File("absent.db")));
  }

  // A server that refuses the configured database: start-up offers the
  // connection dialog, whose OK connects to the database typed there,
  // keeps it in the settings and goes on to the login.
  void sqlServerThroughTheConnectionDialog() {
    corefixture::Folder folder({{"ServerType", "SQLSERVER"},
                                {"ServerName", "srv"},
                                {"UserID", "sa"},
                                {"Password", "pw"},
                                {"DataBaseName", "Gone"}});
    QVERIFY(folder.Ok());
    fakeserver::Server server;
    server.refusedDatabases << "Gone";
    server.Answer("select * from tblUser", {"UserName", "Password", "IsEnable", "IsAdmin"}, {});
    server.Answer("select * from tblMenu", {"ID", "MenuIndex", "Language", "Parent",
                                            "FormTemplateName"}, {});
    server.Answer("select * from tblPrivilege", {"UserName", "ModuleID"}, {});
    server.Install();
    RegisterCoreWindows();
    bool dialogShown = false;
    QTimer::singleShot(0, [&dialogShown] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* dialog = qobject_cast<frmConnect*>(modal);
      if (!dialog) {
        if (modal) modal->close();
        return;
      }
      dialogShown = true;
      dialog->txtDatabase->setText("Shop");
      dialog->cmdOK->click();
    });
    ConnectingSteps steps;
    const StartupOutcome outcome = Main(steps);
    DatabaseConnector::Install(nullptr);
    QVERIFY(dialogShown);
    QCOMPARE(outcome, StartupOutcome::Running);
    QCOMPARE(server.log.mid(0, 2), (QStringList{"connect srv/sa/pw/Gone", "connect srv/sa/pw/Shop"}));
    QVERIFY(DbConnection);
    QVERIFY(steps.mainShown);
    QCOMPARE(ui_->texts(), QStringList());
    QCOMPARE(GetIniString("System", "DataBaseName", ConfigFile), QString("Shop"));
    DbConnection.reset();  // it talks to this test's server
  }

  void sampleDatabaseAutoLogin() {
    TestProgramFolder folder({{"AutoLogin", "True"}, {"LoginUser", "admin"}, {"LoginPassword", ""}});
    QVERIFY2(folder.Ok(), qPrintable(folder.Error()));
    RecordedSteps steps;
    QCOMPARE(Main(steps), StartupOutcome::Running);
    QVERIFY(!steps.loginShown);
    QCOMPARE(UserInfo->LoginUser, QString("admin"));
    QVERIFY(UserInfo->IsAdmin);
    QVERIFY(!AppTitle.isEmpty());
  }

  void languageFile_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("id");
    const QString system = QString::number(SystemDefaultLcid());
    QTest::newRow("present") << "2052" << "2052.ini" << "2052";
    QTest::newRow("absent") << "1049" << "1033.ini" << "1033";
    QTest::newRow("empty: system") << "" << system + ".ini" << system;
    QTest::newRow("not a number: system") << "chinese" << system + ".ini" << system;
  }
  void languageFile() {
    QFETCH(QString, setting);
    QFETCH(QString, file);
    QFETCH(QString, id);
    TestProgramFolder folder({}, false);
    QFile f(folder.File("Language/2052.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Language]\n1000=Zh\n");
    f.close();
    if (!QFile::exists(folder.File("Language/" + file))) file = "1033.ini", id = "1033";
    QCOMPARE(GetLanguageFile(setting), folder.File("Language/" + file));
    QCOMPARE(LanguageID, id);
  }

  // A language file that cannot be opened falls back to the English texts
  // built into the program, and start-up says so once.
  void damagedLanguageFile_data() {
    QTest::addColumn<QByteArray>("content");  // "dir" makes a folder of that name
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("a folder") << QByteArray("dir");
  }
  void damagedLanguageFile() {
    QFETCH(QByteArray, content);
    corefixture::Folder folder({{"ServerType", "ACCESS"}, {"DataBaseName", "RecordDesk.db"}});
    const QString path = folder.Program().File("Language/1033.ini");
    QFile::remove(path);
    if (content == "dir") {
      QVERIFY(QDir().mkpath(path));
    } else if (!content.isNull()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(content);
    }
    QString unreadable;
    QCOMPARE(GetLanguageFile("1033", &unreadable), QString(":/shipped/Language/1033.ini"));
    QCOMPARE(unreadable, path);
    QCOMPARE(GetLangString(1014, ":/shipped/Language/1033.ini"), QString("Add"));

    RecordedSteps steps;
    steps.loginAccepts = true;
    QCOMPARE(Main(steps), StartupOutcome::Running);
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].title, QString("RecordDesk"));
    QCOMPARE(ui_->boxes[0].text, "The language file " + path +
                                     " cannot be read. The program shows its own English texts.");
  }

  // A chosen file that opens stays the language, whatever it lacks: the
  // program's own messages it lacks read the built-in English and are
  // counted once at start-up; the other keys keep their empty text.
  void languageFileLackingTexts_data() {
    QTest::addColumn<QByteArray>("content");
    QFile shipped(":/shipped/Language/1033.ini");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray all = shipped.readAll();
    QTest::newRow("cut in half") << all.left(all.size() / 2);
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("not an INI file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  }
  void languageFileLackingTexts() {
    QFETCH(QByteArray, content);
    corefixture::Folder folder({{"ServerType", "ACCESS"},
                                {"DataBaseName", "RecordDesk.db"},
                                {"Language", "2052"}});
    const QString path = folder.Program().File("Language/2052.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    const QString shipped = ":/shipped/Language/1033.ini";
    const QStringList missing = MissingMessageKeys(path);
    QVERIFY(!missing.isEmpty() && missing.contains("1277"));

    RecordedSteps steps;
    steps.loginAccepts = true;
    QCOMPARE(Main(steps), StartupOutcome::Running);
    QCOMPARE(LanguageFile, path);
    QCOMPARE(LanguageID, QString("2052"));
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].text,
             ReplaceParams(GetLangString(1279, shipped), {path, QString::number(missing.size())}));
    QCOMPARE(GetLangString(1277), GetLangString(1277, shipped));
    QVERIFY(!GetLangString(1277).isEmpty());
    QCOMPARE(GetLangString(1004), GetLangString(1004, shipped));
    QVERIFY(!GetLangString(1004).isEmpty());
  }

  // A database that lacks what start-up reads is named, once, and nobody
  // logs in; without a password column not even with an empty password.
  void damagedDatabase_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("no users") << "drop table tblUser" << "#1273";
    QTest::newRow("no password column") << "alter table tblUser drop column [Password]" << "#1274";
    QTest::newRow("no menu parent") << "alter table tblMenu drop column Parent" << "#1274";
    QTest::newRow("no privileges") << "drop table tblPrivilege" << "#1273";
  }
  void damagedDatabase() {
    QFETCH(QString, damage);
    QFETCH(QString, message);
    corefixture::Folder folder({{"ServerType", "ACCESS"},
                                {"DataBaseName", "RecordDesk.db"},
                                {"AutoLogin", "True"},
                                {"LoginUser", "erin"},
                                {"LoginPassword", ""}});
    {
      auto db = Connection::OpenSqlite(folder.Program().DatabasePath());
      QVERIFY(db && db->Execute(damage));
    }
    RecordedSteps steps;
    steps.loginAccepts = true;
    QCOMPARE(Main(steps), StartupOutcome::Failed);
    QCOMPARE(ui_->texts(), QStringList{message});
    QCOMPARE(ui_->boxes[0].title, QString("App"));
    QVERIFY(!steps.loginShown && !steps.mainShown);
    QVERIFY(!UserInfo);
  }

  void noPasswordColumnLetsNobodyIn() {
    corefixture::Folder folder;
    folder.Open();
    QVERIFY(DbConnection->Execute("alter table tblUser drop column [Password]"));
    QVERIFY(!CheckUser("erin", ""));
    QVERIFY(!CheckUser("dave", ""));
  }

  void iniValues_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("NUL, CR and blanks trimmed") << QByteArray("K=  v a \0\0\r", 12) << "v a";
    QTest::newRow("key case ignored") << QByteArray("k=x") << "x";
    QTest::newRow("long value cut") << QByteArray("K=") + QByteArray(300, 'z')
                                    << QString(254, 'z');
  }
  void iniValues() {
    QFETCH(QByteArray, line);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QFile f(dir.filePath("a.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Sec]\r\n" + line + "\r\n");
    f.close();
    QCOMPARE(GetIniString("sec", "K", f.fileName()), value);
    QCOMPARE(GetIniString("Sec", "Absent", f.fileName()), QString(""));
    QCOMPARE(GetIniString("Sec", "K", dir.filePath("absent.ini")), QString(""));
  }

  void trimming() {
    QString s = QString(" \r\n\ta\t") + QChar(0) + " ";
    QCOMPARE(TrimAll(s), QString("\ta\t"));
    QCOMPARE(s, QString("\ta\t"));
    QCOMPARE(TrimLeft(QString("  x  ")), QString("x  "));
    QCOMPARE(TrimRight(QString("  x  ")), QString("  x"));
    QCOMPARE(TrimAll(QString()), QString());
  }

  void replaceParams_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two") << "@2 after @1, @1" << QStringList{"3", "7"} << "7 after 3, 3";
    QTest::newRow("cascade") << "@1" << QStringList{"a@2", "b"} << "ab";
    QTest::newRow("none") << "no place" << QStringList{"x"} << "no place";
  }
  void replaceParams() {
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceParams(text, values), expected);
  }
};

QTEST_MAIN(TestCoreStartup)
#include "tst_startup.moc"
