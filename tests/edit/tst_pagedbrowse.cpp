// A browse window over 10,010 customers reads its rows as they are reached;
// whatever reads the grid sees what a full read gives.
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

#include "browse/GridPrintSource.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "expressions/modExpressions.h"
#include "platform/report/ReportPreview.h"
#include "platform/widgets/FlexGridModel.h"
#include "platform/widgets/StatusBar.h"
#include "tst_editor_support.h"

using browsefixture::Click;
using browsefixture::Database;
using browsefixture::Panels;
using browsefixture::Select;

namespace {

constexpr int kCustomers = 10010;  // the sample's ten and the added ones
constexpr const char* kColumns = "ID,Code,Name,City,Phone,Email,CreditLimit,Active,Remark";

// Names in mixed case, some cities empty, limits with repeats: sorts that
// need the ID to settle ties.
void AddCustomers(int count = 10000) {
  Database::Exec(
      "insert into Customer (Code, Name, City, Phone, Email, CreditLimit, Active, Remark) "
      "select printf('P%05d', x), (case x % 3 when 0 then 'alder ' when 1 then 'Birch ' "
      "else 'CEDAR ' end) || (x * 7919 % 10000), case when x % 5 = 0 then null "
      "else 'Town ' || (x % 40) end, '01 ' || x, 'p' || x || '@example.com', (x % 13) * 250, "
      "x % 2, 'Paged customer ' || x from (with recursive c(x) as (select 1 union all "
      "select x + 1 from c where x < " + QString::number(count) + ") select x from c)");
}

rd::FlexGridModel& Model(rd::FlexGrid& grid) {
  return *static_cast<rd::FlexGridModel*>(grid.model());
}
int RowsRead(rd::FlexGrid& grid) { return grid.Paged()->HeldRows(); }

// Column texts of the database's own query, in its order.
QStringList Expected(const QString& column, const QString& orderBy) {
  rd::Recordset rs;
  if (!rd::OpenRecordset(QString("select %1 from Customer %2").arg(column, orderBy), rs))
    return {};
  QStringList texts;
  for (; !rs.Eof(); rs.MoveNext()) texts << rs.Fields(0).Text();
  return texts;
}
QStringList Shown(rd::FlexGrid& grid, int col) {
  QStringList texts;
  for (int r = 1; r < grid.Rows(); ++r) texts << grid.TextMatrix(r, col);
  return texts;
}
QString Dump() {
  return Expected(QString("quote(ID)||quote(Code)||quote(Name)||quote(City)||quote(Phone)||"
                          "quote(Email)||quote(CreditLimit)||quote(Active)||quote(Remark)"),
                  "order by ID")
      .join('\n');
}

// Every customer's cells by ID, as the database holds them now.
QMap<QString, QString> RowsById() {
  rd::Recordset rs;
  QMap<QString, QString> rows;
  if (!rd::OpenRecordset(QString("select %1 from Customer").arg(kColumns), rs)) return rows;
  for (; !rs.Eof(); rs.MoveNext()) {
    QStringList cells;
    for (int c = 0; c < rs.FieldCount(); ++c) cells << rs.Fields(c).Text();
    rows.insert(cells[0], cells.join('|'));
  }
  return rows;
}
QString ShownRow(rd::FlexGrid& grid, int row) {
  QStringList cells;
  for (int c = 1; c < grid.Cols(); ++c) cells << grid.TextMatrix(row, c);
  return cells.join('|');
}

// Another user on a connection of its own, with a short wait for locks on
// the program's connection.
// The browse window shown at 600 x 400, its first rows read.
bool Shown(editorsupport::Bench& bench) {
  bench.browse->resize(600, 400);
  bench.browse->show();
  if (!QTest::qWaitForWindowExposed(bench.browse.get())) return false;
  QCoreApplication::processEvents();
  return true;
}

std::unique_ptr<rd::Connection> OtherUser(editorsupport::Bench& bench) {
  QString error;
  std::unique_ptr<rd::Connection> other =
      rd::Connection::OpenSqlite(bench.db.Folder().DatabasePath(), &error);
  if (!other) qFatal("%s", qPrintable(error));
  if (!rd::DbConnection->Execute("PRAGMA busy_timeout = 50")) qFatal("no busy timeout");
  return other;
}

// The rows in view as the model holds them, without reading any.
void CheckViewAgainstDatabase(rd::FlexGrid& grid, rd::BrowseWindow& browse) {
  const QStringList ids = Expected("ID", "ORDER BY Code");
  const QMap<QString, QString> rows = RowsById();
  QCOMPARE(grid.Rows() - 1, int(ids.size()));
  QCOMPARE(Panels(browse).value(0), QString("Records: %1").arg(ids.size()));
  const int top = grid.verticalScrollBar()->value();
  const int shown = grid.viewport()->height() / grid.verticalHeader()->defaultSectionSize();
  QVERIFY(shown > 5);
  for (int r = top; r < std::min<int>(top + shown, ids.size()); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.model()->columnCount(); ++c)
      cells << grid.model()->index(r, c).data().toString();
    QCOMPARE(cells.join('|'), rows.value(ids[r]));
  }
}

