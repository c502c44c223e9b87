#include <QToolButton>
#include <QtTest>
#include <memory>

#include "BrowseFixture.h"
#include "browse/frmMultiTable.h"
#include "browse/frmSingleTable.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"

namespace {

// Records the key of each button pressed, with the first selected grid
// row at that moment, instead of running it.
struct Presses {
  QStringList keys;
  QList<int> rows;

  void Watch(rd::BrowseWindow& w) {
    QObject::disconnect(w.tbrMain(), &rd::Toolbar::ButtonClick, &w, nullptr);
    QObject::connect(w.tbrMain(), &rd::Toolbar::ButtonClick, w.tbrMain(),
                     [this, &w](rd::ToolbarButton* b) {
                       keys << b->Key();
                       rows << w.vsData()->SelectedRow(0);
                     });
  }
};

// A module window as the menu opens it: Customers, or the Sales Bills
// master window.
std::unique_ptr<rd::BrowseWindow> OpenModule(bool master) {
  std::unique_ptr<rd::BrowseWindow> w;
  if (master) {
    auto bills = std::make_unique<rd::frmMultiTable>();
    bills->SetModuleName("SalesBills");
    bills->SetRsName("SalesBill");
    bills->SetRsName2("SalesBillLine");
    bills->SetRelation("BillNo=BillNo");
    w = std::move(bills);
  } else {
    auto customers = std::make_unique<rd::frmSingleTable>();
    customers->SetModuleName("Customers");
    customers->SetRsName("Customer");
    w = std::move(customers);
  }
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->InitControl();
  w->RefreshData();
  return w;
}

bool ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

QString FocusedButton() {
  auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget());
  return button && button->defaultAction() ? button->defaultAction()->text() : QString();
}

}  // namespace

// The desktop keys of the toolbar commands, pressed in the grid of a
// Customers browse window: each presses its button, and only while the
// user's privileges put that button on the toolbar.
class TestKeys : public QObject {
  Q_OBJECT
 private slots:
  void keyPressesItsButton_data();
  void keyPressesItsButton();
  void arrowsMoveInAFreshWindow_data();
  void arrowsMoveInAFreshWindow();
  void toolbarReachedByTab();
  void movesSelectTheRowTheyReach_data();
  void movesSelectTheRowTheyReach();
};

void TestKeys::keyPressesItsButton_data() {
  QTest::addColumn<QString>("user");
  QTest::addColumn<QKeySequence>("key");
  QTest::addColumn<QString>("button");  // "" when nothing is pressed

  const QString admin = "admin", clerk = "clerk";
  QTest::newRow("Insert adds") << admin << QKeySequence(Qt::Key_Insert) << "Add";
  QTest::newRow("Ctrl+N adds") << admin << QKeySequence(Qt::CTRL | Qt::Key_N) << "Add";
  QTest::newRow("Enter modifies") << admin << QKeySequence(Qt::Key_Return) << "Modify";
  QTest::newRow("keypad Enter modifies") << admin << QKeySequence(Qt::Key_Enter) << "Modify";
  QTest::newRow("F2 modifies") << admin << QKeySequence(Qt::Key_F2) << "Modify";
  QTest::newRow("Delete deletes") << admin << QKeySequence(Qt::Key_Delete) << "Delete";
  QTest::newRow("F5 refreshes") << admin << QKeySequence(Qt::Key_F5) << "Refresh";
  QTest::newRow("Ctrl+F queries") << admin << QKeySequence(Qt::CTRL | Qt::Key_F) << "Query";
  QTest::newRow("Ctrl+P prints") << admin << QKeySequence(Qt::CTRL | Qt::Key_P) << "Print";
  QTest::newRow("Esc does not close") << admin << QKeySequence(Qt::Key_Escape) << "";
  QTest::newRow("clerk: Insert adds") << clerk << QKeySequence(Qt::Key_Insert) << "Add";
  QTest::newRow("clerk: F5 refreshes") << clerk << QKeySequence(Qt::Key_F5) << "Refresh";
  QTest::newRow("clerk: Enter without Modify") << clerk << QKeySequence(Qt::Key_Return) << "";
  QTest::newRow("clerk: F2 without Modify") << clerk << QKeySequence(Qt::Key_F2) << "";
  QTest::newRow("clerk: Delete without Delete") << clerk << QKeySequence(Qt::Key_Delete) << "";
  QTest::newRow("clerk: Ctrl+P without Print") << clerk << QKeySequence(Qt::CTRL | Qt::Key_P) << "";
}

void TestKeys::keyPressesItsButton() {
  QFETCH(QString, user);
  QFETCH(QKeySequence, key);
  QFETCH(QString, button);
  browsefixture::Database db;
  db.LogIn(user);
  auto w = OpenModule(false);
  Presses presses;
  presses.Watch(*w);
  browsefixture::Select(*w->vsData(), {1});
  QVERIFY(ShowActive(*w));
  w->vsData()->setFocus();

  QTest::keySequence(w->vsData(), key);
  QCOMPARE(presses.keys, button.isEmpty() ? QStringList() : QStringList{button});
  QVERIFY(w->isVisible());
}

