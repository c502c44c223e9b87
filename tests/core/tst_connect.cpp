#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "CoreFixture.h"
#include "FakeServer.h"
#include "core/CoreWindows.h"
#include "core/DatabaseConnector.h"
#include "core/WindowRegistry.h"
#include "core/frmConnect.h"
#include "core/modBackup.h"
#include "platform/ini/Ini.h"
#include "platform/ui/Twips.h"

using namespace rd;

class tst_connect : public QObject {
  Q_OBJECT

  std::unique_ptr<corefixture::Folder> folder_;
  ScriptedUi* ui_ = nullptr;
  fakeserver::Server server_;

  void Start(const QString& serverType = "SQLSERVER") {
    folder_ =
        std::make_unique<corefixture::Folder>(QMap<QString, QString>{{"ServerType", serverType},
                                                                     {"ServerName", "srv"},
                                                                     {"UserID", "sa"},
                                                                     {"Password", "pw"},
                                                                     {"DataBaseName", "Shop"}});
    QVERIFY(folder_->Ok());
    folder_->Open();
    DbConnection.reset();
    ServerType = "SQLSERVER";
    LanguageID = "2052";
    ui_ = ScriptedUi::Install();
    server_ = fakeserver::Server();
    server_.Install();
  }
  QString Setting(const QString& key) { return Ini::Read(ConfigFile, "System", key); }
  QStringList Settings() {
    return {Setting("ServerName"), Setting("UserID"), Setting("Password"), Setting("DataBaseName")};
  }
  static void Type(frmConnect& d, const QStringList& texts) {
    d.txtServerName->setText(texts[0]);
    d.txtUserID->setText(texts[1]);
    d.txtPassword->setText(texts[2]);
    d.txtDatabase->setText(texts[3]);
  }

 private slots:
  void cleanup() {
    DatabaseConnector::Install(nullptr);
    ReleaseGlobals();
    ScriptedUi::Uninstall();
    folder_.reset();
  }

  void loads() {
    Start();
    frmConnect d;
    QCOMPARE(d.windowTitle(), QString("#1064"));
    QCOMPARE(QStringList({d.lblServerName->text(), d.lblUserID->text(), d.lblPassword->text(),
                          d.lblDatabase->text(), d.cmdOK->text(), d.cmdCancel->text(),
                          d.cmdCreateDB->text()}),
             QStringList({"#1065", "#1066", "#1067", "#1068", "#1038", "#1039", "#1114"}));
    QCOMPARE(QStringList({d.txtServerName->text(), d.txtUserID->text(), d.txtPassword->text(),
                          d.txtDatabase->text()}),
             QStringList({"srv", "sa", "pw", "Shop"}));
    QCOMPARE(d.txtPassword->echoMode(), QLineEdit::Password);
    d.ensurePolished();
    QCOMPARE(d.txtPassword->displayText(), QString("**"));  // as the other dialogs show it
    QVERIFY(d.cmdOK->isDefault());
    QVERIFY(d.lblServerName->font().bold());
    QCOMPARE(d.txtDatabase->geometry(), Twips::ToPx(1440, 2040, 3015, 375));
    QCOMPARE(d.size(), QSize(Twips::ToPx(5280), Twips::ToPx(3195)));
    QList<QWidget*> order{d.txtServerName};
    for (QWidget* w = d.txtServerName->nextInFocusChain(); order.size() < 7;
         w = w->nextInFocusChain())
      if (w->focusPolicy() & Qt::TabFocus) order << w;
    QCOMPARE(order, QList<QWidget*>({d.txtServerName, d.txtUserID, d.txtPassword, d.txtDatabase,
                                     d.cmdOK, d.cmdCancel, d.cmdCreateDB}));
  }