void CtrlEnd(rd::FlexGrid& grid) {
  QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
  QCoreApplication::processEvents();
}

}  // namespace

class TestPagedBrowse : public QObject {
  Q_OBJECT
 private slots:
  void countTotalsAndRowsAreThoseOfAFullRead();
  void editorOnAnUnreadRowSavesThatRecord();
  void sortByCaptionIsTheDatabaseOrder_data();
  void sortByCaptionIsTheDatabaseOrder();
  void deleteOfASelectionReachesUnreadRows();
  void writerElsewhereMeetsNoOpenRead();
  void refreshReleasesTheRowsItReplaces();
  void printLetsGoOfTheRowsReadForIt_data();
  void printLetsGoOfTheRowsReadForIt();
  void busyDatabaseIsSaidOnceAndReadOnTheNextAction();
  void windowGrownDuringALockShowsNoEmptyRecord();
  void deleteDuringAWriteLockIsSaidBusyAndDeletesNothing();
  void actionsAfterAnotherUsersChangeTakeTheSelectedRecord_data();
  void actionsAfterAnotherUsersChangeTakeTheSelectedRecord();
  void otherUsersChangesLeaveNoRowBlankOrTwice_data();
  void otherUsersChangesLeaveNoRowBlankOrTwice();
  void changesBetweenMovesShowTheDatabase_data();
  void changesBetweenMovesShowTheDatabase();
  void jumpsReadOnlyThePagesShown();
  void damagedPagesAreNamedOnce();
};

void TestPagedBrowse::countTotalsAndRowsAreThoseOfAFullRead() {
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  QCOMPARE(grid.Rows(), kCustomers + 1);
  QVERIFY2(RowsRead(grid) < 500, qPrintable(QString::number(RowsRead(grid))));
  const QString total = rd::GetSqlValue("select sum(CreditLimit) from Customer", "#,##0.00");
  QCOMPARE(Panels(*bench.browse),
           (QStringList{"Records: 10010", "Total credit limit: " + total}));
  QCOMPARE(Shown(grid, 2), Expected("Code", "ORDER BY Code"));
  // What printing reads: every row, in the grid's order.
  const rd::GridPrintSource printed =
      rd::GridPrintSource::Read(*bench.browse, grid, *bench.browse->stbTemplate(), 1);
  QCOMPARE(printed.rows.RecordCount(), kCustomers);
  rd::Recordset rows = printed.rows;
  rows.SetAbsolutePosition(9000);
  QCOMPARE(rows.Text("Code"), grid.TextMatrix(9000, 2));
}

