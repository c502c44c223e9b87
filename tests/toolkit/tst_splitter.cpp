#include <QtTest>
#include <QWidget>

#include "platform/ui/Twips.h"
#include "toolkit/SplitterLayout.h"
#include "toolkit/ctlSplitterEx.h"

using namespace rd;

Q_DECLARE_METATYPE(TwipsRect)

namespace rd {
char* toString(const TwipsRect& r) {
  return QTest::toString(QString("(%1, %2) %3 x %4").arg(r.Left).arg(r.Top).arg(r.Width).arg(r.Height));
}
}  // namespace rd

namespace {

namespace L = SplitterLayout;

// Sizes the panes have before the layout; a refused size stays at these.
constexpr TwipsRect kFirstBefore{1, 2, 300, 400};
constexpr TwipsRect kSecondBefore{5, 6, 700, 800};

// Two panes and a splitter of 600 x 400 px (9000 x 6000 twips) at the origin.
struct Window {
  QWidget form;
  QWidget* left = new QWidget(&form);
  QWidget* right = new QWidget(&form);
  ctlSplitterEx* splitter = new ctlSplitterEx(&form);

  explicit Window(int tileMode) {
    form.resize(700, 500);
    splitter->setGeometry(0, 0, 600, 400);
    splitter->AttachObjects(left, right, true);
    splitter->TileMode(tileMode);
  }
  int firstExtent(int tileMode) const { return tileMode == L::SideBySide ? left->width() : left->height(); }
  QPoint at(int tileMode, int px) const { return tileMode == L::SideBySide ? QPoint(px, 200) : QPoint(300, px); }
  void move(const QPoint& p) {
    QMouseEvent e(QEvent::MouseMove, p, splitter->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(splitter, &e);
  }
};

}  // namespace

class TestSplitter : public QObject {
  Q_OBJECT
 private slots:
  void layout_data() {
    QTest::addColumn<TwipsRect>("splitter");
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("tileMode");
    QTest::addColumn<TwipsRect>("first");
    QTest::addColumn<TwipsRect>("second");
    const TwipsRect example{0, 600, 9000, 6000};
    QTest::newRow("side by side")
        << example << 35 << 1 << TwipsRect{0, 600, 3150, 5620} << TwipsRect{3250, 600, 5720, 5620};
    QTest::newRow("stacked")
        << example << 35 << 0 << TwipsRect{0, 600, 9000, 2100} << TwipsRect{0, 2800, 9000, 3770};
    QTest::newRow("any mode but 1 stacks")
        << example << 35 << 2 << TwipsRect{0, 600, 9000, 2100} << TwipsRect{0, 2800, 9000, 3770};
    QTest::newRow("offset splitter keeps the right margin")
        << TwipsRect{500, 700, 9000, 6000} << 35 << 1 << TwipsRect{500, 700, 3150, 5620}
        << TwipsRect{3750, 700, 5720, 5620};
    QTest::newRow("share rounds half to even")
        << TwipsRect{0, 0, 6305, 1000} << 50 << 1 << TwipsRect{0, 0, 3152, 620} << TwipsRect{3252, 0, 3023, 620};
    QTest::newRow("widest share")
        << example << 97 << 1 << TwipsRect{0, 600, 8730, 5620} << TwipsRect{8830, 600, 140, 5620};
    QTest::newRow("second pane refuses a negative width")
        << TwipsRect{0, 0, 3000, 6000} << 97 << 1 << TwipsRect{0, 0, 2910, 5620}
        << TwipsRect{3010, 0, kSecondBefore.Width, 5620};
    QTest::newRow("lower than 380 keeps the heights")
        << TwipsRect{0, 0, 9000, 300} << 35 << 1 << TwipsRect{0, 0, 3150, kFirstBefore.Height}
        << TwipsRect{3250, 0, 5720, kSecondBefore.Height};
    QTest::newRow("zero size side by side")
        << TwipsRect{100, 200, 0, 0} << 35 << 1 << TwipsRect{100, 200, 0, kFirstBefore.Height}
        << TwipsRect{200, 200, kSecondBefore.Width, kSecondBefore.Height};
    QTest::newRow("zero size stacked")
        << TwipsRect{100, 200, 0, 0} << 35 << 0 << TwipsRect{100, 200, 0, 0}
        << TwipsRect{100, 300, 0, kSecondBefore.Height};
    // A splitter in the second pane of the side by side example.
    QTest::newRow("nested, stacked")
        << TwipsRect{3250, 600, 5720, 5620} << 35 << 0 << TwipsRect{3250, 600, 5720, 1967}
        << TwipsRect{3250, 2667, 5720, 3523};
  }
  void layout() {
    QFETCH(TwipsRect, splitter);
    QFETCH(int, share);
    QFETCH(int, tileMode);
    const TwipsRect first = L::FirstPane(splitter, share, tileMode).AppliedTo(kFirstBefore);
    const TwipsRect second = L::SecondPane(splitter, first, tileMode).AppliedTo(kSecondBefore);
    QTEST(first, "first");
    QTEST(second, "second");
  }