  void ok_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("connected");
    QTest::addColumn<QStringList>("saved");
    QTest::newRow("trimmed, blank password empty")
        << QStringList{" srv2 ", " sa ", "   ", " Shop "} << false << "connect srv2/sa//Shop"
        << QStringList{"srv2", "sa", "", "Shop"};
    QTest::newRow("refused: nothing saved")
        << QStringList{"bad", "sa", "x", "Shop"} << true << "connect bad/sa/x/Shop"
        << QStringList{"srv", "sa", "pw", "Shop"};
  }
  void ok() {
    QFETCH(QStringList, typed);
    QFETCH(bool, refused);
    QFETCH(QString, connected);
    QFETCH(QStringList, saved);
    Start();
    if (refused) server_.refusedDatabases << "Shop";
    frmConnect d;
    d.show();
    Type(d, typed);
    d.cmdOK->click();
    QCOMPARE(server_.log, QStringList{connected});
    QCOMPARE(Settings(), saved);
    QCOMPARE(bool(DbConnection), !refused);
    QCOMPARE(d.result(), refused ? int(QDialog::Rejected) : int(QDialog::Accepted));
    QCOMPARE(d.isVisible(), refused);
    QCOMPARE(ui_->texts(), refused ? QStringList{"#1031"} : QStringList());
    if (refused) QCOMPARE(ui_->boxes[0].icon, MsgIcon::Exclamation);
  }

  // Leaving without a successful OK never leaves a connection behind, even
  // one a creation left on "master".
  void leavingDropsConnection_data() {
    QTest::addColumn<bool>("viaCloseBox");
    QTest::newRow("cancel") << false;
    QTest::newRow("close box") << true;
  }
  void leavingDropsConnection() {
    QFETCH(bool, viaCloseBox);
    Start();
    frmConnect d;
    d.show();
    d.cmdCreateDB->click();
    QVERIFY2(DbConnection, "the creation left a connection on master");
    if (viaCloseBox)
      d.close();
    else
      d.cmdCancel->click();
    QVERIFY(!DbConnection);
    QVERIFY(!d.isVisible());
    QCOMPARE(Settings(), QStringList({"srv", "sa", "pw", "Shop"}));
  }

  void createDatabase_data() {
    QTest::addColumn<QString>("serverType");
    QTest::addColumn<int>("confirm");
    QTest::addColumn<QString>("refused");  // a database or statement the server refuses
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("statements");  // how much of the sequence ran
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("result");
    const int ok = int(MsgResult::Ok);
    QTest::newRow("created") << "SQLSERVER" << ok << "" << false << 7
                             << QStringList{"#1109", "#1111"} << true;
    QTest::newRow("not confirmed") << "SQLSERVER" << int(MsgResult::Cancel) << "" << false << 0
                                   << QStringList{"#1109"} << false;
    QTest::newRow("database file type")
        << "ACCESS" << ok << "" << false << 0 << QStringList{"#1109"} << true;
    QTest::newRow("no master") << "SQLSERVER" << ok << "master" << false << 1
                               << QStringList{"#1109", "#1031"} << false;
    QTest::newRow("exists already")
        << "SQLSERVER" << ok << "" << true << 2 << QStringList{"#1109", "#1110"} << false;
    QTest::newRow("restore refused") << "SQLSERVER" << ok << "restore  database" << false << 7
                                     << QStringList{"#1109", "refused: restore  database"} << false;
  }
  void createDatabase() {
    QFETCH(QString, serverType);
    QFETCH(int, confirm);
    QFETCH(QString, refused);
    QFETCH(bool, exists);
    QFETCH(int, statements);
    QFETCH(QStringList, messages);
    QFETCH(bool, result);
    Start(serverType);
    if (!refused.isEmpty()) {
      server_.refusedDatabases << refused;
      server_.refusedStatements << refused;
    }
    if (exists) server_.Answer("select 1 from sysdatabases", {"x"}, {{1}});
    server_.Answer("select filename from sysfiles", {"filename"}, {{"C:\\Data\\master.mdf"}});
    server_.Answer("restore filelistonly", {"LogicalName", "PhysicalName"},
                   {{"Tmpl_Data", "T.mdf"}, {"Tmpl_Log", "T.ldf"}});
    frmConnect d;
    Type(d, {" srv ", "sa", " pw ", " New'Shop "});
    ui_->answers << MsgResult(confirm);

    QCOMPARE(CreateDatabase(d), result);

    const QString tmpl = folder_->Program().File("Database/SQLSERVER/1033.bak");
    const QStringList sequence{
        "connect srv/sa/pw/master",
        "select 1 from sysdatabases  where name='New''Shop'",
        "select filename from sysfiles",
        "select spid from  sysprocesses where  dbid=db_id('New''Shop')",
        "restore filelistonly from disk='" + tmpl + "'",
        "restore  database [New'Shop] from   disk='" + tmpl +
            "' with REPLACE ,move 'Tmpl_Data' to 'C:\\Data\\New''Shop.mdf',move 'Tmpl_Log' to "
            "'C:\\Data\\New''Shop.ldf'"};
    QCOMPARE(server_.log, sequence.mid(0, statements));
    QCOMPARE(ui_->texts().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
      QVERIFY2(ui_->texts()[i].startsWith(messages[i]), qPrintable(ui_->texts()[i]));
    for (const auto& box : ui_->boxes) QCOMPARE(box.title, AppTitle);
    if (exists) QCOMPARE(ui_->boxes.last().icon, MsgIcon::Critical);
    QVERIFY(d.cursor().shape() != Qt::WaitCursor);
  }

  void registeredForStartup() {
    Start();
    RegisterCoreWindows();
    std::unique_ptr<QWidget> w(WindowRegistry::Create("frmConnect"));
    QVERIFY(qobject_cast<frmConnect*>(w.get()));
  }
};

QTEST_MAIN(tst_connect)
#include "tst_connect.moc"
