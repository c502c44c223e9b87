#include <QDialog>
#include <QPointer>
#include <QtTest>

#include "BrowseFixture.h"
#include "browse/frmMultiTable.h"
#include "core/MasterDetailEditor.h"
#include "core/WindowRegistry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"

using browsefixture::Click;
using browsefixture::Database;
using browsefixture::Panels;
using browsefixture::Select;

namespace {

const QString kBill1 = "SB202401150001";  // ID 1, 3 lines
const QString kBill2 = "SB202402030002";  // ID 2, 2 lines
const QString kBill3 = "SB202403110003";  // ID 3, 4 lines

// Stands in for the master-detail editor and viewer: logs every member set,
// the build and the show, in order.
class FakeMasterDetail : public QDialog, public rd::MasterDetailEditor {
 public:
  using QDialog::QDialog;
  void SetForm(rd::ModuleWindow* form) override {
    this->form = form;
    calls << "Form";
  }
  void SetEditMode(int mode) override { calls << "EditMode=" + QString::number(mode); }
  void SetModuleName(const QString& v) override { calls << "ModuleName=" + v; }
  void SetRsName(const QString& v) override { calls << "RsName=" + v; }
  void SetRsName2(const QString& v) override { calls << "RsName2=" + v; }
  void SetRelation(const QString& v) override { calls << "Relation=" + v; }
  void SetID(int row) override { calls << "ID=" + QString::number(row); }
  bool Load() override {
    calls << "Load " + windowTitle();
    return true;
  }
  int exec() override {
    calls << "modal " + windowTitle();
    lastModal = calls;
    return QDialog::Accepted;
  }

  rd::ModuleWindow* form = nullptr;
  QStringList calls;
  static inline QStringList lastModal;
};

bool fakesRegistered = false;
// The fakes answer the registry while one of these lives.
struct FakesOn {
  FakesOn() { fakesRegistered = true; }
  ~FakesOn() { fakesRegistered = false; }
};
QList<QPointer<FakeMasterDetail>> viewers;

std::unique_ptr<rd::frmMultiTable> Open() {
  auto w = std::make_unique<rd::frmMultiTable>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->SetModuleName("SalesBills");
  w->SetRsName("SalesBill");
  w->SetRsName2("SalesBillLine");
  w->SetRelation("BillNo=BillNo");
  w->setWindowTitle("Sales Bills");
  w->InitControl();
  w->RefreshData();
  return w;
}

QStringList ShownBills(rd::frmMultiTable& w) {
  QStringList bills;
  for (int r = 1; r < w.vsData()->Rows(); ++r) bills << w.vsData()->TextMatrix(r, 2);
  return bills;
}

QStringList StoredBills() {
  QStringList bills;
  rd::Recordset rs;
  if (rd::OpenRecordset("select BillNo from SalesBill order by BillNo", rs))
    for (; !rs.Eof(); rs.MoveNext()) bills << rs.Fields(0).Value.toString();
  return bills;
}

int StoredLines() { return Database::Count("select count(*) from SalesBillLine"); }

// caption: the title the window already has when it builds.
QStringList Members(int mode, int id, const QString& caption) {
  QStringList calls{"Form",
                    "EditMode=" + QString::number(mode),
                    "ModuleName=SalesBills",
                    "RsName=SalesBill",
                    "RsName2=SalesBillLine",
                    "Relation=BillNo=BillNo"};
  if (id > 0) calls << "ID=" + QString::number(id);
  return calls << "Load " + caption;
}

}  // namespace

class TestMultiTable : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void countFollowsTheFilterTotalsDoNot_data();
  void countFollowsTheFilterTotalsDoNot();
  void deleteBills_data();
  void deleteBills();
  void deleteRunsDetailsBeforeEachMaster();
  void failedDeleteLeavesEveryRecordWhole_data();
  void failedDeleteLeavesEveryRecordWhole();
  void relationIsCheckedBeforeAnyStatement_data();
  void relationIsCheckedBeforeAnyStatement();
  void windowWithoutTwoColumnNamesDoesNotOpen();
  void editorGetsItsMembersInOrder();
  void viewerIsModelessAndReused();
  void unregisteredEditorsDoNothing();
};

void TestMultiTable::initTestCase() {
  for (const char* name : {"frmMultiEdit", "frmMultiView"})
    rd::WindowRegistry::Register(name, [name](QWidget* parent) -> QWidget* {
      if (!fakesRegistered) return nullptr;
      auto* fake = new FakeMasterDetail(parent);
      if (QByteArray(name) == "frmMultiView") viewers << fake;
      return fake;
    });
}

