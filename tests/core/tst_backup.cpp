#include <QtTest>

#include "CoreFixture.h"
#include "FakeServer.h"
#include "core/DatabaseConnector.h"
#include "core/DatabaseFile.h"
#include "core/ModuleWindow.h"
#include "core/RecordEditor.h"
#include "core/ServerBackupSql.h"
#include "core/modBackup.h"
#include "core/modDatabase.h"

using namespace rd;

namespace {

int UserCount() {
  Recordset rs;
  if (!DbConnection || !OpenRecordset("select count(*) from tblUser", rs)) return -1;
  return rs.Fields(0).Value.toInt();
}

// Records what the file dialogs were offered.
class DialogUi : public ScriptedUi {
 public:
  QString GetSaveFileName(const QString& t, const QString& suggested, const QString& filter,
                          QWidget* w) override {
    offered << suggested;
    filters << filter;
    if (takeProposed) return suggested;
    return ScriptedUi::GetSaveFileName(t, suggested, filter, w);
  }
  QString GetOpenFileName(const QString& t, const QString& folder, const QString& filter,
                          QWidget* w) override {
    offered << folder;
    filters << filter;
    return ScriptedUi::GetOpenFileName(t, folder, filter, w);
  }
  QStringList offered, filters;
  bool takeProposed = false;  // the save dialog answers with its proposal
};

// A browse window that counts its reads.
class ListWindow : public QWidget, public ModuleWindow {
 public:
  bool InitControl() override { return true; }
  bool RefreshData(const QString&) override {
    users << UserCount();
    return true;
  }
  QString SelectSQL() const override { return {}; }
  QString WhereArea() const override { return {}; }
  QString OrderArea() const override { return {}; }
  FlexGrid* vsData() override { return nullptr; }
  QList<int> users;  // the users each read found
};

class EditorWindow : public QWidget, public RecordEditor {
 public:
  void SetForm(ModuleWindow*) override {}
  void SetEditMode(int) override {}
  void SetAllowAdd(bool) override {}
  void SetModuleName(const QString&) override {}
  void SetRsName(const QString&) override {}
  void SetID(int) override {}
  bool Load() override { return true; }
};

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(data);
}

using ServerBackupSql::BackupFile;
const QString kDataFolder = "C:\\Data\\";

}  // namespace

Q_DECLARE_METATYPE(QList<BackupFile>)

class tst_backup : public QObject {
  Q_OBJECT

  std::unique_ptr<corefixture::Folder> folder_;
  DialogUi* ui_ = nullptr;

  QString Db() { return folder_->Program().DatabasePath(); }
  QString Path(const QString& name) { return folder_->Program().File(name); }

  void Start(const QMap<QString, QString>& system = {}) {
    folder_ = std::make_unique<corefixture::Folder>(system);
    QVERIFY(folder_->Ok());
    folder_->Open();
    ui_ = new DialogUi;
    Ui::Install(std::unique_ptr<Ui>(ui_));
  }

  // Settings of a server database "Shop", with the fake server connected
  // to it as after start-up.
  void StartServer(fakeserver::Server& server) {
    Start({{"ServerType", "SQLSERVER"},
           {"DataBaseName", "Shop"},
           {"ServerName", "srv"},
           {"UserID", "sa"},
           {"Password", "pw"}});
    ServerType = "SQLSERVER";
    server.Install();
    DbConnection = std::make_unique<fakeserver::Connection>(server);
    server.Answer("select Getdate()", {"d"}, {{"2008-03-09 14:05:07"}});
  }

 private slots:
  void cleanup() {
    DatabaseConnector::Install(nullptr);
    ReleaseGlobals();
    ScriptedUi::Uninstall();
    folder_.reset();
  }

