#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/db/PagedQuery.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlScript.h"
#include "platform/widgets/FlexGrid.h"

using rd::FlexGrid;
using rd::Recordset;

namespace {

enum Edit { SetText, Append, InsertFirst, RemoveSecond, MoveLastToFirst, MoveFirstToLast,
            SortNameUp, SortQtyUp, SortQtyDown, AppendThenSortQty };

// Every shown cell and head must read as TextMatrix does.
void CompareShownWithTextMatrix(const FlexGrid& grid) {
  const QAbstractItemModel* model = grid.model();
  QCOMPARE(model->rowCount(), grid.Rows() - 1);
  QCOMPARE(model->columnCount(), grid.Cols() - 1);
  for (int c = 1; c < grid.Cols(); ++c)
    QCOMPARE(model->headerData(c - 1, Qt::Horizontal).toString(), grid.TextMatrix(0, c));
  for (int r = 1; r < grid.Rows(); ++r) {
    QCOMPARE(model->headerData(r - 1, Qt::Vertical).toString(), grid.TextMatrix(r, 0));
    for (int c = 1; c < grid.Cols(); ++c)
      QCOMPARE(model->index(r - 1, c - 1).data().toString(), grid.TextMatrix(r, c));
  }
}

QString Column(const FlexGrid& grid, int col) {
  QStringList texts;
  for (int r = 1; r < grid.Rows(); ++r) texts << grid.TextMatrix(r, col);
  return texts.join(',');
}

}  // namespace

