// Refreshes a shown browse window over 10,000, 100,000 and 1,000,000 rows
// x 11 columns, and reads the same rows with plain sqlite3 for comparison:
// all of them, the first 100 and their count. Then the same on the sample
// company's Customers module (its own schema and indexes) with 10,000 and
// 1,000,000 customers, with Ctrl+End to the last row beside the last page
// read by plain sqlite3; then a caption sort, and Print.
#include <sqlite3.h>

#include <QApplication>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchProbes.h"
#include "BenchSample.h"
#include "browse/frmSingleTable.h"
#include "core/Globals.h"
#include "platform/db/SqlScript.h"
#include "platform/report/ReportPreview.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"

#include <QHeaderView>

using benchprobes::PaintWatch;
using benchprobes::RssMb;

namespace {

const char* kSelect =
    "select ID,CustomerID,Quantity,Status,Price,Amount,Discount,Customer,Item,Code,Note from Bills";

// Beside the sample's own tables, so that the window finds every system
// table it checks.
const char* kScript =
    "insert into tblMenu (ID, FormTemplateName, BrowseToolbar, ViewToolbar, AddToolbar,"
    " ModifyToolbar) values ('Bills', 'SingleRs', 'Standard', 'Standard', 'Standard', "
    "'Standard');"
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
  double endMs = -1, endExtraMb = 0;
  double sortedFirstMs = -1, sortedEndMs = -1, sortedPageUpMs = -1;
  double printExtraMb = 0;
  bool printed = false;
};

// The sample database's scripts and n customers whose codes are not in ID order.
QStringList SampleScripts(int n) {
  QStringList scripts = benchsample::Scripts();
  scripts << QString(
                 "insert into Customer (Code, Name, City, Phone, Email, CreditLimit, Active, Remark)"
                 " select printf('C%07d', x * 7919 % %1), 'Customer ' || x, 'Town ' || (x % 40),"
                 " '01 ' || x, 'c' || x || '@example.com', (x % 13) * 250, x % 2,"
                 " 'Added customer ' || x from (with recursive c(x) as (select 1 union all"
                 " select x + 1 from c where x < %1) select x from c);")
                 .arg(n);
  return scripts;
}

// Presses Ctrl+End on the grid and waits until its last row is painted.
double PressCtrlEnd(QApplication& app, rd::FlexGrid& grid, PaintWatch& watch) {
  QElapsedTimer timer;
  timer.start();
  watch.painted = false;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QApplication::sendEvent(&grid, &press);
  while (!watch.painted) app.processEvents();
  const double ms = timer.nsecsElapsed() / 1e6;
  return grid.Row() == grid.Rows() - 1 ? ms : -1;
}

// Presses Page Up times and waits for the paint after each.
double PressPageUps(QApplication& app, rd::FlexGrid& grid, PaintWatch& watch, int times) {
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < times; ++i) {
    watch.painted = false;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
    QApplication::sendEvent(&grid, &press);
    while (!watch.painted) app.processEvents();
  }
  return timer.nsecsElapsed() / 1e6;
}

// A caption sort by column (grid column) and the wait for its first paint.
double SortByCaption(QApplication& app, rd::FlexGrid& grid, PaintWatch& watch, int column) {
  QElapsedTimer timer;
  timer.start();
  watch.painted = false;
  grid.horizontalHeader()->setSortIndicator(column - 1, Qt::AscendingOrder);
  while (!watch.painted) app.processEvents();
  return grid.horizontalHeader()->sortIndicatorSection() == column - 1
             ? timer.nsecsElapsed() / 1e6
             : -1;
}

