// Refreshes a shown browse window over 10,000, 100,000 and 1,000,000 rows
// x 11 columns, and reads the same rows with plain sqlite3 for comparison:
// all of them, the first 100 and their count.
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchProbes.h"
#include "browse/frmSingleTable.h"
#include "core/Globals.h"
#include "platform/db/SqlScript.h"
#include "platform/widgets/FlexGrid.h"

using benchprobes::PaintWatch;
using benchprobes::RssMb;

namespace {

const char* kSelect =
    "select ID,CustomerID,Quantity,Status,Price,Amount,Discount,Customer,Item,Code,Note from Bills";

const char* kScript =
    "create table tblUser (ID integer primary key, UserName text collate nocase, IsAdmin integer);"
    "insert into tblUser (UserName, IsAdmin) values ('admin', 1);"
    "create table tblPrivilege (UserName text collate nocase, ModuleID text collate nocase);"
    "create table tblMenu (ID text collate nocase primary key, FormTemplateName text,"
    " BrowseToolbar text, ViewToolbar text, AddToolbar text, ModifyToolbar text);"
    "insert into tblMenu values ('Bills', 'SingleRs', 'Standard', 'Standard', 'Standard', "
    "'Standard');"
    "create table tblRecordset (ID integer primary key autoincrement, RsName text collate nocase,"
    " SelectSQL text, WhereArea text, OrderArea text, DeleteSQL text, PrintLines integer,"
    " Field text, [Language] text, IsShow integer, TotalSQL text, TotalFormat text,"
    " TotalLanguage text);"
    "create table Bills (ID integer primary key, CustomerID integer, Quantity integer, "
    "Status integer, Price real, Amount real, Discount real, Customer text, Item text, "
    "Code text, Note text);"
    "insert into Bills select x, x % 5000, x % 97, x % 3, (x % 1000) / 7.0, x * 1.25, "
    "(x % 10) / 100.0, 'Customer ' || (x % 5000), 'Item-' || (x % 977), printf('%08d', x * 7), "
    "'Remark on bill number ' || x from (with recursive c(x) as (select 1 union all "
    "select x + 1 from c where x < %1) select x from c);";

QString FieldRows() {
  const QStringList fields = QString(kSelect).mid(7).section(" from", 0, 0).split(',');
  QString sql;
  for (const QString& f : fields) {
    const bool total = f == "Amount";
    sql += QString(
               "insert into tblRecordset (RsName, SelectSQL, OrderArea, DeleteSQL, PrintLines,"
               " Field, [Language], IsShow, TotalSQL, TotalFormat, TotalLanguage) values"
               " ('Bills', '%1', 'ORDER BY ID', 'delete from Bills where ID=@ID', 1, '%2',"
               " 'Caption of %2', %3, %4, '#,##0.00', 'Total');")
               .arg(kSelect, f, f == "ID" ? "0" : "1",
                    total ? "'select sum(Amount) from Bills'" : "null");
  }
  return sql;
}

double SqliteReadMs(const QString& path, const QByteArray& sql, int* rows) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  QElapsedTimer t;
  t.start();
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
  *rows = 0;
  size_t bytes = 0;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
          bytes += size_t(sqlite3_column_int64(stmt, c) != 0);
          break;
        case SQLITE_FLOAT:
          bytes += size_t(sqlite3_column_double(stmt, c) != 0);
          break;
        default:
          sqlite3_column_text(stmt, c);
          bytes += size_t(sqlite3_column_bytes(stmt, c));
      }
    }
    ++*rows;
  }
  sqlite3_finalize(stmt);
  const double ms = t.nsecsElapsed() / 1e6;
  sqlite3_close(db);
  return bytes > 0 ? ms : -1;
}


struct Figures {
  double firstScreenMs = -1, extraMb = 0;
};

// A shown browse window refreshed over a database of n rows.
bool MeasureBrowse(QApplication& app, const QString& path, int n, Figures* figures) {
  QString error;
  rd::DbConnection = rd::Connection::OpenSqlite(path, &error);
  if (!rd::DbConnection) {
    std::fprintf(stderr, "cannot open the database: %s\n", qPrintable(error));
    return false;
  }
  rd::frmSingleTable window;
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.SetModuleName("Bills");
  window.SetRsName("Bills");
  window.setWindowTitle("Bills");
  window.InitControl();
  window.resize(600, 433);  // 9000 x 6500 twips
  PaintWatch watch;
  window.vsData()->viewport()->installEventFilter(&watch);
  window.show();
  while (!watch.painted) app.processEvents();

  const double rssBefore = RssMb();
  QElapsedTimer timer;
  timer.start();
  watch.painted = false;
  if (!window.RefreshData()) {
    std::fprintf(stderr, "refresh failed\n");
    return false;
  }
  while (!watch.painted) app.processEvents();
  figures->firstScreenMs = timer.nsecsElapsed() / 1e6;
  figures->extraMb = RssMb() - rssBefore;
  const bool counted = window.vsData()->Rows() == n + 1;
  if (!counted) std::fprintf(stderr, "unexpected rows %d\n", window.vsData()->Rows());
  window.close();
  rd::DbConnection.reset();
  return counted;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QTemporaryDir dir;
  QFile language(dir.filePath("1033.ini"));
  if (language.open(QIODevice::WriteOnly))
    language.write(
        "[Language]\r\n1006=Records: @1\r\n1014=Add\r\n1015=Modify\r\n1016=Delete\r\n"
        "1017=Query\r\n1018=Print\r\n1019=Close\r\n1020=Refresh\r\n");
  language.close();
  rd::LanguageFile = language.fileName();
  rd::ServerType = "ACCESS";
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = "admin";

  const std::pair<int, const char*> sizes[] = {{10000, "10k"}, {100000, "100k"}, {1000000, "1m"}};
  QString largest;
  for (const auto& [n, name] : sizes) {
    const QString path = dir.filePath(QStringLiteral("bench_%1.db").arg(name));
    QString error;
    if (!rd::CreateSqliteDatabase(path, {QString::fromLatin1(kScript).arg(n), FieldRows()},
                                  &error)) {
      std::fprintf(stderr, "cannot build the database: %s\n", qPrintable(error));
      return 1;
    }
    Figures figures;
    if (!MeasureBrowse(app, path, n, &figures)) return 1;
    std::printf("first_screen_%s: %.1f ms\n", name, figures.firstScreenMs);
    std::printf("extra_memory_%s: %.1f MB\n", name, figures.extraMb);
    largest = path;
  }

  int rows = 0;
  const double countMs = SqliteReadMs(largest, QByteArray("select count(*) from (") + kSelect + ")",
                                      &rows);
  const double firstMs =
      SqliteReadMs(largest, QByteArray(kSelect) + " ORDER BY ID LIMIT 100", &rows);
  const double readMs = SqliteReadMs(largest, QByteArray(kSelect) + " ORDER BY ID", &rows);
  std::printf("sqlite_count_1m: %.1f ms\n", countMs);
  std::printf("sqlite_first_100: %.1f ms\n", firstMs);
  std::printf("sqlite_read: %.1f ms (%d rows)\n", readMs, rows);
  return 0;
}