void TestPagedBrowse::editorOnAnUnreadRowSavesThatRecord() {
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  const int row = 9000;
  QVERIFY(RowsRead(*bench.browse->vsData()) < row);
  const QString code = Expected("Code", "ORDER BY Code").value(row - 1);
  const QString before = Dump();

  rd::frmEdit& unchanged = bench.Open(1, row);
  QCOMPARE(bench.Get("Code"), code);
  QVERIFY(unchanged.SaveData());
  QCOMPARE(Dump(), before);

  rd::frmEdit& changed = bench.Open(1, row);
  bench.Set("Name", "Renamed");
  QVERIFY(changed.SaveData());
  QCOMPARE(bench.Cell("select Name from Customer where Code='" + code + "'"), QString("Renamed"));
  QCOMPARE(bench.Cell("select count(*) from Customer where Name='Renamed'"), QString("1"));
  QCOMPARE(bench.db.Ui().boxes.size(), 0);
}

void TestPagedBrowse::sortByCaptionIsTheDatabaseOrder_data() {
  QTest::addColumn<int>("column");
  QTest::addColumn<bool>("descending");
  QTest::addColumn<QString>("orderBy");
  const QString empty = "order by (%1 is null or %1 = '')";
  QTest::newRow("name, case ignored")
      << 3 << false << empty.arg("Name") + " desc, Name collate nocase, ID";
  QTest::newRow("name descending")
      << 3 << true << empty.arg("Name") + ", Name collate nocase desc, ID desc";
  QTest::newRow("city, empty first")
      << 4 << false << empty.arg("City") + " desc, City collate nocase, ID";
  QTest::newRow("limit, ties by ID")
      << 7 << true << empty.arg("CreditLimit") + ", CreditLimit desc, ID desc";
}

void TestPagedBrowse::sortByCaptionIsTheDatabaseOrder() {
  QFETCH(int, column);
  QFETCH(bool, descending);
  QFETCH(QString, orderBy);
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  const Qt::SortOrder order = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
  grid.horizontalHeader()->setSortIndicator(column - 1, order);
  QVERIFY(RowsRead(grid) < 500);
  QCOMPARE(grid.Row(), 1);
  const QStringList ids = Expected("ID", orderBy);
  QCOMPARE(Shown(grid, 1), ids);
  // Kept by a refresh, and followed by printing.
  QVERIFY(bench.browse->RefreshData());
  QCOMPARE(grid.horizontalHeader()->sortIndicatorSection(), column - 1);
  QCOMPARE(grid.TextMatrix(5000, 1), ids[4999]);
  const rd::Recordset printed =
      rd::GridPrintSource::Read(*bench.browse, grid, *bench.browse->stbTemplate(), 1).rows;
  QStringList printedIds;
  for (int r = 0; r < printed.RecordCount(); ++r) printedIds << printed.Cell(r, 0).toString();
  QCOMPARE(printedIds, ids);
}

void TestPagedBrowse::deleteOfASelectionReachesUnreadRows() {
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  const QStringList codes = Expected("Code", "ORDER BY Code");
  QList<int> rows;
  for (int r = 50; r <= 9500; r += 50) rows << r;
  Select(grid, rows);
  Click(*bench.browse, "Delete");
  QCOMPARE(bench.db.Ui().texts().size(), 1);  // the question only
  QCOMPARE(bench.Cell("select count(*) from Customer"),
           QString::number(kCustomers - rows.size()));
  for (int r : {50, 4750, 9500})
    QCOMPARE(bench.Cell("select count(*) from Customer where Code='" + codes[r - 1] + "'"),
             QString("0"));
  QCOMPARE(bench.Cell("select count(*) from Customer where Code='" + codes[50] + "'"),
           QString("1"));
}

void TestPagedBrowse::writerElsewhereMeetsNoOpenRead() {
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  QVERIFY(RowsRead(grid) < kCustomers);
  // Another user's save, on a connection of its own, while the grid is half read.
  QString error;
  std::unique_ptr<rd::Connection> other =
      rd::Connection::OpenSqlite(bench.db.Folder().DatabasePath(), &error);
  QVERIFY2(other, qPrintable(error));
  {
    rd::Transaction save(*other);
    QVERIFY(save.Started());
    QVERIFY2(other->Execute("update Customer set Remark='changed' where Code='P09990'"),
             qPrintable(other->LastError()));
    QVERIFY2(save.Commit(), qPrintable(other->LastError()));
  }
  // Rows read later show the database as it is then.
  const int row = Expected("Code", "ORDER BY Code").indexOf("P09990") + 1;
  QCOMPARE(grid.TextMatrix(row, 9), QString("changed"));
}