// A shown browse window refreshed over a database of n rows; with end,
// Ctrl+End after the first screen.
bool MeasureBrowse(QApplication& app, const QString& path, const QString& module,
                   const QString& rsName, int n, bool end, Figures* figures) {
  QString error;
  rd::DbConnection = rd::Connection::OpenSqlite(path, &error);
  if (!rd::DbConnection) {
    std::fprintf(stderr, "cannot open the database: %s\n", qPrintable(error));
    return false;
  }
  rd::frmSingleTable window;
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.SetModuleName(module);
  window.SetRsName(rsName);
  window.setWindowTitle(module);
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
  if (end) {
    // The status-bar totals are read after the first paint: not part of the jump.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) app.processEvents();
    figures->endMs = PressCtrlEnd(app, *window.vsData(), watch);
    figures->endExtraMb = RssMb() - rssBefore;
    // By Name: the third column.
    figures->sortedFirstMs = SortByCaption(app, *window.vsData(), watch, 3);
    figures->sortedEndMs = PressCtrlEnd(app, *window.vsData(), watch);
    figures->sortedPageUpMs = PressPageUps(app, *window.vsData(), watch, 8);
    // Print's full read, with a preview closed as soon as it is shown.
    int previews = 0;
    rd::ReportPreview::SetHandler([&previews](const rd::Report&, bool) { ++previews; });
    const double rssBeforePrint = RssMb();
    window.tbrMain()->Button("Print")->trigger();
    app.processEvents();
    figures->printExtraMb = RssMb() - rssBeforePrint;
    figures->printed = previews == 1;
    rd::ReportPreview::SetHandler({});
  }
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
  rd::LanguageFile = QStringLiteral(RD_SOURCE_DIR "/resources/Language/1033.ini");
  rd::ServerType = "ACCESS";
  rd::ConfigFile = dir.filePath("Config.ini");
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = "admin";
  rd::Ui::Install(std::make_unique<benchsample::ConsoleUi>());
  // A small run (RD_BENCH_SMALL) only shows that the bench runs to its end.
  const bool small = !qEnvironmentVariableIsEmpty("RD_BENCH_SMALL");

  const std::vector<std::pair<int, const char*>> sizes =
      small ? std::vector<std::pair<int, const char*>>{{1000, "1k"}}
            : std::vector<std::pair<int, const char*>>{{10000, "10k"}, {100000, "100k"},
                                                       {1000000, "1m"}};
  QString largest;
  for (const auto& [n, name] : sizes) {
    const QString path = dir.filePath(QStringLiteral("bench_%1.db").arg(name));
    QString error;
    QStringList scripts = benchsample::Scripts();
    scripts << QString::fromLatin1(kScript).arg(n) << FieldRows();
    if (!rd::CreateSqliteDatabase(path, scripts, &error)) {
      std::fprintf(stderr, "cannot build the database: %s\n", qPrintable(error));
      return 1;
    }
    Figures figures;
    if (!MeasureBrowse(app, path, "Bills", "Bills", n, false, &figures)) return 1;
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

  // The sample's Customers module; the sample itself holds 10 customers.
  const QByteArray customers =
      "select ID,Code,Name,City,Phone,Email,CreditLimit,Active,Remark from Customer";
  const std::vector<std::pair<int, const char*>> samples =
      small ? std::vector<std::pair<int, const char*>>{{100, "100"}, {1000, "1k"}}
            : std::vector<std::pair<int, const char*>>{{10000, "10k"}, {1000000, "1m"}};
  for (const auto& [n, name] : samples) {
    const QString path = dir.filePath(QStringLiteral("sample_%1.db").arg(name));
    QString error;
    if (!rd::CreateSqliteDatabase(path, SampleScripts(n), &error)) {
      std::fprintf(stderr, "cannot build the sample database: %s\n", qPrintable(error));
      return 1;
    }
    Figures figures;
    const bool large = &n == &samples.back().first;
    if (!MeasureBrowse(app, path, "Customers", "Customer", n + 10, large, &figures)) return 1;
    std::printf("first_screen_sample_%s: %.1f ms\n", name, figures.firstScreenMs);
    if (!large) continue;
    std::printf("end_1m: %.1f ms\n", figures.endMs);
    std::printf("extra_memory_end_1m: %.1f MB\n", figures.endExtraMb);
    std::printf("sorted_first_screen_1m: %.1f ms\n", figures.sortedFirstMs);
    std::printf("sorted_end_1m: %.1f ms\n", figures.sortedEndMs);
    std::printf("sorted_page_up_1m: %.1f ms\n", figures.sortedPageUpMs);
    std::printf("extra_memory_print_1m: %.1f MB\n", figures.printExtraMb);
    std::printf("sqlite_sorted_first_100_1m: %.1f ms\n",
                SqliteReadMs(path, customers + " ORDER BY Name LIMIT 100", &rows));
    std::printf("sqlite_sorted_ids_1m: %.1f ms\n",
                SqliteReadMs(path, "select ID from Customer order by Name, ID", &rows));
    if (figures.endMs < 0 || figures.sortedFirstMs < 0 || figures.sortedEndMs < 0 ||
        !figures.printed) {
      std::fprintf(stderr, "a jump, a sort or the print did not reach its rows\n");
      return 1;
    }
    const QByteArray total = QByteArray::number(n + 10);
    std::printf("sqlite_count_sample_1m: %.1f ms\n",
                SqliteReadMs(path, "select count(*) from (" + customers + ")", &rows));
    std::printf("sqlite_first_100_sample_1m: %.1f ms\n",
                SqliteReadMs(path, customers + " ORDER BY Code LIMIT 100", &rows));
    std::printf("sqlite_last_page_offset_1m: %.1f ms\n",
                SqliteReadMs(path,
                             customers + " ORDER BY Code LIMIT 100 OFFSET " +
                                 QByteArray::number(n + 10 - 100),
                             &rows));
    std::printf("sqlite_last_page_desc_1m: %.1f ms\n",
                SqliteReadMs(path, customers + " ORDER BY Code DESC LIMIT 100", &rows));
  }
  return 0;
}
