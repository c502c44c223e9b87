// The keyboard stays with the program as windows open and close: previews
// take it and give it back, message boxes give it back to their opener.
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QToolButton>
#include <QtTest>

#include "platform/report/Report.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/WindowActivation.h"

namespace {

// A window with a text box that has the keyboard.
struct Opener {
  QWidget window;
  QLineEdit* edit = new QLineEdit(&window);

  bool ShowActive() {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return false;
    edit->setFocus();
    return true;
  }
};

QString FocusedButton() {
  auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget());
  return button && button->defaultAction() ? button->defaultAction()->text() : QString();
}

// What the keyboard finds in an open preview; Esc then sent to it.
struct PreviewVisit {
  bool active = false;
  bool tabReachesPrint = false;
  QString ctrlPOpens;
  bool backAfterPrintDialog = false;
};

// Where a key goes: the focus, else the window that should have it.
QWidget* KeyTarget(QWidget& window) {
  return QApplication::focusWidget() ? QApplication::focusWidget() : &window;
}

void Visit(QPrintPreviewDialog& preview, PreviewVisit& visit) {
  visit.active = QApplication::activeWindow() == &preview;
  for (int i = 0; i < 40 && !visit.tabReachesPrint; ++i) {
    QTest::keyClick(KeyTarget(preview), Qt::Key_Tab);
    visit.tabReachesPrint = FocusedButton() == QLatin1String("Print");
  }
  QTimer::singleShot(100, &preview, [&visit] {
    QWidget* modal = QApplication::activeModalWidget();
    visit.ctrlPOpens = modal ? QString::fromLatin1(modal->metaObject()->className()) : "nothing";
    if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) dialog->reject();
  });
  QTest::keyClick(KeyTarget(preview), Qt::Key_P, Qt::ControlModifier);
  QTest::qWait(300);
  visit.backAfterPrintDialog = QApplication::activeWindow() == &preview;
  QTest::keyClick(KeyTarget(preview), Qt::Key_Escape);
}

}  // namespace

class TestWindowKeys : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { rd::WindowActivation::Install(); }
  void previewTakesAndGivesBackTheKeyboard_data();
  void previewTakesAndGivesBackTheKeyboard();
  void messageBoxGivesTheKeyboardBack();
  void windowWithoutOwnerGivesTheKeyboardBack();
};

void TestWindowKeys::previewTakesAndGivesBackTheKeyboard_data() {
  QTest::addColumn<bool>("modal");
  QTest::newRow("modeless") << false;
  QTest::newRow("modal") << true;
}

void TestWindowKeys::previewTakesAndGivesBackTheKeyboard() {
  QFETCH(bool, modal);
  Opener opener;
  QVERIFY(opener.ShowActive());
  rd::Report report(100);
  report.SetCaption("Preview");
  PreviewVisit visit;
  QPointer<QPrintPreviewDialog> preview;
  // Runs once the preview is up, also inside a modal preview's own loop.
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeWindow());
    if (!preview) return;
    poll.stop();
    Visit(*preview, visit);
  });
  poll.start(50);
  report.Show(modal, &opener.window);
  QTRY_VERIFY(!poll.isActive());
  QVERIFY(visit.active);
  QVERIFY(visit.tabReachesPrint);
  QCOMPARE(visit.ctrlPOpens, QString("QPrintDialog"));
  QVERIFY(visit.backAfterPrintDialog);
  QTRY_VERIFY(!preview);
  QVERIFY(opener.window.isVisible());
  QTRY_COMPARE(QApplication::activeWindow(), &opener.window);
  QCOMPARE(QApplication::focusWidget(), opener.edit);
}

// The box comes right after another window of the opener closed, before
// the keyboard found its way back: it has no owner of its own.
void TestWindowKeys::messageBoxGivesTheKeyboardBack() {
  Opener opener;
  QVERIFY(opener.ShowActive());
  QDialog finished(&opener.window);
  finished.show();
  QVERIFY(QTest::qWaitForWindowActive(&finished));
  finished.hide();
  bool boxActive = false;
  QTimer::singleShot(100, this, [&boxActive] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    boxActive = box && QApplication::activeWindow() == box;
    if (box) QTest::keyClick(box, Qt::Key_Return);
  });
  rd::MsgBox("Done", rd::MsgIcon::Information);
  QVERIFY(boxActive);
  QTRY_COMPARE(QApplication::activeWindow(), &opener.window);
  QCOMPARE(QApplication::focusWidget(), opener.edit);
  QTest::keyClicks(KeyTarget(opener.window), "next");
  QCOMPARE(opener.edit->text(), QString("next"));
}

// A window of its own, opened from the opener, gives the keyboard back to
// it when it closes.
void TestWindowKeys::windowWithoutOwnerGivesTheKeyboardBack() {
  Opener opener;
  QVERIFY(opener.ShowActive());
  QWidget opened;
  opened.show();
  QTRY_COMPARE(QApplication::activeWindow(), &opened);
  opened.close();
  QTRY_COMPARE(QApplication::activeWindow(), &opener.window);
  QCOMPARE(QApplication::focusWidget(), opener.edit);
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
