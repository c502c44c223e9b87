#include <QCryptographicHash>
#include <QtTest>

#include "browse/frmSingleTable.h"
#include "core/Globals.h"
#include "core/StartupSteps.h"
#include "core/SystemTables.h"
#include "core/frmMain.h"
#include "core/modBackup.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modMain.h"
#include "expressions/modExpressions.h"
#include "platform/db/Connection.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"
#include "toolkit/cMenus.h"

using namespace rd;

namespace {

constexpr int kPageSize = 4096;

// Start-up logs the administrator in on the sample database.
const QMap<QString, QString> kAutoLogin = {{"ServerType", "ACCESS"},
                                           {"DataBaseName", "RecordDesk.db"},
                                           {"AutoLogin", "True"},
                                           {"LoginUser", "admin"},
                                           {"LoginPassword", ""}};

class AutoSteps : public StartupSteps {
 public:
  bool ShowConnect() override { return false; }
  bool ShowLogin(const QString&, const QString&) override { return false; }
  void ShowMain() override {}
};

QByteArray Hash(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The first page of the table, counted from 1 as SQLite counts.
int RootPage(const QString& db, const QString& table) {
  auto c = Connection::OpenSqlite(db);
  QueryResult r;
  if (!c || !c->Query("select rootpage from sqlite_master where name='" + table + "'", &r) ||
      r.rowCount() != 1)
    return -1;
  return r.Cell(0, 0).toInt();
}

bool OverwritePages(const QString& db, int first, int count) {
  QFile f(db);
  if (first < 2 || !f.open(QIODevice::ReadWrite) || !f.seek(qint64(first - 1) * kPageSize))
    return false;
  return f.write(QByteArray(count * kPageSize, '\xA5')) == count * kPageSize;
}

// The module as the main window opens it; false when it does not open.
bool OpenCustomers() {
  frmSingleTable w;
  w.setAttribute(Qt::WA_DeleteOnClose, false);
  w.SetModuleName("Customers");
  w.SetRsName("Customer");
  w.setWindowTitle("Customers");
  return w.InitControl() && w.RefreshData();
}

bool Truncate(const QString& db, int pages) { return QFile::resize(db, qint64(pages) * kPageSize); }

bool Run(const QString& db, const QString& sql) {
  auto c = Connection::OpenSqlite(db);
  return c && c->Execute(sql);
}

}  // namespace

class TestDamaged : public QObject {
  Q_OBJECT

 private slots:
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() {
    other_.reset();
    ReleaseGlobals();
    ScriptedUi::Uninstall();
    Connection::SetBusyWait(5000);
  }