  void statements_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    namespace S = ServerBackupSql;
    QTest::newRow("backup, path with a blank")
        << S::Backup("Shop", "C:\\My Backups\\Shop.bak", false)
        << "BACKUP DATABASE [Shop]   TO DISK = 'C:\\My Backups\\Shop.bak'";
    QTest::newRow("backup over a confirmed file")
        << S::Backup("Shop", "C:\\b.bak", true)
        << "BACKUP DATABASE [Shop]   TO DISK = 'C:\\b.bak' WITH INIT";
    QTest::newRow("backup, bracket and quote")
        << S::Backup("My]Shop", "C:\\O'Neil.bak", false)
        << "BACKUP DATABASE [My]]Shop]   TO DISK = 'C:\\O''Neil.bak'";
    QTest::newRow("data folder") << S::DataFolderQuery() << "select filename from sysfiles";
    QTest::newRow("processes") << S::ProcessesQuery("Shop")
                               << "select spid from  sysprocesses where  dbid=db_id('Shop')";
    QTest::newRow("processes, quote")
        << S::ProcessesQuery("a'b") << "select spid from  sysprocesses where  dbid=db_id('a''b')";
    QTest::newRow("kill") << S::Kill(53) << "kill 53";
    QTest::newRow("file list") << S::FileListQuery("C:\\x'y.bak")
                               << "restore filelistonly from disk='C:\\x''y.bak'";
    QTest::newRow("exists, injection stays a literal")
        << S::DatabaseExistsQuery("x'; drop database Shop--")
        << "select 1 from sysdatabases  where name='x''; drop database Shop--'";
  }
  void statements() {
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(sql, expected);
  }

  void restoreText_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<QList<BackupFile>>("files");
    QTest::addColumn<QString>("moves");
    QTest::newRow("no files") << "D" << QList<BackupFile>() << "";
    QTest::newRow("data and log") << "D"
                                  << QList<BackupFile>{{"A", "E:\\old\\x.mdf"},
                                                       {"B", "E:\\old\\x_log.ldf"}}
                                  << ",move 'A' to 'C:\\Data\\D.mdf',move 'B' to 'C:\\Data\\D.ldf'";
    QTest::newRow("three files in listing order, same extension kept")
        << "D" << QList<BackupFile>{{"L", "x.ldf"}, {"A", "x.mdf"}, {"A2", "y.mdf"}}
        << ",move 'L' to 'C:\\Data\\D.ldf',move 'A' to 'C:\\Data\\D.mdf',move 'A2' to "
           "'C:\\Data\\D.mdf'";
    QTest::newRow("no dot") << "D" << QList<BackupFile>{{"A", "E:\\old\\data"}}
                            << ",move 'A' to 'C:\\Data\\D'";
    QTest::newRow("dot only in a folder")
        << "D" << QList<BackupFile>{{"A", "E:\\v1.2\\data"}} << ",move 'A' to 'C:\\Data\\D'";
    QTest::newRow("quotes in names") << "O'Shop" << QList<BackupFile>{{"it's", "x.mdf"}}
                                     << ",move 'it''s' to 'C:\\Data\\O''Shop.mdf'";
  }
  void restoreText() {
    QFETCH(QString, database);
    QFETCH(QList<BackupFile>, files);
    QFETCH(QString, moves);
    const QString head = "restore  database " + QuoteName(database) +
                         " from   disk='F.bak' with REPLACE ";
    QCOMPARE(ServerBackupSql::Restore(database, "F.bak", kDataFolder, files), head + moves);
  }

  void folderOf_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("windows") << "C:\\Program Files\\Data\\master.mdf"
                             << "C:\\Program Files\\Data\\";
    QTest::newRow("linux server") << "/var/opt/mssql/data/master.mdf"
                                  << "/var/opt/mssql/data/";
    QTest::newRow("bare name") << "master.mdf"
                               << "";
  }
  void folderOf() {
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(ServerBackupSql::FolderOf(file), folder);
  }

  void proposedName_data() {
    QTest::addColumn<QString>("serverDate");
    QTest::addColumn<QString>("name");
    QTest::newRow("server time") << "2008-03-09 14:05:07"
                                 << "Shop20080309140507";
    QTest::newRow("midnight shown as a date") << "2008-03-09"
                                              << "Shop20080309000000";
    QTest::newRow("no server time") << ""
                                    << "Shop";
  }
  void proposedName() {
    QFETCH(QString, serverDate);
    QFETCH(QString, name);
    QCOMPARE(ProposedBackupName("Shop", serverDate), name);
  }

  void templateOfLanguage() {
    Start();
    QDir().mkpath(Path("Database/SQLSERVER"));
    QCOMPARE(TemplateBackupPath("2052"), Path("Database/SQLSERVER/1033.bak"));
    WriteFile(Path("Database/SQLSERVER/2052.bak"), "x");
    QCOMPARE(TemplateBackupPath("2052"), Path("Database/SQLSERVER/2052.bak"));
  }

  void backupDialogStartsInBackupFolder() {
    Start();
    QVERIFY(!BackupDatabase(nullptr));
    QCOMPARE(ui_->offered.size(), 1);
    const QString prefix = Path("Backup/RecordDesk");
    QVERIFY2(ui_->offered[0].startsWith(prefix), qPrintable(ui_->offered[0]));
    QVERIFY(QRegularExpression("^\\d{14}\\.bak$")
                .match(ui_->offered[0].mid(prefix.size()))
                .hasMatch());
    QCOMPARE(ui_->filters[0], QString("Backup Files(*.bak);;All Files(*.*)"));
    QVERIFY2(ui_->boxes.isEmpty(), "cancel is silent");
  }

  // The proposed backup is listed by the restore dialog's filter, and the
  // restore leaves no window on rows of the replaced database.
  void backupThenRestoreFromTheList() {
    Start();
    ui_->takeProposed = true;
    QVERIFY(BackupDatabase(nullptr));
    const QStringList listed =
        QDir(BackupFolder()).entryList({"*.bak"}, QDir::Files);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(BackupFolder() + listed[0], ui_->offered[0]);

    QVERIFY(ExecuteSQL("delete from tblUser where UserName='dave'"));
    ListWindow browse;
    EditorWindow editor;
    editor.show();
    ui_->files << BackupFolder() + listed[0];
    QVERIFY(RestoreDatabase(nullptr));
    QCOMPARE(ui_->texts(), (QStringList{"#1101", "#1108", "#1105"}));
    QCOMPARE(browse.users, QList<int>{5});
    QVERIFY2(!editor.isVisible(), "an editor of the old rows is closed");
  }

  // Backup of the database file: chosen names are relative to the program
  // folder, "<db>" standing for the database file itself.
  void backupFile_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("existed");
    QTest::addColumn<int>("answer");  // to 1103
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("result");
    QTest::newRow("new file") << "Backup/a.bak" << false << 0 << "Backup/a.bak"
                              << QStringList{"#1101"} << true;
    QTest::newRow("default extension")
        << "Backup/a" << false << 0 << "Backup/a.bak" << QStringList{"#1101"} << true;
    QTest::newRow("replace confirmed") << "Backup/a.bak" << true << int(MsgResult::Ok)
                                       << "Backup/a.bak" << QStringList{"#1103", "#1101"} << true;
    QTest::newRow("replace cancelled")
        << "Backup/a.bak" << true << int(MsgResult::Cancel) << "" << QStringList{"#1103"} << false;
    QTest::newRow("blank name") << "Backup/ " << false << 0 << "" << QStringList{"#1100"} << false;
    QTest::newRow("a folder") << "Backup" << false << 0 << "" << QStringList{"#1100"} << false;
    QTest::newRow("onto the database itself")
        << "<db>" << true << int(MsgResult::Ok) << "" << QStringList{"#1103", "#1102"} << false;
    QTest::newRow("folder missing")
        << "nowhere/a.bak" << false << 0 << "" << QStringList{"#1294"} << false;
  }
  void backupFile() {
    QFETCH(QString, chosen);
    QFETCH(bool, existed);
    QFETCH(int, answer);
    QFETCH(QString, written);
    QFETCH(QStringList, messages);
    QFETCH(bool, result);
    Start();
    const QByteArray database = ReadAll(Db());
    const QString file = chosen == "<db>" ? Db() : Path(chosen);
    if (existed && chosen != "<db>") WriteFile(file, "old");
    ui_->files << file;
    ui_->answers << MsgResult(answer);

    QCOMPARE(BackupDatabase(nullptr), result);
    QCOMPARE(ui_->texts(), messages);
    for (const auto& box : ui_->boxes) QCOMPARE(box.title, AppTitle);
    if (!written.isEmpty())
      QCOMPARE(ReadAll(Path(written)), database);
    else if (existed)
      QCOMPARE(ReadAll(file), chosen == "<db>" ? database : QByteArray("old"));
    QCOMPARE(ReadAll(Db()), database);
    QCOMPARE(UserCount(), 5);
  }

  void restoreFile_data() {
    QTest::addColumn<QString>("chosen");  // "<backup>", "<db>", "<junk>" or a name
    QTest::addColumn<int>("confirm");     // answer to 1108
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("restored");
    QTest::newRow("good backup") << "<backup>" << int(MsgResult::Ok)
                                 << QStringList{"#1108", "#1105"} << true;
    QTest::newRow("not confirmed")
        << "<backup>" << int(MsgResult::Cancel) << QStringList{"#1108"} << false;
    QTest::newRow("dialog cancelled") << "" << int(MsgResult::Ok) << QStringList{"#1108"} << false;
    QTest::newRow("missing file") << "Backup/none.bak" << int(MsgResult::Ok)
                                  << QStringList{"#1108", "#1104"} << false;
    QTest::newRow("the database itself")
        << "<db>" << int(MsgResult::Ok) << QStringList{"#1108", "#1106"} << false;
    QTest::newRow("not a database")
        << "<junk>" << int(MsgResult::Ok) << QStringList{"#1108", "#1106"} << false;
    QTest::newRow("database of another program")
        << "<other>" << int(MsgResult::Ok) << QStringList{"#1108", "#1106"} << false;
  }
  void restoreFile() {
    QFETCH(QString, chosen);
    QFETCH(int, confirm);
    QFETCH(QStringList, messages);
    QFETCH(bool, restored);
    Start();
    const QString backup = Path("Backup/good.bak");
    QVERIFY(DatabaseFile::CopyOver(Db(), backup));
    QVERIFY(ExecuteSQL("delete from tblUser where UserName='dave'"));
    WriteFile(Path("Backup/junk.bak"), QByteArray(4096, 'x'));
    QVERIFY(
        CreateSqliteDatabase(Path("Backup/other.bak"), {"create table t (a integer)"}, nullptr));
    WriteFile(Db() + "-journal", QByteArray());
    const QByteArray before = ReadAll(Db());

    const QMap<QString, QString> files{{"<backup>", backup},
                                       {"<db>", Db()},
                                       {"<junk>", Path("Backup/junk.bak")},
                                       {"<other>", Path("Backup/other.bak")}};
    if (!chosen.isEmpty()) ui_->files << files.value(chosen, Path(chosen));
    ui_->answers << MsgResult(confirm);

    QCOMPARE(RestoreDatabase(nullptr), restored);
    QCOMPARE(ui_->texts(), messages);
    QVERIFY2(DbConnection, "the database is open afterwards");
    QCOMPARE(UserCount(), restored ? 5 : 4);
    if (restored) {
      QCOMPARE(ReadAll(Db()), ReadAll(backup));
      QVERIFY2(!QFile::exists(Db() + "-journal"), "stale journal removed");
    } else {
      QCOMPARE(ReadAll(Db()), before);
    }
  }

  void restoreFileReopenFails() {
    Start();
    const QString backup = Path("Backup/good.bak");
    QVERIFY(DatabaseFile::CopyOver(Db(), backup));
    DatabaseConnector::Install([](auto&&...) { return std::unique_ptr<Connection>(); });
    ui_->files << backup;
    QVERIFY(!RestoreDatabase(nullptr));
    QCOMPARE(ui_->texts(), QStringList({"#1108", "#1031"}));
    QVERIFY(!DbConnection);
  }

  void copyFailureKeepsTarget() {
    Start();
    WriteFile(Path("target"), "kept");
    QString error;
    QVERIFY(!DatabaseFile::CopyOver(Path("missing"), Path("target"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadAll(Path("target")), QByteArray("kept"));
  }

  void backupServer_data() {
    QTest::addColumn<bool>("existed");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("result");
    QTest::newRow("new file") << false << ""
                              << "BACKUP DATABASE [Shop]   TO DISK = '%1'" << QStringList{"#1101"}
                              << true;
    QTest::newRow("replaced file") << true << ""
                                   << "BACKUP DATABASE [Shop]   TO DISK = '%1' WITH INIT"
                                   << QStringList{"#1103", "#1101"} << true;
    QTest::newRow("server refuses")
        << false << "BACKUP"
        << "BACKUP DATABASE [Shop]   TO DISK = '%1'"
        << QStringList{"refused: BACKUP DATABASE [Shop]   TO DISK = '%1'"} << false;
  }
  void backupServer() {
    QFETCH(bool, existed);
    QFETCH(QString, refused);
    QFETCH(QString, statement);
    QFETCH(QStringList, messages);
    QFETCH(bool, result);
    fakeserver::Server server;
    StartServer(server);
    if (!refused.isEmpty()) server.refusedStatements << refused;
    const QString file = Path("Backup/my shop.bak");
    if (existed) WriteFile(file, "old");
    ui_->files << file;

    QCOMPARE(BackupDatabase(nullptr), result);
    QCOMPARE(ui_->offered.value(0), Path("Backup/Shop20080309140507.bak"));
    QCOMPARE(server.log, QStringList({"select Getdate()", statement.arg(file)}));
    for (QString& m : messages)
      if (m.contains("%1")) m = m.arg(file);
    QCOMPARE(ui_->texts(), messages);
    if (!result) QCOMPARE(ui_->boxes.last().icon, MsgIcon::Critical);
  }

  void restoreServer_data() {
    QTest::addColumn<QStringList>("refusedDatabases");
    QTest::addColumn<QString>("refusedStatement");
    QTest::addColumn<int>("statementsRun");  // how much of the sequence on "master" ran
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("reopened");
    QTest::addColumn<bool>("result");
    QTest::newRow("restored") << QStringList() << "" << 6 << QStringList{"#1108", "#1105"} << true
                              << true;
    QTest::newRow("no master") << QStringList{"master"} << "" << 0 << QStringList{"#1108", "#1107"}
                               << true << false;
    QTest::newRow("a process cannot be ended")
        << QStringList() << "kill 52" << 4 << QStringList{"#1108", "refused: kill 52"} << true
        << false;
    QTest::newRow("restore refused")
        << QStringList() << "restore  database" << 6
        << QStringList{"#1108", "refused: restore  database"} << true << false;
    QTest::newRow("reopen fails") << QStringList{"Shop"} << "" << 6 << QStringList{"#1108", "#1031"}
                                  << false << false;
  }
  void restoreServer() {
    QFETCH(QStringList, refusedDatabases);
    QFETCH(QString, refusedStatement);
    QFETCH(int, statementsRun);
    QFETCH(QStringList, messages);
    QFETCH(bool, reopened);
    QFETCH(bool, result);
    fakeserver::Server server;
    StartServer(server);
    server.Answer("select filename from sysfiles", {"filename"},
                  {{"C:\\Data\\master.mdf"}, {"C:\\Logs\\mastlog.ldf"}});
    server.Answer("select spid", {"spid"}, {{51}, {52}});
    server.Answer(
        "restore filelistonly", {"LogicalName", "PhysicalName", "Type"},
        {{"Shop_Data", "D:\\old\\Shop.mdf", "D"}, {"Shop_Log", "D:\\old\\Shop_log.ldf", "L"}});
    server.refusedDatabases = refusedDatabases;
    if (!refusedStatement.isEmpty()) server.refusedStatements << refusedStatement;
    const QString file = Path("Backup/shop.bak");
    WriteFile(file, "backup");
    ui_->files << file;
    server.log.clear();

    QCOMPARE(RestoreDatabase(nullptr), result);

    QStringList expected{"select Getdate()", "connect srv/sa/pw/master"};
    const QStringList sequence{
        "select filename from sysfiles",
        "select spid from  sysprocesses where  dbid=db_id('Shop')",
        "kill 51",
        "kill 52",
        "restore filelistonly from disk='" + file + "'",
        "restore  database [Shop] from   disk='" + file +
            "' with REPLACE ,move 'Shop_Data' to 'C:\\Data\\Shop.mdf',move 'Shop_Log' to "
            "'C:\\Data\\Shop.ldf'"};
    expected << sequence.mid(0, statementsRun);
    expected << "connect srv/sa/pw/Shop";
    QCOMPARE(server.log, expected);
    QCOMPARE(ui_->texts().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
      QVERIFY2(ui_->texts()[i].startsWith(messages[i]), qPrintable(ui_->texts()[i]));
    QCOMPARE(bool(DbConnection), reopened);
  }
};

QTEST_MAIN(tst_backup)
#include "tst_backup.moc"