void TestPagedBrowse::refreshReleasesTheRowsItReplaces() {
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  QCOMPARE(grid.FinishRead(), rd::PagedQuery::Status::Read);
  std::weak_ptr<const rd::QueryResult> old = Model(grid).BoundRows();
  QCOMPARE(old.lock()->rowCount(), kCustomers);
  QVERIFY(bench.browse->RefreshData());
  QVERIFY(old.expired());
  QVERIFY(RowsRead(grid) < 500);
}

void TestPagedBrowse::printLetsGoOfTheRowsReadForIt_data() {
  QTest::addColumn<bool>("heldBefore");
  QTest::newRow("read for the printout") << false;
  QTest::newRow("held before") << true;
}

void TestPagedBrowse::printLetsGoOfTheRowsReadForIt() {
  QFETCH(bool, heldBefore);
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  QVERIFY(Shown(bench));
  Select(grid, {40});
  const QString code = grid.TextMatrix(40, 2);
  if (heldBefore) QCOMPARE(grid.FinishRead(), rd::PagedQuery::Status::Read);
  int previews = 0, heldWhilePrinting = 0;
  rd::ReportPreview::SetHandler([&](const rd::Report&, bool) {
    ++previews;
    heldWhilePrinting = RowsRead(grid);
  });
  Click(*bench.browse, "Print");
  rd::ReportPreview::SetHandler({});
  QCOMPARE(previews, 1);
  QCOMPARE(heldWhilePrinting, kCustomers);
  if (heldBefore)
    QCOMPARE(RowsRead(grid), kCustomers);
  else
    QVERIFY2(RowsRead(grid) < 500, qPrintable(QString::number(RowsRead(grid))));
  QVERIFY(grid.Paged()->Holds(grid.rowAt(0), grid.rowAt(grid.viewport()->height() - 1)));
  QCOMPARE(grid.ActionRow(), 40);
  QCOMPARE(grid.TextMatrix(40, 2), code);
  QCOMPARE(bench.db.Ui().boxes.size(), 0);
}

void TestPagedBrowse::busyDatabaseIsSaidOnceAndReadOnTheNextAction() {
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  // Shown, so that the totals are read before the other user locks.
  QVERIFY(Shown(bench));
  const QStringList codes = Expected("Code", "ORDER BY Code");
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  QVERIFY2(other->Execute("BEGIN EXCLUSIVE"), qPrintable(other->LastError()));
  QVERIFY(other->Execute("update Customer set Remark = 'locked' where ID = 1"));
  const QString busy = rd::GetLangString(1275);
  const int held = RowsRead(grid);

  CtrlEnd(grid);
  QCOMPARE(bench.db.Ui().texts(), QStringList{busy});
  QCOMPARE(grid.Row(), 1);
  QCOMPARE(grid.verticalScrollBar()->value(), 0);
  QCOMPARE(RowsRead(grid), held);
  QCOMPARE(grid.TextMatrix(1, 2), codes[0]);
  // Scrolling without a user action tries nothing more.
  grid.verticalScrollBar()->setValue(1500);
  QCoreApplication::processEvents();
  QCOMPARE(grid.verticalScrollBar()->value(), 0);
  QCOMPARE(bench.db.Ui().texts().size(), 1);

  // A caption sort keeps rows, order and count.
  grid.horizontalHeader()->setSortIndicator(2, Qt::DescendingOrder);
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts(), (QStringList{busy, busy}));
  QCOMPARE(grid.Rows(), 3011);
  QCOMPARE(grid.TextMatrix(1, 2), codes[0]);
  QCOMPARE(grid.horizontalHeader()->sortIndicatorSection(), -1);
  QCOMPARE(Panels(*bench.browse).value(0), QString("Records: 3010"));

  // An editor on an unread row refuses with the same message.
  Select(grid, {2500});
  QVERIFY(!bench.browse->ModifyData());
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts(), (QStringList{busy, busy, busy}));

  // A drag that cannot read says so once the scroll bar is let go, so that
  // the box does not take the release.
  QScrollBar* bar = grid.verticalScrollBar();
  bar->setSliderDown(true);
  bar->setValue(1500);
  QCoreApplication::processEvents();
  QCOMPARE(bar->value(), 0);
  QCOMPARE(bench.db.Ui().texts().size(), 3);
  bar->setSliderDown(false);
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts(), (QStringList{busy, busy, busy, busy}));

  QVERIFY(other->Execute("ROLLBACK"));
  grid.SetRow(1);
  CtrlEnd(grid);
  QCOMPARE(bench.db.Ui().texts().size(), 4);
  QCOMPARE(grid.Row(), 3010);
  QCOMPARE(grid.TextMatrix(3010, 2), codes.last());
  QVERIFY(grid.Paged()->Holds(2990, 3009));
}