  // Each damage is named in one message in the program's words, by the
  // step that meets it, and the file stays as it was.
  void oneMessage_data() {
    QTest::addColumn<QString>("damage");  // "pages", "truncate", "lock" or SQL
    QTest::addColumn<QString>("action");  // what is opened after start-up
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("params");  // "@db" is the database file
    const QString rs = "update tblRecordset set SelectSQL=";
    const QString customer = " where RsName='Customer'";
    QTest::newRow("pages overwritten") << "pages" << "module" << 1277 << QStringList{"@db"};
    // Found as the database opens: start-up ends.
    QTest::newRow("truncated") << "truncate" << "" << 1277 << QStringList{"@db"};
    QTest::newRow("no tblRecordset") << "drop table tblRecordset" << "module" << 1273
                                     << QStringList{"tblRecordset"};
    QTest::newRow("no tblToolbar") << "drop table tblToolbar" << "module" << 1273
                                   << QStringList{"tblToolbar"};
    QTest::newRow("no toolbar tooltip") << "alter table tblToolbar drop column ToolTipText" << "module"
                                     << 1274 << QStringList{"tblToolbar", "ToolTipText"};
    QTest::newRow("no tblBillID") << "drop table tblBillID" << "bill" << 1273
                                  << QStringList{"tblBillID"};
    QTest::newRow("no tblClass") << "drop table tblClass" << "designer" << 1273
                                 << QStringList{"tblClass"};
    QTest::newRow("no tblSpecField") << "drop table tblSpecField" << "designer" << 1273
                                     << QStringList{"tblSpecField"};
    QTest::newRow("no tblTable column") << "alter table tblTable drop column AllowEmpty"
                                        << "designer" << 1274
                                        << QStringList{"tblTable", "AllowEmpty"};
    QTest::newRow("no tblPrivilegeID") << "drop table tblPrivilegeID" << "privileges" << 1273
                                       << QStringList{"tblPrivilegeID"};
    QTest::newRow("invalid SQL") << rs + "'selec * from Customer'" + customer << "module" << 1278
                                 << QStringList{"Customers", "Customer",
                                                "near \"selec\": syntax error"};
    QTest::newRow("missing column") << rs + "'select ID, Nope from Customer'" + customer
                                    << "module" << 1278
                                    << QStringList{"Customers", "Customer", "no such column: Nope"};
    // Another connection holds the file locked as start-up opens it.
    QTest::newRow("locked") << "lock" << "" << 1031 << QStringList{};
  }
  void oneMessage() {
    QFETCH(QString, damage);
    QFETCH(QString, action);
    QFETCH(int, key);
    QFETCH(QStringList, params);
    TestProgramFolder folder(kAutoLogin);
    const QString db = folder.DatabasePath();
    if (damage == "pages") {
      QVERIFY(OverwritePages(db, RootPage(db, "Customer"), 1));
    } else if (damage == "truncate") {
      QVERIFY(Truncate(db, RootPage(db, "Customer")));
    } else if (damage == "lock") {
      Connection::SetBusyWait(50);
      other_ = Connection::OpenSqlite(db);
      QVERIFY(other_ && other_->Execute("BEGIN EXCLUSIVE") &&
              other_->Execute("update Customer set Name=Name"));
    } else {
      QVERIFY(Run(db, damage));
    }
    const QByteArray before = Hash(db);

    AutoSteps steps;
    const StartupOutcome started = Main(steps);
    const bool opened = damage != "lock" && damage != "truncate";
    QCOMPARE(started, opened ? StartupOutcome::Running : StartupOutcome::Failed);
    if (action == "module") {
      QVERIFY(!OpenCustomers());
    } else if (action == "bill") {
      QCOMPARE(GetBillID("<GetAutoValue:0000>", "SalesBill", "BillNo", true), QString());
    } else if (action == "designer") {
      QVERIFY(!CheckSystemTables(DesignerTables()));
    } else if (action == "privileges") {
      QVERIFY(!CheckSystemTables(PrivilegeTables()));
    }

    params.replaceInStrings("@db", QDir::toNativeSeparators(db));
    QString expected = ReplaceParams(GetLangString(key), params);
    if (damage == "lock") expected += "\n" + GetLangString(1275);
    QCOMPARE(ui_->texts(), QStringList{expected});

    if (key == 1277 && opened) {
      // Told once: reading again says nothing more. Writes, transactions
      // and back up are refused, each once, in the same words.
      QVERIFY(!OpenCustomers());
      QCOMPARE(ui_->texts().size(), 1);
      QString error;
      QVERIFY(!ExecuteSQL("insert into Unit(Name) values('new')", &error));
      QCOMPARE(error, expected);
      QVERIFY(!DbConnection->BeginTrans());
      QCOMPARE(DbConnection->LastError(), expected);
      QVERIFY(!BackupDatabase(nullptr));
      QCOMPARE(ui_->texts(), (QStringList{expected, expected}));
    }
    ReleaseGlobals();
    other_.reset();
    QCOMPARE(Hash(db), before);
  }

  // Where the menus themselves are damaged, the main window offers the
  // restore at once; the restored database clears the mark and gives the
  // menus back.
  void damagedMenusOfferTheRestore() {
    TestProgramFolder folder(kAutoLogin);
    const QString db = folder.DatabasePath();
    const QString backup = folder.File("Backup/Good.bak");
    QVERIFY(QFile::copy(db, backup));
    QVERIFY(OverwritePages(db, RootPage(db, "tblMenu"), 1));
    AutoSteps steps;
    QCOMPARE(Main(steps), StartupOutcome::Running);
    ui_->files << backup;
    auto* w = new frmMain;
    QCOMPARE(ui_->texts(), QStringList{DamagedDatabaseText(db)});
    const int helpOnly = w->Menus()->ItemCount();
    QTRY_COMPARE(ui_->boxes.size(), 3);
    QCOMPARE(ui_->boxes[1].text, GetLangString(1108));
    QCOMPARE(ui_->boxes[2].text, GetLangString(1105));
    QVERIFY(!DbConnection->Damaged());
    QVERIFY(w->Menus()->IndexForKey("mnuToolsRestore") > 0);
    QVERIFY(w->Menus()->ItemCount() > helpOnly);
    QVERIFY(ExecuteSQL("insert into Unit(Name) values('new')"));
    delete w;
  }

 private:
  ScriptedUi* ui_ = nullptr;
  std::unique_ptr<Connection> other_;
};

QTEST_MAIN(TestDamaged)
#include "tst_damaged.moc"
