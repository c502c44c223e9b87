// Opens 100,000 rows x 11 columns and shows them in a grid.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>

#include "BenchProbes.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlScript.h"
#include "platform/widgets/FlexGrid.h"

using benchprobes::PaintWatch;
using benchprobes::RssMb;

namespace {

const char* kScript =
    "create table Bills (ID integer primary key, CustomerID integer, Quantity integer, "
    "Status integer, Price real, Amount real, Discount real, Customer text, Item text, "
    "Code text, Note text);"
    "insert into Bills select x, x % 5000, x % 97, x % 3, (x % 1000) / 7.0, x * 1.25, "
    "(x % 10) / 100.0, 'Customer ' || (x % 5000), 'Item-' || (x % 977), printf('%08d', x * 7), "
    "'Remark on bill number ' || x from (with recursive c(x) as (select 1 union all "
    "select x + 1 from c where x < 100000) select x from c);";

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QTemporaryDir dir;
  const QString path = dir.filePath("bench.db");
  QString error;
  if (!rd::CreateSqliteDatabase(path, {QString::fromLatin1(kScript)}, &error)) {
    std::fprintf(stderr, "cannot build the database: %s\n", qPrintable(error));
    return 1;
  }
  std::unique_ptr<rd::Connection> db = rd::Connection::OpenSqlite(path, &error);
  if (!db) {
    std::fprintf(stderr, "cannot open the database: %s\n", qPrintable(error));
    return 1;
  }

  QWidget window;
  window.resize(1200, 800);
  auto* layout = new QVBoxLayout(&window);
  auto* grid = new rd::FlexGrid(&window);
  layout->addWidget(grid);
  PaintWatch watch;
  grid->viewport()->installEventFilter(&watch);
  window.show();
  while (!watch.painted) app.processEvents();

  const double rssBefore = RssMb();
  QElapsedTimer total;
  total.start();
  rd::Recordset rs;
  if (!rs.Open("select * from Bills", *db)) {
    std::fprintf(stderr, "cannot read: %s\n", qPrintable(rs.LastError()));
    return 1;
  }
  const double readMs = total.nsecsElapsed() / 1e6;
  const double recordsetMb = RssMb() - rssBefore;
  watch.painted = false;
  grid->SetDataSource(rs);
  grid->Refresh();
  while (!watch.painted) app.processEvents();
  const double firstScreenMs = total.nsecsElapsed() / 1e6;
  const double extraMb = RssMb() - rssBefore;

  if (grid->Rows() != 100001 || grid->Cols() != 12) {
    std::fprintf(stderr, "unexpected grid size %d x %d\n", grid->Rows(), grid->Cols());
    return 1;
  }
  std::printf("sqlite_read: %.1f ms\n", readMs);
  std::printf("first_screen: %.1f ms\n", firstScreenMs);
  std::printf("bind_and_paint: %.1f ms\n", firstScreenMs - readMs);
  std::printf("extra_memory: %.1f MB\n", extraMb);
  std::printf("recordset_memory: %.1f MB\n", recordsetMb);

  QElapsedTimer sort;
  sort.start();
  grid->sortByColumn(7, Qt::AscendingOrder);
  std::printf("sort_text_column: %.1f ms\n", sort.nsecsElapsed() / 1e6);
  return 0;
}