// A window just opened, its ID column hidden: the arrows move from row 1
// and the key acts on the row moved to.
void TestKeys::arrowsMoveInAFreshWindow_data() {
  QTest::addColumn<bool>("master");
  QTest::addColumn<QKeySequence>("key");
  QTest::addColumn<QString>("button");
  QTest::newRow("Enter modifies") << false << QKeySequence(Qt::Key_Return) << "Modify";
  QTest::newRow("Delete deletes") << false << QKeySequence(Qt::Key_Delete) << "Delete";
  QTest::newRow("master: Ctrl+Enter views")
      << true << QKeySequence(Qt::CTRL | Qt::Key_Return) << "View";
  QTest::newRow("master: Ctrl+keypad Enter views")
      << true << QKeySequence(Qt::CTRL | Qt::Key_Enter) << "View";
  QTest::newRow("master: Enter modifies") << true << QKeySequence(Qt::Key_Return) << "Modify";
}

void TestKeys::arrowsMoveInAFreshWindow() {
  QFETCH(bool, master);
  QFETCH(QKeySequence, key);
  browsefixture::Database db;
  auto w = OpenModule(master);
  QVERIFY(w->vsData()->ColHidden(1));
  Presses presses;
  presses.Watch(*w);
  QVERIFY(ShowActive(*w));
  QCOMPARE(QApplication::focusWidget(), w->vsData());
  QCOMPARE(w->vsData()->Row(), 1);

  QTest::keyClick(w->vsData(), Qt::Key_Down);
  QTest::keyClick(w->vsData(), Qt::Key_Down);
  QTest::keySequence(w->vsData(), key);
  QTEST(presses.keys.value(0), "button");
  QCOMPARE(presses.rows, QList<int>{3});
}

// Tab from the grid reaches the toolbar, the arrows move along it, Space
// and Enter press the focused button (Enter not the Modify it stands
// for in the grid), Shift+Tab goes back to the grid.
void TestKeys::toolbarReachedByTab() {
  browsefixture::Database db;
  auto w = OpenModule(false);
  Presses presses;
  presses.Watch(*w);
  QVERIFY(ShowActive(*w));
  w->vsData()->setFocus();

  QTest::keyClick(w->vsData(), Qt::Key_Tab);
  QCOMPARE(FocusedButton(), QString("Add"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QCOMPARE(FocusedButton(), QString("Delete"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QCOMPARE(presses.keys, QStringList({"Delete", "Modify"}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), w->vsData());
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"

// Every key that moves the current row selects that row; Shift extends
// the selection; Enter acts on the row of the cell frame. The last row is
// -1 in the table.
void TestKeys::movesSelectTheRowTheyReach_data() {
  QTest::addColumn<bool>("master");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QList<int>>("selected");
  QTest::newRow("Ctrl+End") << false << "Ctrl+End" << QList<int>{-1};
  QTest::newRow("Down, Ctrl+End") << false << "Down,Ctrl+End" << QList<int>{-1};
  QTest::newRow("Ctrl+End, Ctrl+Home") << false << "Ctrl+End,Ctrl+Home" << QList<int>{1};
  QTest::newRow("Down, Ctrl+Home, Up") << false << "Down,Ctrl+Home,Up" << QList<int>{1};
  QTest::newRow("Down, Home") << false << "Down,Down,Home" << QList<int>{3};
  QTest::newRow("Shift+Down") << false << "Shift+Down" << QList<int>{1, 2};
  QTest::newRow("Down, Shift+Ctrl+End") << false << "Down,Ctrl+Shift+End" << QList<int>{2, -1};
  QTest::newRow("master: Ctrl+End") << true << "Ctrl+End" << QList<int>{-1};
  QTest::newRow("master: Shift+Down") << true << "Shift+Down" << QList<int>{1, 2};
}

void TestKeys::movesSelectTheRowTheyReach() {
  QFETCH(bool, master);
  QFETCH(QString, keys);
  QFETCH(QList<int>, selected);
  browsefixture::Database db;
  auto w = OpenModule(master);
  rd::FlexGrid& grid = *w->vsData();
  const int last = grid.Rows() - 1;
  QVERIFY(last >= 2);
  Presses presses;
  presses.Watch(*w);
  QVERIFY(ShowActive(*w));
  for (const QString& key : keys.split(',')) {
    const QKeyCombination combination = QKeySequence::fromString(key)[0];
    QTest::keyClick(&grid, combination.key(), combination.keyboardModifiers());
  }
  QList<int> rows;
  for (int i = 0; i < grid.SelectedRows(); ++i) rows << grid.SelectedRow(i);
  if (selected.last() == -1) selected.last() = last;
  if (selected.size() == 2 && keys.contains("End")) {
    const int from = selected.first();
    selected.clear();
    for (int r = from; r <= last; ++r) selected << r;
  }
  QCOMPARE(rows, selected);
  // Enter acts on the row of the cell frame.
  QTest::keyClick(&grid, Qt::Key_Return);
  QCOMPARE(presses.keys, QStringList{"Modify"});
  QCOMPARE(grid.ActionRow(), grid.Row());
  QVERIFY(selected.contains(grid.Row()));
}