  void gap_data() {
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("inGap");
    QTest::newRow("on the first pane") << 3000 << false;
    QTest::newRow("on the gap's near edge") << 3150 << false;
    QTest::newRow("just inside") << 3151 << true;
    QTest::newRow("just before the far edge") << 3249 << true;
    QTest::newRow("on the far edge") << 3250 << false;
  }
  void gap() {
    QFETCH(int, p);
    QTEST(L::InGap(p, 3150), "inGap");
  }

  void dragShare_data() {
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("share");  // -1: no change
    QTest::newRow("half") << 4500 << 9000 << 5 << 50;
    QTest::newRow("3 %") << 270 << 9000 << 5 << -1;
    QTest::newRow("99 %") << 8910 << 9000 << 5 << -1;
    QTest::newRow("exactly the minimum") << 450 << 9000 << 5 << -1;
    QTest::newRow("exactly the maximum") << 8820 << 9000 << 5 << -1;
    QTest::newRow("just above the minimum") << 540 << 9000 << 5 << 6;
    QTest::newRow("before the splitter") << -300 << 9000 << 5 << -1;
    QTest::newRow("half rounds to even") << 13 << 200 << 5 << 6;
    QTest::newRow("raised minimum") << 3600 << 9000 << 40 << -1;
    QTest::newRow("above the raised minimum") << 3690 << 9000 << 40 << 41;
    QTest::newRow("zero extent") << 0 << 0 << 5 << -1;
    QTest::newRow("zero extent, moved") << 30 << 0 << 5 << -1;
  }
  void dragShare() {
    QFETCH(int, p);
    QFETCH(int, extent);
    QFETCH(int, minimum);
    QFETCH(int, share);
    ShareLimits limits;
    limits.SetMin(minimum);
    QCOMPARE(L::DragShare(p, extent, limits).value_or(-1), share);
  }

  void limits_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("attach-time values cannot be set back") << QStringList{"max 90", "min 20", "max 98", "min 5"} << 20 << 90;
    QTest::newRow("max not above min is ignored") << QStringList{"min 40", "max 30"} << 40 << 98;
    QTest::newRow("min not below max is ignored") << QStringList{"max 50", "min 50"} << 5 << 50;
    QTest::newRow("range ends") << QStringList{"max 6", "min 6", "max 97"} << 5 << 97;
    QTest::newRow("outside 6 to 97") << QStringList{"max 120", "min 0", "min -3"} << 5 << 98;
  }
  void limits() {
    QFETCH(QStringList, steps);
    ShareLimits limits;
    for (const QString& step : steps) {
      const QStringList parts = step.split(' ');
      if (parts[0] == "max") limits.SetMax(parts[1].toInt());
      else limits.SetMin(parts[1].toInt());
    }
    QTEST(limits.Min, "minimum");
    QTEST(limits.Max, "maximum");
  }