void TestPagedBrowse::deleteDuringAWriteLockIsSaidBusyAndDeletesNothing() {
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  const QString code = grid.TextMatrix(30, 2);
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  QVERIFY2(other->Execute("BEGIN IMMEDIATE"), qPrintable(other->LastError()));
  QVERIFY(other->Execute("update Customer set Remark = 'locked' where ID = 1"));
  Select(grid, {30});
  Click(*bench.browse, "Delete");
  QCoreApplication::processEvents();
  const QString question = rd::GetLangString(1023);
  QCOMPARE(bench.db.Ui().texts(), (QStringList{question, rd::GetLangString(1275)}));
  QVERIFY(other->Execute("ROLLBACK"));
  QCOMPARE(bench.Cell("select count(*) from Customer"), QString("3010"));
  QCOMPARE(grid.Rows(), 3011);

  // Once the lock is gone the same selection is deleted.
  Click(*bench.browse, "Delete");
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts().size(), 3);
  QCOMPARE(bench.Cell("select count(*) from Customer"), QString("3009"));
  QCOMPARE(bench.Cell("select count(*) from Customer where Code='" + code + "'"), QString("0"));
}

void TestPagedBrowse::actionsAfterAnotherUsersChangeTakeTheSelectedRecord_data() {
  QTest::addColumn<QString>("change");
  QTest::addColumn<bool>("scrollAway");
  QTest::addColumn<QString>("action");
  QTest::addColumn<bool>("sorted");
  const QString insertFirst =
      "insert into Customer (Code, Name) values ('00001', 'First a'), ('00002', 'First b'), "
      "('00003', 'First c')";
  const QString deleteFirst = "delete from Customer where Code between 'P00001' and 'P00005'";
  for (const QString action : {"Delete", "Modify"}) {
    const QByteArray name = action.toUtf8();
    const char* a = name.constData();
    QTest::addRow("insert before, in view, %s", a) << insertFirst << false << action << false;
    QTest::addRow("insert before, let go, %s", a) << insertFirst << true << action << false;
    QTest::addRow("delete before, in view, %s", a) << deleteFirst << false << action << false;
    QTest::addRow("delete before, let go, %s", a) << deleteFirst << true << action << false;
    QTest::addRow("by name, insert before, let go, %s", a) << insertFirst << true << action << true;
    QTest::addRow("by name, delete before, let go, %s", a) << deleteFirst << true << action << true;
  }
}