void TestMultiTable::countFollowsTheFilterTotalsDoNot_data() {
  QTest::addColumn<QString>("storedWhere");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QStringList>("bills");
  QTest::addColumn<QStringList>("panels");
  QTest::newRow("all bills") << "" << "" << QStringList{kBill1, kBill2, kBill3}
      << QStringList{"Records: 3", "Total sales: 462.10"};
  QTest::newRow("filter") << "" << "CustCode='C004'" << QStringList{kBill2}
      << QStringList{"Records: 1", "Total sales: 462.10"};
  QTest::newRow("stored condition and an Or filter") << "WHERE Total > 130"
      << "CustCode='C004' Or CustCode='C006'" << QStringList{kBill3}
      << QStringList{"Records: 1", "Total sales: 462.10"};
}

void TestMultiTable::countFollowsTheFilterTotalsDoNot() {
  QFETCH(QString, storedWhere);
  QFETCH(QString, filter);
  QFETCH(QStringList, bills);
  QFETCH(QStringList, panels);
  Database db;
  Database::Exec("update tblRecordset set WhereArea='" + rd::SqlStr(storedWhere) + "'" +
                 " where RsName='SalesBill'");
  auto w = Open();
  QVERIFY(w->RefreshData(filter));
  QCOMPARE(ShownBills(*w), bills);
  QCOMPARE(Panels(*w), panels);
  QCOMPARE(w->vsData()->TextMatrix(0, 2), QString("Bill No."));
  QVERIFY(w->vsData()->ColHidden(1));
  QCOMPARE(db.Ui().boxes.size(), 0);
}

void TestMultiTable::deleteBills_data() {
  QTest::addColumn<QStringList>("setup");
  QTest::addColumn<QString>("idText");  // written over column 1 of row 1 when set
  QTest::addColumn<QList<int>>("rows");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QStringList>("bills");
  QTest::addColumn<int>("lines");
  QTest::addColumn<int>("messages");
  const int ok = int(rd::MsgResult::Ok);
  QTest::newRow("two bills with their lines") << QStringList{} << "" << QList<int>{1, 3} << ok
      << QStringList{kBill2} << 2 << 1;
  QTest::newRow("cancel") << QStringList{} << "" << QList<int>{1} << int(rd::MsgResult::Cancel)
      << QStringList{kBill1, kBill2, kBill3} << 9 << 1;
  QTest::newRow("nothing selected still asks") << QStringList{} << "" << QList<int>{} << ok
      << QStringList{kBill1, kBill2, kBill3} << 9 << 1;
  QTest::newRow("a quote in the master value stays data")
      << QStringList{"update SalesBillLine set BillNo='X'' or ''a''=''a' where BillNo='" + kBill3 +
                         "'",
                     "update SalesBill set BillNo='X'' or ''a''=''a' where ID=3"}
      << "" << QList<int>{3} << ok << QStringList{kBill1, kBill2} << 5 << 1;
  QTest::newRow("longer placeholders stay as written")
      << QStringList{"update tblRecordset set DeleteSQL='Delete from SalesBillLine where "
                     "BillNo=''@BillNo'' and ''@BillNoOld'' like ''@%''' where RsName='SalesBillLine'",
                     "update tblRecordset set DeleteSQL='Delete from SalesBill where ID=@ID and "
                     "''@IDRef'' like ''@%''' where RsName='SalesBill'"}
      << "" << QList<int>{1} << ok << QStringList{kBill2, kBill3} << 6 << 1;
  QTest::newRow("a row without a record number keeps its lines") << QStringList{} << "0 or 1=1"
      << QList<int>{1, 2} << ok << QStringList{kBill1, kBill3} << 7 << 2;
}

void TestMultiTable::deleteBills() {
  QFETCH(QStringList, setup);
  QFETCH(QString, idText);
  QFETCH(QList<int>, rows);
  QFETCH(int, answer);
  QFETCH(QStringList, bills);
  QFETCH(int, lines);
  QFETCH(int, messages);
  Database db;
  for (const QString& sql : setup) Database::Exec(sql);
  auto w = Open();
  if (!idText.isEmpty()) w->vsData()->SetTextMatrix(1, 1, idText);
  Select(*w->vsData(), rows);
  db.Ui().answers << rd::MsgResult(answer);
  Click(*w, "Delete");
  QCOMPARE(db.Ui().boxes.size(), messages);
  QCOMPARE(db.Ui().boxes[0].text, QString("Delete the selected records?"));
  QCOMPARE(db.Ui().boxes[0].title, QString("Sales Bills"));
  QCOMPARE(StoredBills(), bills);
  QCOMPARE(StoredLines(), lines);
  QCOMPARE(ShownBills(*w), bills);
}