  // The splitter is 600 px (9000 twips) wide, 400 px high; the first pane
  // starts 210 px wide (140 px high stacked), the gap ends before 217 (147).
  void drag_data() {
    QTest::addColumn<int>("tileMode");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("extent");
    QTest::newRow("to the half") << 1 << 213 << 300 << 300;
    QTest::newRow("press on the gap's edge") << 1 << 210 << 300 << 210;
    QTest::newRow("press on the first pane") << 1 << 100 << 300 << 210;
    QTest::newRow("to 3 %") << 1 << 213 << 18 << 210;
    QTest::newRow("to 99 %") << 1 << 213 << 594 << 210;
    QTest::newRow("to 5 %") << 1 << 213 << 30 << 210;
    QTest::newRow("to 6 %") << 1 << 213 << 36 << 36;
    QTest::newRow("past the left edge") << 1 << 213 << -40 << 210;
    QTest::newRow("stacked, to the half") << 0 << 143 << 200 << 200;
    QTest::newRow("stacked, to 99 %") << 0 << 143 << 396 << 140;
  }
  void drag() {
    QFETCH(int, tileMode);
    QFETCH(int, press);
    QFETCH(int, to);
    QFETCH(int, extent);
    Window w(tileMode);
    QTest::mousePress(w.splitter, Qt::LeftButton, {}, w.at(tileMode, press));
    w.move(w.at(tileMode, to));
    QCOMPARE(w.firstExtent(tileMode), extent);
    if (tileMode == L::SideBySide) QCOMPARE(w.right->x(), Twips::ToPx(Twips::FromPx(extent) + L::Gap));
    else QCOMPARE(w.right->y(), Twips::ToPx(Twips::FromPx(extent) + L::Gap));
    QTest::mouseRelease(w.splitter, Qt::LeftButton, {}, w.at(tileMode, to));
    w.move(w.at(tileMode, 250));
    QCOMPARE(w.firstExtent(tileMode), extent);
  }

  // The limits are set by name, as the forms reach them.
  void dragWithinRaisedLimits() {
    Window w(1);
    QVERIFY(QMetaObject::invokeMethod(w.splitter, "MinTilePercent", Q_ARG(int, 40)));
    QVERIFY(QMetaObject::invokeMethod(w.splitter, "MaxTilePercent", Q_ARG(int, 60)));
    QTest::mousePress(w.splitter, Qt::LeftButton, {}, w.at(1, 213));
    w.move(w.at(1, 234));  // 39 %
    QCOMPARE(w.left->width(), 210);
    w.move(w.at(1, 354));  // 59 %
    QCOMPARE(w.left->width(), 354);
    w.move(w.at(1, 360));  // 60 %
    QCOMPARE(w.left->width(), 354);
    // Attaching again resets the limits and the share.
    QTest::mouseRelease(w.splitter, Qt::LeftButton, {}, w.at(1, 360));
    w.splitter->AttachObjects(w.left, w.right, false);
    QCOMPARE(w.left->width(), 210);
    QTest::mousePress(w.splitter, Qt::LeftButton, {}, w.at(1, 213));
    w.move(w.at(1, 120));  // 20 %
    QCOMPARE(w.left->width(), 120);
  }

  void cursor_data() {
    QTest::addColumn<int>("tileMode");
    QTest::addColumn<int>("press");  // 0: no press
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("shape");  // -1: unset
    QTest::newRow("over the gap") << 1 << 0 << 213 << int(Qt::SizeHorCursor);
    QTest::newRow("over the margin") << 1 << 0 << 400 << -1;
    QTest::newRow("stacked, over the gap") << 0 << 0 << 143 << int(Qt::SizeVerCursor);
    QTest::newRow("dragging away from the gap") << 1 << 213 << 400 << int(Qt::SizeHorCursor);
    QTest::newRow("dragging outside the limits") << 1 << 213 << 599 << int(Qt::SizeHorCursor);
  }
  void cursor() {
    QFETCH(int, tileMode);
    QFETCH(int, press);
    QFETCH(int, to);
    QFETCH(int, shape);
    Window w(tileMode);
    if (press) QTest::mousePress(w.splitter, Qt::LeftButton, {}, w.at(tileMode, press));
    w.move(w.at(tileMode, to));
    QCOMPARE(w.splitter->testAttribute(Qt::WA_SetCursor) ? int(w.splitter->cursor().shape()) : -1, shape);
    QTest::mouseRelease(w.splitter, Qt::LeftButton, {}, w.at(tileMode, to));
    QVERIFY(!w.splitter->testAttribute(Qt::WA_SetCursor));
  }