class TestFlexGrid : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::unique_ptr<rd::Connection> db_;
  Recordset rs_;

  void Bind(FlexGrid& grid) { grid.SetDataSource(rs_); }

 private slots:
  void initTestCase() {
    QString error;
    const QString path = dir_.filePath("grid.db");
    QVERIFY2(rd::CreateSqliteDatabase(
                 path,
                 {"create table t (ID integer primary key, Name text, Qty real, Note text);"
                  "insert into t values (1, 'b', 10, 'x');"
                  "insert into t values (2, 'A', 9.5, null);"
                  "insert into t values (3, 'c', null, 'z');"
                  "insert into t values (4, 'd', 100, 'y');"
                  "create table m (ID integer primary key, V);"
                  "insert into m (V) values (10), (9), ('10'), ('9'), (''), (null), ('abc'),"
                  " ('ABD'), ('_x'), ('Zed'), (2.5), ('Ã©'), ('b'),"
                  " (9007199254740993), (9007199254740992);"},
                 &error),
             qPrintable(error));
    db_ = rd::Connection::OpenSqlite(path, &error);
    QVERIFY2(db_, qPrintable(error));
    QVERIFY(rs_.Open("select * from t order by ID", *db_));
  }

  // Numbers, digits stored as text, empty and NULL cells, integers beyond
  // 2^53: one order whether the database sorts (paged) or the grid does.
  void captionSortIsOneOrderPagedOrNot_data() {
    QTest::addColumn<bool>("descending");
    QTest::newRow("ascending") << false;
    QTest::newRow("descending") << true;
  }
  void captionSortIsOneOrderPagedOrNot() {
    QFETCH(bool, descending);
    const Qt::SortOrder order = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    auto ids = [](const FlexGrid& grid) {
      QStringList texts;
      for (int r = 1; r < grid.Rows(); ++r) texts << grid.TextMatrix(r, 1);
      return texts;
    };
    rd::PagedQuery::Failure failure;
    FlexGrid paged;
    paged.SetPagedSource(rd::PagedQuery::Open([this] { return db_.get(); },
                                              rd::PagedQuery::Syntax::Limit, "select ID, V from m",
                                              "", &failure));
    QVERIFY2(failure.error.isEmpty(), qPrintable(failure.error));
    paged.sortByColumn(1, order);
    Recordset rs;
    QVERIFY(rs.Open("select ID, V from m", *db_));
    FlexGrid plain;
    plain.SetDataSource(rs);
    plain.sortByColumn(1, order);
    QStringList expected{"6", "5", "11", "2", "1", "15", "14", "3",
                         "4", "9", "7", "8", "13", "10", "12"};
    if (descending) std::reverse(expected.begin(), expected.end());
    QCOMPARE(ids(paged), expected);
    QCOMPARE(ids(plain), expected);
  }

  void bindingKeepsTheGridsNumbering() {
    FlexGrid grid;
    Bind(grid);
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid.Rows(), 5);
    QCOMPARE(grid.Cols(), 5);
    const QStringList fields{"ID", "Name", "Qty", "Note"};
    for (int c = 1; c <= 4; ++c) {
      QCOMPARE(grid.ColKey(c), fields[c - 1]);
      QCOMPARE(grid.TextMatrix(0, c), fields[c - 1]);
    }
    QCOMPARE(grid.TextMatrix(1, 1), QString("1"));
    QCOMPARE(grid.TextMatrix(2, 3), QString("9.5"));
    QCOMPARE(grid.TextMatrix(2, 4), QString());
    QCOMPARE(grid.TextMatrix(1, 0), QString());
    QCOMPARE(grid.TextMatrix(5, 1), QString());
    QCOMPARE(grid.TextMatrix(1, 5), QString());
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.SelectedRows(), 1);
    QCOMPARE(grid.DataSource().RecordCount(), 4);
    CompareShownWithTextMatrix(grid);

    grid.SetDataSource(Recordset());
    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.Cols(), 1);
    QCOMPARE(grid.Row(), -1);
    QCOMPARE(grid.SelectedRow(0), -1);
  }

  void editsAndSortsStayConsistent_data() {
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("names");
    QTest::newRow("set text") << int(SetText) << "b,X,c,d";
    QTest::newRow("append") << int(Append) << "b,A,c,d,e";
    QTest::newRow("insert at row 1") << int(InsertFirst) << "e,b,A,c,d";
    QTest::newRow("remove row 2") << int(RemoveSecond) << "b,c,d";
    QTest::newRow("move last to first") << int(MoveLastToFirst) << "d,b,A,c";
    QTest::newRow("move first to last") << int(MoveFirstToLast) << "A,c,d,b";
    QTest::newRow("sort text ignoring case") << int(SortNameUp) << "A,b,c,d";
    QTest::newRow("sort numbers, empty first") << int(SortQtyUp) << "c,A,b,d";
    QTest::newRow("sort numbers descending") << int(SortQtyDown) << "d,b,A,c";
    QTest::newRow("sort own and bound rows") << int(AppendThenSortQty) << "c,e,A,b,d";
  }
  void editsAndSortsStayConsistent() {
    QFETCH(int, edit);
    QFETCH(QString, names);
    FlexGrid grid;
    Bind(grid);
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    switch (Edit(edit)) {
      case SetText: QVERIFY(grid.SetTextMatrix(2, 2, "X")); break;
      case Append: QVERIFY(grid.AddItem("\t5\te\t7")); break;
      case InsertFirst: QVERIFY(grid.AddItem("\t5\te\t7", 1)); break;
      case RemoveSecond: QVERIFY(grid.RemoveItem(2)); break;
      case MoveLastToFirst: QVERIFY(grid.SetRowPosition(4, 1)); break;
      case MoveFirstToLast: QVERIFY(grid.SetRowPosition(1, 4)); break;
      case SortNameUp: grid.sortByColumn(1, Qt::AscendingOrder); break;
      case SortQtyUp: grid.sortByColumn(2, Qt::AscendingOrder); break;
      case SortQtyDown: grid.sortByColumn(2, Qt::DescendingOrder); break;
      case AppendThenSortQty:
        QVERIFY(grid.AddItem("\t5\te\t7"));
        grid.sortByColumn(2, Qt::AscendingOrder);
        break;
    }
    QCOMPARE(Column(grid, 2), names);
    QCOMPARE(grid.TextMatrix(0, 2), QString("Name"));
    CompareShownWithTextMatrix(grid);
    // The recordset and other grids bound to it see none of it.
    QCOMPARE(rs_.Cell(1, 1).toString(), QString("A"));
    FlexGrid other;
    Bind(other);
    QCOMPARE(Column(other, 2), QString("b,A,c,d"));
  }

  void editsOutsideTheGridChangeNothing() {
    FlexGrid grid;
    Bind(grid);
    QVERIFY(!grid.SetTextMatrix(5, 1, "x"));
    QVERIFY(!grid.SetTextMatrix(1, 5, "x"));
    QVERIFY(!grid.RemoveItem(0));
    QVERIFY(!grid.RemoveItem(5));
    QVERIFY(!grid.AddItem("x", 0));
    QVERIFY(!grid.AddItem("x", 6));
    QVERIFY(!grid.SetRowPosition(1, 5));
    QVERIFY(!grid.SetRows(0));
    QCOMPARE(grid.Rows(), 5);
    QCOMPARE(Column(grid, 2), QString("b,A,c,d"));
  }

  void unboundGridGrowsAndShrinks() {
    FlexGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.Cols(), 1);
    QVERIFY(grid.SetCols(4));
    QVERIFY(grid.SetRows(3));
    QVERIFY(grid.SetColKey(3, "Price"));
    QVERIFY(grid.SetTextMatrix(0, 3, "Price"));
    QVERIFY(grid.SetTextMatrix(2, 3, "x"));
    QCOMPARE(grid.TextMatrix(2, 3), QString("x"));
    QVERIFY(grid.SetCols(2));
    QCOMPARE(grid.TextMatrix(2, 3), QString());
    QVERIFY(grid.SetCols(4));
    QCOMPARE(grid.TextMatrix(2, 3), QString());  // nothing stale comes back
    QVERIFY(grid.AddItem(""));
    QCOMPARE(grid.Rows(), 4);
    QVERIFY(grid.SetRows(2));
    QCOMPARE(grid.Rows(), 2);
    CompareShownWithTextMatrix(grid);
  }

  void hiddenColumnsKeepTextAndWidth() {
    FlexGrid grid;
    Bind(grid);
    grid.SetColWidth(2, 1500);
    QCOMPARE(grid.ColWidth(2), 1500);
    grid.SetColHidden(2, true);
    QVERIFY(grid.ColHidden(2));
    QVERIFY(grid.isColumnHidden(1));
    QCOMPARE(grid.ColWidth(2), 1500);
    QCOMPARE(grid.TextMatrix(1, 2), QString("b"));
    grid.SetColWidth(2, 3000);
    grid.SetColHidden(2, false);
    QCOMPARE(grid.ColWidth(2), 3000);
    grid.Refresh();  // a width set by hand survives the fitting
    QCOMPARE(grid.ColWidth(2), 3000);
    grid.SetColHidden(0, true);
    QVERIFY(grid.ColHidden(0));
    QVERIFY(!grid.ColHidden(1));
  }

  void selectionListsRowsAscending() {
    FlexGrid grid;
    Bind(grid);
    grid.resize(500, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy rowChanges(&grid, &FlexGrid::RowColChange);
    QSignalSpy doubleClicks(&grid, &FlexGrid::DblClick);
    auto rowPoint = [&](int row) {
      return QPoint(grid.columnViewportPosition(1) + 5, grid.rowViewportPosition(row - 1) + 5);
    };
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rowPoint(4));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(2));
    QCOMPARE(grid.SelectedRows(), 2);
    QCOMPARE(grid.SelectedRow(0), 2);
    QCOMPARE(grid.SelectedRow(1), 4);
    QCOMPARE(grid.SelectedRow(2), -1);
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(rowChanges.last().at(0).toInt(), 2);

    QVERIFY(grid.RemoveItem(1));  // the selection follows its records
    QCOMPARE(grid.SelectedRow(0), 1);
    QCOMPARE(grid.SelectedRow(1), 3);
    grid.sortByColumn(1, Qt::DescendingOrder);  // d, c, A
    QCOMPARE(grid.SelectedRow(0), 1);
    QCOMPARE(grid.SelectedRow(1), 3);
    QCOMPARE(grid.TextMatrix(grid.SelectedRow(0), 2), QString("d"));

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, rowPoint(2));
    QCOMPARE(doubleClicks.size(), 1);
    QCOMPARE(doubleClicks.last().at(0).toInt(), 2);

    grid.SetRow(3);
    QCOMPARE(grid.SelectedRows(), 1);
    QCOMPARE(grid.SelectedRow(0), 3);
    grid.SetRow(0);
    QCOMPARE(grid.SelectedRows(), 0);
    QCOMPARE(grid.SelectedRow(0), -1);
  }

  void captionClickSortsRowsNotCaptions() {
    FlexGrid grid;
    Bind(grid);
    grid.resize(500, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QHeaderView* heads = grid.horizontalHeader();
    const QPoint nameHead(heads->sectionViewportPosition(1) + 5, heads->height() / 2);
    QTest::mouseClick(heads->viewport(), Qt::LeftButton, {}, nameHead);
    const QString first = Column(grid, 2);
    QTest::mouseClick(heads->viewport(), Qt::LeftButton, {}, nameHead);
    QCOMPARE(QSet<QString>({first, Column(grid, 2)}), QSet<QString>({"A,b,c,d", "d,c,b,A"}));
    QCOMPARE(grid.TextMatrix(0, 2), QString("Name"));
    QCOMPARE(grid.Rows(), 5);
  }
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flexgrid.moc"
