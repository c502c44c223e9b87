#include <QtTest>

#include "toolkit/cMemDC.h"

using namespace rd;

namespace {
const OleColor kRed = Ole::Rgb(255, 0, 0);
const OleColor kBlue = Ole::Rgb(0, 0, 255);
const OleColor kWhite = 0xFFFFFF;

// The pixels of a 10 x 10 surface as one line per row: '.' black,
// 'r' red, 'b' blue, 'w' white, '?' anything else.
QStringList rows(const cMemDC& dc) {
  QStringList out;
  for (int y = 0; y < dc.Height(); ++y) {
    QString row;
    for (int x = 0; x < dc.Width(); ++x) {
      const OleColor c = dc.GetPixel(x, y);
      row += c == 0 ? '.' : c == kRed ? 'r' : c == kBlue ? 'b' : c == kWhite ? 'w' : '?';
    }
    out << row;
  }
  return out;
}
}  // namespace

class TestMemDC : public QObject {
  Q_OBJECT
 private slots:
  void edges_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("fill covers left..right-1") << 0 << QStringList{
        "......", ".rrr..", ".rrr..", "......"};
    QTest::newRow("rectangle outline at right-1") << 1 << QStringList{
        "......", ".bbbb.", ".brrb.", ".bbbb."};
    QTest::newRow("line leaves out its end") << 2 << QStringList{
        "......", ".rrrr.", "......", "......"};
    QTest::newRow("edges below left/top reach the surface edge") << 3 << QStringList{
        "......", "......", "..rrrr", "..rrrr"};
    QTest::newRow("frame") << 4 << QStringList{
        "rrrr..", "r..r..", "rrrr..", "......"};
  }
  void edges() {
    QFETCH(int, shape);
    QFETCH(QStringList, expected);
    cMemDC dc;
    QVERIFY(dc.Init(6, 4));
    switch (shape) {
      case 0: dc.FillRect(1, 1, 4, 3, kRed); break;
      case 1: dc.Rectangle(1, 1, 5, 4, kRed, std::nullopt, kBlue); break;
      case 2: dc.DrawLine(1, 1, 5, 1, kRed); break;
      case 3: dc.FillRect(2, 2, -1, -1, kRed); break;
      case 4: dc.FrameRect(0, 0, 4, 3, kRed); break;
    }
    QCOMPARE(rows(dc), expected);
  }

  void fillDefaultsAndNoBrush() {
    cMemDC dc;
    dc.Init(3, 2);
    dc.FillRect(0, 0, -1, -1, Ole::None);  // no colour and no brush: nothing
    QCOMPARE(rows(dc), (QStringList{"...", "..."}));
    dc.Cls(kRed);
    QCOMPARE(rows(dc), (QStringList{"rrr", "rrr"}));
  }

  void lineContinuesFromCurrentPosition() {
    cMemDC dc;
    dc.Init(4, 3);
    dc.DrawLine(0, 0, 3, 0, kRed);
    dc.DrawLine(-1, 0, 3, 2, kRed);
    QCOMPARE(rows(dc), (QStringList{"rrrr", "...r", "...."}));
  }

  void transparentAndEmbossedCopies() {
    cMemDC src;
    src.Init(3, 1);
    src.SetPixel(0, 0, 0xFF00FF);
    src.SetPixel(1, 0, kRed);
    src.SetPixel(2, 0, 0xFF00FF);
    cMemDC dest;
    dest.Init(3, 1);
    dest.Cls(kBlue);
    src.TransBlt(dest.hDC());
    QCOMPARE(rows(dest), QStringList{"brb"});

    cMemDC white;
    white.Init(3, 3);
    white.Cls(kWhite);
    dest.Init(3, 3);
    dest.Cls(kBlue);
    white.DisabledBlt(dest.hDC());
    QCOMPARE(rows(dest), (QStringList{"bbb", "bbb", "bbb"}));

    white.SetPixel(0, 0, 0);
    white.DisabledBlt(dest.hDC(), 0, 0, 0, 0, 0, 0, kWhite, kRed, 0);
    QCOMPARE(rows(dest), (QStringList{".bb", "brb", "bbb"}));
  }

  void copiesNeedADestination() {
    cMemDC dc;
    dc.Init(2, 1);
    dc.Cls(kRed);
    dc.BitBlt();  // no parent: nowhere to copy, nothing happens
    QImage target(2, 1, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
      QPainter parent(&target);
      cMemDC child;
      child.Init(2, 1, &parent);
      child.Cls(kRed);
      child.BitBlt();
    }
    QCOMPARE(QColor(target.pixel(1, 0)), QColor(Qt::red));
  }

  void clipAndNormalize() {
    int l = 10, t = 20, r = 5, b = 8;
    cMemDC::NormalizeRect(l, t, r, b);
    QCOMPARE((QList<int>{l, t, r, b}), (QList<int>{5, 8, 10, 20}));
    cMemDC dc;
    dc.Init(6, 4);
    dc.SetClipRect(4, 3, 2, 1);  // normalised to (2, 1, 4, 3)
    dc.Cls(kRed);
    QCOMPARE(rows(dc), (QStringList{"......", "..rr..", "..rr..", "......"}));
    dc.SetClipRect(-1);
    dc.Cls(kBlue);
    QCOMPARE(rows(dc).join(""), QString(24, 'b'));
  }

  void translateColor_data() {
    QTest::addColumn<qint64>("in");
    QTest::addColumn<qint64>("out");
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    QTest::newRow("none stays none") << qint64(-1) << qint64(-1);
    QTest::newRow("rgb") << qint64(0x123456) << qint64(0x123456);
    QTest::newRow("button face") << qint64(0x8000000F) << Ole::FromQColor(face);
    QTest::newRow("unknown system index") << qint64(0x800000FF) << qint64(0);
    QTest::newRow("rejected form") << qint64(0x05000000) << qint64(0);
  }
  void translateColor() {
    QFETCH(qint64, in);
    QFETCH(qint64, out);
    QCOMPARE(cMemDC::TranslateColor(in), out);
  }

  void dibitsNeedTheWholeBuffer() {
    cMemDC dc;
    dc.Init(2, 2);
    // Bottom-up rows of 2 pixels, 6 bytes padded to 8: bottom row red, top blue.
    QByteArray bits("\x00\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00\x00\x00", 16);
    dc.SetDIBits(0, 0, 2, 2, bits.left(15));
    QCOMPARE(rows(dc), (QStringList{"..", ".."}));
    dc.SetDIBits(0, 0, 2, 2, bits);
    QCOMPARE(rows(dc), (QStringList{"bb", "rr"}));
  }

  void callersSurfaceIsForgottenOnDestroy() {
    QImage mine(2, 2, QImage::Format_RGB32);
    mine.fill(Qt::black);
    cMemDC dc;
    dc.Init(2, 2, nullptr, &mine);
    QVERIFY(!dc.IsMemoryDC());
    dc.Cls(kRed);
    dc.Destroy();
    QVERIFY(!dc.IsCreated());
    dc.Cls(kBlue);  // nothing: the caller's image is not touched any more
    QCOMPARE(QColor(mine.pixel(0, 0)), QColor(Qt::red));
  }

  void textWidthIgnoresTrailingBlanks() {
    cMemDC dc;
    dc.Init(100, 20);
    QCOMPARE(dc.TextWidth("Save   "), dc.TextWidth("Save"));
    QVERIFY(dc.TextWidth("Save") > 0);
    QCOMPARE(cMemDC().TextWidth("Save"), 0);
  }
};

QTEST_MAIN(TestMemDC)
#include "tst_memdc.moc"