  void zOrder_data() {
    QTest::addColumn<bool>("initZOrder");
    QTest::newRow("panes brought to the front") << true;
    QTest::newRow("order left alone") << false;
  }
  void zOrder() {
    QFETCH(bool, initZOrder);
    QWidget form;
    form.resize(700, 500);
    auto* left = new QWidget(&form);
    auto* right = new QWidget(&form);
    auto* splitter = new ctlSplitterEx(&form);
    splitter->setGeometry(0, 0, 600, 400);
    splitter->AttachObjects(left, right, initZOrder);
    splitter->TileMode(1);
    form.show();
    QCOMPARE(form.childAt(100, 100) == left, initZOrder);
    QCOMPARE(form.childAt(400, 100) == right, initZOrder);
    QCOMPARE(form.childAt(213, 100), splitter);  // the gap
  }

  // The panes are not shown, so a nested splitter hears of its new place
  // only from the outer one.
  void nested_data() {
    QTest::addColumn<bool>("innerFirst");
    QTest::newRow("inner splitter is the first pane") << true;
    QTest::newRow("inner splitter is the second pane") << false;
  }
  void nested() {
    QFETCH(bool, innerFirst);
    QWidget form;
    auto* top = new QWidget(&form);
    auto* bottom = new QWidget(&form);
    auto* other = new QWidget(&form);
    auto* inner = new ctlSplitterEx(&form);
    auto* outer = new ctlSplitterEx(&form);
    outer->setGeometry(0, 30, 600, 400);
    inner->AttachObjects(top, bottom, true);
    if (innerFirst) outer->AttachObjects(inner, other, true);
    else outer->AttachObjects(other, inner, true);
    outer->TileMode(1);
    QVERIFY(inner->geometry() != QRect());
    QCOMPARE(top->geometry().topLeft(), inner->geometry().topLeft());
    QCOMPARE(top->width(), inner->width());
    QCOMPARE(bottom->x(), inner->x());
    QCOMPARE(bottom->width(), inner->width());
    QCOMPARE(bottom->y(), Twips::ToPx(Twips::FromPx(top->y() + top->height()) + L::Gap));
  }

  void resizeFollows() {
    Window w(1);
    w.form.show();
    w.splitter->resize(300, 200);
    QCOMPARE(w.left->width(), 105);
    QCOMPARE(w.right->x() + w.right->width(), 298);
    w.splitter->move(30, 45);
    QCOMPARE(w.left->pos(), QPoint(30, 45));
  }

  // The forms reach the members late-bound, by name.
  void membersByName() {
    QWidget form;
    auto* left = new QWidget(&form);
    auto* right = new QWidget(&form);
    auto* splitter = new ctlSplitterEx(&form);
    auto* other = new ctlSplitterEx(&form);
    splitter->setGeometry(0, 0, 600, 400);
    QVERIFY(QMetaObject::invokeMethod(splitter, "AttachObjects", Q_ARG(QWidget*, left),
                                      Q_ARG(QWidget*, right), Q_ARG(bool, true)));
    QCOMPARE(left->geometry(), QRect(0, 0, 600, 140));  // stacked until told otherwise
    QVERIFY(QMetaObject::invokeMethod(splitter, "TileMode", Q_ARG(int, 1)));
    QCOMPARE(left->width(), 210);
    qlonglong id = 0, otherId = 0;
    QVERIFY(QMetaObject::invokeMethod(splitter, "HWND", Q_RETURN_ARG(qlonglong, id)));
    QVERIFY(QMetaObject::invokeMethod(other, "HWND", Q_RETURN_ARG(qlonglong, otherId)));
    QVERIFY(id != 0 && otherId != 0 && id != otherId);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(splitter->internalWinId(), WId(0));  // no native window of its own
  }

  void nothingBeforeAttach() {
    QWidget form;
    auto* left = new QWidget(&form);
    left->setGeometry(1, 2, 3, 4);
    auto* splitter = new ctlSplitterEx(&form);
    splitter->setGeometry(0, 0, 600, 400);
    splitter->TileMode(1);
    splitter->Refresh();
    QCOMPARE(left->geometry(), QRect(1, 2, 3, 4));
  }
};

QTEST_MAIN(TestSplitter)
#include "tst_splitter.moc"