// The action is refused once with the list read again, or takes the
// selected record; never another one. Tried again, it takes the selected
// record, which the selection followed even where its page was let go.
void TestPagedBrowse::actionsAfterAnotherUsersChangeTakeTheSelectedRecord() {
  QFETCH(QString, change);
  QFETCH(bool, scrollAway);
  QFETCH(QString, action);
  QFETCH(bool, sorted);
  editorsupport::Bench bench;
  AddCustomers();
  bench.Browse("Customers", "Customer");
  QStringList opened;
  rd::WindowRegistry::Register("frmEdit", [](QWidget* parent) -> QWidget* {
    return new rd::frmEdit(parent);
  });
  rd::FlexGrid& grid = *bench.browse->vsData();
  bench.browse->resize(600, 400);
  bench.browse->show();
  QVERIFY(QTest::qWaitForWindowExposed(bench.browse.get()));
  if (sorted) grid.horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
  const QString code = grid.TextMatrix(30, 2);
  QCOMPARE(code, sorted ? Expected("Code", "order by Name collate nocase, ID")[29]
                        : QString("P00020"));
  Select(grid, {30});
  if (scrollAway) {
    // Far enough, page by page, for the first pages to be let go.
    for (int top = 4000; top <= 9000 && grid.Paged()->Holds(29, 29); top += 100) {
      grid.verticalScrollBar()->setValue(top);
      QCoreApplication::processEvents();
    }
    QVERIFY(!grid.Paged()->Holds(29, 29));
  }
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  QVERIFY2(other->Execute(change), qPrintable(other->LastError()));
  const QString othersSql = "select group_concat(ID) from (select ID from Customer where Code<>'" +
                            code + "' order by ID)";
  const QString others = bench.Cell(othersSql);

  const auto act = [&] {
    if (action == "Modify") {
      QTimer::singleShot(0, [&opened] {
        auto* editor = dynamic_cast<rd::frmEdit*>(QApplication::activeModalWidget());
        if (!editor) return;
        opened << editor->Fields().Value(*editor->Fields().FindField("Code"));
        editor->close();
      });
    }
    Click(*bench.browse, action);
    QCoreApplication::processEvents();
  };
  act();
  const QString reread = rd::GetLangString(1276);
  const bool refused = bench.db.Ui().texts().contains(reread);
  const QString left = bench.Cell("select count(*) from Customer where Code='" + code + "'");
  if (action == "Delete")
    QCOMPARE(left, QString(refused ? "1" : "0"));
  else
    QCOMPARE(opened, refused ? QStringList{} : QStringList{code});
  if (refused) {
    QCOMPARE(bench.db.Ui().texts().count(reread), 1);
    // Tried again, the action takes the record still selected, or nothing.
    act();
    if (action == "Delete")
      QCOMPARE(bench.Cell("select count(*) from Customer where Code='" + code + "'"), QString("0"));
    else
      QCOMPARE(opened, QStringList{code});
  }
  QCOMPARE(bench.Cell(othersSql), others);
  QVERIFY(opened.isEmpty() || opened == QStringList{code});
}

void TestPagedBrowse::otherUsersChangesLeaveNoRowBlankOrTwice_data() {
  QTest::addColumn<QString>("change");
  QTest::newRow("delete read rows") << "delete from Customer where Code between 'P00040' and 'P00049'";
  QTest::newRow("delete unread rows")
      << "delete from Customer where Code between 'P02000' and 'P02019'";
  QTest::newRow("insert before the read rows")
      << "insert into Customer (Code, Name) select 'P0000' || x, 'New ' || x from "
         "(select 1 as x union select 2 union select 3)";
  QTest::newRow("insert among unread rows")
      << "insert into Customer (Code, Name) select 'P02500' || x, 'New ' || x from "
         "(select 1 as x union select 2 union select 3)";
  QTest::newRow("update a row") << "update Customer set Name = 'Renamed' where Code = 'P01500'";
}