void TestMultiTable::deleteRunsDetailsBeforeEachMaster() {
  Database db;
  Database::Exec("create table DeleteLog (ID integer primary key autoincrement, Entry text)");
  Database::Exec(
      "create trigger logLine after delete on SalesBillLine"
      " begin insert into DeleteLog (Entry) values ('line ' || old.BillNo); end");
  Database::Exec(
      "create trigger logBill after delete on SalesBill"
      " begin insert into DeleteLog (Entry) values ('bill ' || old.BillNo); end");
  auto w = Open();
  Select(*w->vsData(), {3, 1});
  Click(*w, "Delete");
  QStringList log;
  rd::Recordset rs;
  QVERIFY(rd::OpenRecordset("select Entry from DeleteLog order by ID", rs));
  for (; !rs.Eof(); rs.MoveNext())
    if (log.isEmpty() || log.last() != rs.Fields(0).Value.toString())
      log << rs.Fields(0).Value.toString();
  QCOMPARE(log, (QStringList{"line " + kBill1, "bill " + kBill1, "line " + kBill3,
                             "bill " + kBill3}));
}

void TestMultiTable::failedDeleteLeavesEveryRecordWhole_data() {
  QTest::addColumn<QString>("setup");
  QTest::addColumn<QStringList>("bills");
  QTest::addColumn<int>("lines");
  QTest::addColumn<QString>("error");
  QTest::newRow("the second master refuses")
      << "create trigger keep2 before delete on SalesBill when old.ID=2"
         " begin select raise(abort, 'bill 2 is paid'); end"
      << QStringList{kBill2, kBill3} << 6 << "bill 2 is paid";
  QTest::newRow("the detail statement fails")
      << "update tblRecordset set DeleteSQL='Delete from NoSuchLine where BillNo=''@BillNo'''"
         " where RsName='SalesBillLine'"
      << QStringList{kBill1, kBill2, kBill3} << 9 << "NoSuchLine";
}

void TestMultiTable::failedDeleteLeavesEveryRecordWhole() {
  QFETCH(QString, setup);
  QFETCH(QStringList, bills);
  QFETCH(int, lines);
  QFETCH(QString, error);
  Database db;
  Database::Exec(setup);
  auto w = Open();
  w->RefreshData("CustCode<>'none'");
  Select(*w->vsData(), {1, 2, 3});
  Click(*w, "Delete");
  QCOMPARE(StoredBills(), bills);
  QCOMPARE(StoredLines(), lines);
  // Shown once, and the grid shows what is left, unfiltered.
  QCOMPARE(db.Ui().boxes.size(), 2);
  QVERIFY2(db.Ui().boxes[1].text.contains(error), qPrintable(db.Ui().boxes[1].text));
  QCOMPARE(db.Ui().boxes[1].icon, rd::MsgIcon::Critical);
  QCOMPARE(ShownBills(*w), bills);
  QCOMPARE(w->WhereArea(), QString());
  QCOMPARE(rd::DbConnection->TransactionDepth(), 0);
}

void TestMultiTable::relationIsCheckedBeforeAnyStatement_data() {
  QTest::addColumn<QString>("relation");
  QTest::addColumn<QList<int>>("rows");
  QTest::addColumn<QString>("refusal");  // empty: the delete runs
  QTest::newRow("no equals sign") << "BillNo" << QList<int>{1} << "relation \"BillNo\"";
  QTest::newRow("no equals sign, nothing selected") << "BillNo" << QList<int>{}
      << "relation \"BillNo\"";
  QTest::newRow("no detail field") << "BillNo=" << QList<int>{1} << "relation \"BillNo=\"";
  QTest::newRow("master field not a column") << "Code=BillNo" << QList<int>{1}
      << "master field \"Code\"";
  QTest::newRow("SQL in the relation") << "BillNo=BillNo or 1=1 or BillNo" << QList<int>{1}
      << "relation \"BillNo=BillNo or 1=1 or BillNo\"";
  QTest::newRow("case and blanks do not matter") << " billno = BillNo" << QList<int>{1} << "";
}

