#include <QtTest>

#include "BrowseFixture.h"
#include "browse/frmSingleTable.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"

// The desktop keys of the toolbar commands, pressed in the grid of a
// Customers browse window: each presses its button, and only while the
// user's privileges put that button on the toolbar.
class TestKeys : public QObject {
  Q_OBJECT
 private slots:
  void keyPressesItsButton_data();
  void keyPressesItsButton();
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
  rd::frmSingleTable w;
  w.setAttribute(Qt::WA_DeleteOnClose, false);
  w.SetModuleName("Customers");
  w.SetRsName("Customer");
  w.InitControl();
  w.RefreshData();
  // The buttons are recorded, not run.
  QObject::disconnect(w.tbrMain(), &rd::Toolbar::ButtonClick, &w, nullptr);
  QStringList pressed;
  connect(w.tbrMain(), &rd::Toolbar::ButtonClick, this,
          [&pressed](rd::ToolbarButton* b) { pressed << b->Key(); });
  browsefixture::Select(*w.vsData(), {1});
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  w.vsData()->setFocus();

  QTest::keySequence(w.vsData(), key);
  QCOMPARE(pressed, button.isEmpty() ? QStringList() : QStringList{button});
  QVERIFY(w.isVisible());
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