void TestPagedBrowse::otherUsersChangesLeaveNoRowBlankOrTwice() {
  QFETCH(QString, change);
  editorsupport::Bench bench;
  AddCustomers(3000);
  const QMap<QString, QString> before = RowsById();
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  // Rows held at the top and further down, from before the change.
  QCOMPARE(grid.ReadRows(1200, 1300), rd::PagedQuery::Status::Read);
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  QVERIFY2(other->Execute(change), qPrintable(other->LastError()));
  const QMap<QString, QString> after = RowsById();

  QVERIFY(grid.ReadRows(1, grid.Rows() - 1) != rd::PagedQuery::Status::Failed);
  QCOMPARE(RowsRead(grid), grid.Rows() - 1);
  QSet<QString> shown;
  for (int r = 1; r < grid.Rows(); ++r) {
    const QString id = grid.TextMatrix(r, 1);
    QVERIFY2(!id.isEmpty(), qPrintable(QString("row %1 is blank").arg(r)));
    QVERIFY2(!shown.contains(id), qPrintable("shown twice: " + id));
    shown.insert(id);
    const QString row = ShownRow(grid, r);
    QVERIFY2(row == before.value(id) || row == after.value(id), qPrintable(row));
  }
  for (const QString& id : before.keys())
    if (after.contains(id)) QVERIFY2(shown.contains(id), qPrintable("left out: " + id));
  QCOMPARE(Panels(*bench.browse).value(0), QString("Records: %1").arg(grid.Rows() - 1));
}

void TestPagedBrowse::changesBetweenMovesShowTheDatabase_data() {
  QTest::addColumn<QStringList>("change");
  QTest::addColumn<bool>("toEnd");
  QTest::newRow("two rows swap sides of a seam")
      << QStringList{"update Customer set Code='P02999a' where Code='C003'",
                     "update Customer set Code='C002a' where Code='P02990'"}
      << false;
  QTest::newRow("insert before the view, a held row moved down")
      << QStringList{"insert into Customer (Code, Name) values ('P00000a', 'New')",
                     "update Customer set Code='P00450a' where Code='P00150'"}
      << false;
  QTest::newRow("delete, a row moved up")
      << QStringList{"delete from Customer where Code='P00005'",
                     "update Customer set Code='P00050a' where Code='P00350'"}
      << false;
  QTest::newRow("mass delete to 500 rows")
      << QStringList{"delete from Customer where ID > 500"} << true;
}

// The window made taller while another user holds a write lock: the rows
// that come into view are marked as not read, told once, and read by the
// user's first action after the lock ends.
void TestPagedBrowse::windowGrownDuringALockShowsNoEmptyRecord() {
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  QVERIFY(Shown(bench));
  const QMap<QString, QString> rows = RowsById();
  const QStringList ids = Expected("ID", "ORDER BY Code");
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  QVERIFY2(other->Execute("BEGIN EXCLUSIVE"), qPrintable(other->LastError()));
  QVERIFY(other->Execute("update Customer set Remark = 'locked' where ID = 1"));

  const int rowHeight = grid.verticalHeader()->defaultSectionSize();
  const int tall = 400 + 300 * rowHeight;
  bench.browse->resize(600, tall);
  QCoreApplication::processEvents();
  bench.browse->resize(600, tall + 5 * rowHeight);
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts(), QStringList{rd::GetLangString(1275)});
  QCOMPARE(Panels(*bench.browse).value(0), QString("Records: 3010"));
  const int shown = grid.viewport()->height() / rowHeight;
  QVERIFY2(!grid.Paged()->Holds(0, shown - 1), "the grown window shows no unread row");
  const QString unread(rd::FlexGridModel::kUnreadMark);
  for (int r = 0; r < shown; ++r) {
    QStringList cells, marks;
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
      cells << grid.model()->index(r, c).data().toString();
      marks << unread;
    }
    if (cells != marks) QCOMPARE(cells.join('|'), rows.value(ids[r]));
  }

  QVERIFY(other->Execute("ROLLBACK"));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QCoreApplication::processEvents();
  QCOMPARE(bench.db.Ui().texts().size(), 1);
  CheckViewAgainstDatabase(grid, *bench.browse);
}