void TestMultiTable::relationIsCheckedBeforeAnyStatement() {
  QFETCH(QString, relation);
  QFETCH(QList<int>, rows);
  QFETCH(QString, refusal);
  Database db;
  auto w = Open();
  w->SetRelation(relation);
  Select(*w->vsData(), rows);
  Click(*w, "Delete");
  if (refusal.isEmpty()) {
    QCOMPARE(db.Ui().boxes.size(), 1);
    QCOMPARE(StoredBills(), (QStringList{kBill2, kBill3}));
    QCOMPARE(StoredLines(), 6);
    return;
  }
  QCOMPARE(db.Ui().boxes.size(), 2);
  QVERIFY2(db.Ui().boxes[1].text.contains(refusal), qPrintable(db.Ui().boxes[1].text));
  QCOMPARE(StoredBills(), (QStringList{kBill1, kBill2, kBill3}));
  QCOMPARE(StoredLines(), 9);
}

void TestMultiTable::windowWithoutTwoColumnNamesDoesNotOpen() {
  Database db;
  rd::frmMultiTable w;
  w.SetModuleName("SalesBills");
  w.SetRsName("SalesBill");
  w.SetRsName2("SalesBillLine");
  w.SetRelation("BillNo=BillNo or 1=1 or BillNo");
  w.setWindowTitle("Sales Bills");
  QVERIFY(!w.InitControl());
  QCOMPARE(db.Ui().texts(),
           QStringList{"The relation \"BillNo=BillNo or 1=1 or BillNo\" of the module Sales Bills is "
                       "not two column names joined by \"=\": the master's column, then the "
                       "detail's column, such as BillNo=BillNo."});
}

void TestMultiTable::editorGetsItsMembersInOrder() {
  Database db;
  FakesOn fakes;
  auto w = Open();
  FakeMasterDetail::lastModal.clear();
  Click(*w, "Add");
  QCOMPARE(FakeMasterDetail::lastModal, Members(0, 0, "Sales Bills - Add") << "modal Sales Bills - Add");

  FakeMasterDetail::lastModal.clear();
  Select(*w->vsData(), {3, 2});
  Click(*w, "Modify");
  QCOMPARE(FakeMasterDetail::lastModal, Members(1, 2, "Sales Bills - Modify") << "modal Sales Bills - Modify");

  // A double click goes by the current row.
  FakeMasterDetail::lastModal.clear();
  w->vsData()->SetRow(3);
  emit w->vsData()->DblClick(3);
  QCOMPARE(FakeMasterDetail::lastModal, Members(1, 3, "Sales Bills - Modify") << "modal Sales Bills - Modify");

  FakeMasterDetail::lastModal.clear();
  w->vsData()->SetRow(0);
  emit w->vsData()->DblClick(-1);
  QVERIFY(!w->ModifyData());
  QVERIFY(FakeMasterDetail::lastModal.isEmpty());
  QCOMPARE(db.Ui().boxes.size(), 0);
}

void TestMultiTable::viewerIsModelessAndReused() {
  Database db;
  FakesOn fakes;
  viewers.clear();
  auto w = Open();
  Select(*w->vsData(), {});
  Click(*w, "View");
  QVERIFY(viewers.isEmpty());

  Select(*w->vsData(), {2});
  Click(*w, "View");
  QCOMPARE(viewers.size(), 1);
  QPointer<FakeMasterDetail> viewer = viewers[0];
  QCOMPARE(viewer->calls, Members(1, 2, "Sales Bills - View"));
  QCOMPARE(viewer->form, static_cast<rd::ModuleWindow*>(w.get()));
  QVERIFY(viewer->isVisible());
  QVERIFY(!viewer->isModal());
  QCOMPARE(viewer->windowTitle(), QString("Sales Bills - View"));

  // A second View sets the next record on the open viewer and builds it again.
  Select(*w->vsData(), {3});
  Click(*w, "View");
  QCOMPARE(viewers.size(), 1);
  QCOMPARE(viewer->calls,
           Members(1, 2, "Sales Bills - View") + Members(1, 3, "Sales Bills - View"));

  // It reads the grid of its window and goes with it.
  w.reset();
  QVERIFY(viewer.isNull());
}

void TestMultiTable::unregisteredEditorsDoNothing() {
  Database db;
  auto w = Open();
  Select(*w->vsData(), {1});
  for (const char* key : {"Add", "Modify", "View"}) Click(*w, key);
  emit w->vsData()->DblClick(1);
  QCOMPARE(db.Ui().boxes.size(), 0);
  QVERIFY(w->isEnabled());
}

QTEST_MAIN(TestMultiTable)
#include "tst_multitable.moc"