// Another user's change between two series of moves: the rows in view are
// the database's, and so is the count, however much changed.
void TestPagedBrowse::changesBetweenMovesShowTheDatabase() {
  QFETCH(QStringList, change);
  QFETCH(bool, toEnd);
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  grid.resize(600, 400);
  for (int i = 0; i < 10; ++i) QTest::keyClick(&grid, Qt::Key_PageDown);
  std::unique_ptr<rd::Connection> other = OtherUser(bench);
  for (const QString& sql : change) QVERIFY2(other->Execute(sql), qPrintable(other->LastError()));
  if (toEnd) {
    CtrlEnd(grid);
    QCOMPARE(grid.Row(), grid.Rows() - 1);
  } else {
    for (int i = 0; i < 10; ++i) QTest::keyClick(&grid, Qt::Key_PageDown);
  }
  QCoreApplication::processEvents();
  CheckViewAgainstDatabase(grid, *bench.browse);
  if (!toEnd) {
    // Back over the rows held from before the change, to the first.
    for (int i = 0; i < 12; ++i) QTest::keyClick(&grid, Qt::Key_PageUp);
    CheckViewAgainstDatabase(grid, *bench.browse);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCoreApplication::processEvents();
    CheckViewAgainstDatabase(grid, *bench.browse);
    return;
  }
  // Every row selected has its record.
  grid.selectAll();
  QCOMPARE(grid.SelectedRows(), grid.Rows() - 1);
  QCOMPARE(grid.FinishRead(), rd::PagedQuery::Status::Read);
  for (int i = 0; i < grid.SelectedRows(); ++i)
    QVERIFY(!grid.TextMatrix(grid.SelectedRow(i), 1).isEmpty());
}

void TestPagedBrowse::jumpsReadOnlyThePagesShown() {
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  grid.resize(600, 400);
  const QStringList codes = Expected("Code", "ORDER BY Code");
  CtrlEnd(grid);
  QCOMPARE(grid.Row(), 3010);
  QCOMPARE(grid.TextMatrix(3010, 2), codes.last());
  QVERIFY2(RowsRead(grid) <= 300, qPrintable(QString::number(RowsRead(grid))));
  // A scroll-bar drag to the middle reads the rows it shows there.
  grid.verticalScrollBar()->setValue(1500);
  QVERIFY(grid.Paged()->Holds(1500, 1510));
  QCOMPARE(grid.model()->index(1500, 1).data().toString(), codes[1500]);
  QVERIFY2(RowsRead(grid) <= 500, qPrintable(QString::number(RowsRead(grid))));
  QCOMPARE(bench.db.Ui().texts().size(), 0);
}

// A page read that meets a damaged file names the damage once, however
// often the user moves on, and writes are refused in the same words.
void TestPagedBrowse::damagedPagesAreNamedOnce() {
  editorsupport::Bench bench;
  AddCustomers(3000);
  bench.Browse("Customers", "Customer");
  rd::FlexGrid& grid = *bench.browse->vsData();
  grid.resize(600, 400);
  const QString path = bench.db.Folder().DatabasePath();
  // A small page cache, so that the last rows must come from the file;
  // then every page but the first is overwritten.
  QVERIFY(rd::DbConnection->Execute("PRAGMA cache_size = 4"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadWrite));
  constexpr qint64 kPage = 4096;
  const qint64 rest = file.size() - kPage;
  QVERIFY(file.seek(kPage));
  QCOMPARE(file.write(QByteArray(rest, '\xA5')), rest);
  file.close();

  CtrlEnd(grid);
  const QString damaged = rd::DbConnection->DamagedText();
  QVERIFY(!damaged.isEmpty());
  QCOMPARE(bench.db.Ui().texts(), QStringList{damaged});
  QCOMPARE(grid.TextMatrix(1, 2), QString("C001"));
  QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
  CtrlEnd(grid);
  QCOMPARE(bench.db.Ui().texts().size(), 1);
  QString error;
  QVERIFY(!rd::ExecuteSQL("update Customer set Remark = 'x' where ID = 1", &error));
  QCOMPARE(error, damaged);
}

QTEST_MAIN(TestPagedBrowse)
#include "tst_pagedbrowse.moc"
