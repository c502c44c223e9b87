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

QColor system(int index) { return Ole::ToQColor(Ole::System(index)); }

// A 2 x 2 bitmap: red and blue on the top row, blue and red below.
StdPicture checker() {
  QImage img(2, 2, QImage::Format_RGB32);
  img.setPixel(0, 0, qRgb(255, 0, 0));
  img.setPixel(1, 0, qRgb(0, 0, 255));
  img.setPixel(0, 1, qRgb(0, 0, 255));
  img.setPixel(1, 1, qRgb(255, 0, 0));
  return cMemDC::BitmapToPicture(img);
}

// A white surface for text, drawn without a background.
void textSurface(cMemDC& dc, int width, int height) {
  dc.Init(width, height);
  dc.Cls(kWhite);
  dc.SetBackStyle(cMemDC::TRANSPARENT);
}

// The columns and rows that hold dark pixels on a white surface.
QRect ink(const cMemDC& dc) {
  QRect r;
  for (int y = 0; y < dc.Height(); ++y)
    for (int x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) != kWhite) r |= QRect(x, y, 1, 1);
  return r;
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

  void paintPicture_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("bitmap at its size") << 0 << QStringList{"....", ".rb.", ".br.", "...."};
    QTest::newRow("part of it") << 1 << QStringList{"....", ".r..", "....", "...."};
    QTest::newRow("mask colour left out") << 2 << QStringList{"....", "..b.", ".b..", "...."};
    QTest::newRow("no picture type") << 3 << QStringList{"....", "....", "....", "...."};
    QTest::newRow("bitmap handle") << 4 << QStringList{"....", ".rb.", "....", "...."};
    QTest::newRow("bitmap handle, no size") << 5 << QStringList{"....", "....", "....", "...."};
  }
  void paintPicture() {
    QFETCH(int, kind);
    QFETCH(QStringList, expected);
    cMemDC dc;
    dc.Init(4, 4);
    StdPicture none = checker();
    none.Type = StdPicture::None;
    switch (kind) {
      case 0: dc.PaintPicture(checker(), 1, 1); break;
      case 1: dc.PaintPicture(checker(), 1, 1, 1, 1, 1, 1); break;
      case 2: dc.PaintPicture(checker(), 1, 1, 0, 0, 0, 0, cMemDC::SRCCOPY, kRed); break;
      case 3: dc.PaintPicture(none, 1, 1); break;
      case 4: dc.PaintBitmap(checker().Picture, 1, 1, 2, 1); break;
      case 5: dc.PaintBitmap(checker().Picture, 1, 1); break;
    }
    QCOMPARE(rows(dc), expected);
  }

  void paintPictureMakesASurface() {
    cMemDC dc;
    dc.PaintPicture(checker());
    QCOMPARE(rows(dc), (QStringList{"rb", "br"}));
  }

  void paintDisabledPicture() {
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(0, 0, qRgb(0, 0, 0));
    cMemDC dc;
    dc.Init(3, 3);
    dc.PaintDisabledPicture(cMemDC::BitmapToPicture(img), 0, 0, 0, 0, 0, 0, kWhite, kRed, kBlue);
    QCOMPARE(rows(dc), (QStringList{"b..", ".r.", "..."}));
  }

  void drawText_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("where");
    QTest::newRow("left top") << 0 << "left top";
    QTest::newRow("centre") << int(cMemDC::DT_CENTER) << "centre";
    QTest::newRow("right") << int(cMemDC::DT_RIGHT) << "right";
    QTest::newRow("vertical centre") << int(cMemDC::DT_VCENTER | cMemDC::DT_SINGLELINE) << "middle";
    QTest::newRow("bottom") << int(cMemDC::DT_BOTTOM | cMemDC::DT_SINGLELINE) << "bottom";
    QTest::newRow("measure only") << int(cMemDC::DT_CALCRECT) << "nothing";
  }
  void drawText() {
    QFETCH(int, flags);
    QFETCH(QString, where);
    cMemDC dc;
    textSurface(dc, 80, 40);
    int l = 0, t = 0, r = 80, b = 40;
    dc.DrawText("III", l, t, r, b, flags);
    const QRect found = ink(dc);
    if (where == "nothing") {
      QVERIFY(found.isNull());
      QCOMPARE(r - l, dc.TextWidth("III"));
      QCOMPARE(b - t, dc.TextHeight("III"));
      return;
    }
    QVERIFY(!found.isNull());
    if (where == "left top") QVERIFY(found.left() < 10 && found.top() < 15);
    if (where == "centre") QVERIFY(qAbs(found.center().x() - 40) <= 2);
    if (where == "right") QVERIFY(found.right() > 70);
    if (where == "middle") QVERIFY(qAbs(found.center().y() - 20) <= 2);
    if (where == "bottom") QVERIFY(found.bottom() > 30);
  }

  void mnemonicIsUnderlined() {
    cMemDC dc;
    textSurface(dc, 60, 30);
    int l = 0, t = 0, r = 60, b = 30;
    dc.DrawText("&_", l, t, r, b);
    const QRect shown = ink(dc);
    dc.Cls(kWhite);
    dc.DrawText("&_", l, t, r, b, cMemDC::DT_NOPREFIX);
    QVERIFY(ink(dc).width() > shown.width());  // "&" drawn as itself
  }

  // DrawEdge (edge, flags) or DrawFrameControl (type, style) over a 17 x 17 surface.
  void edgesAndFrames_data() {
    QTest::addColumn<bool>("frame");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const int sunken = cMemDC::BDR_SUNKENOUTER, raised = cMemDC::BDR_RAISEDINNER;
    const int rect = cMemDC::BF_RECT, button = cMemDC::DFC_BUTTON, push = cMemDC::DFCS_BUTTONPUSH;
    const int down = cMemDC::DFCS_SCROLLDOWN;
    QTest::newRow("sunken top left") << false << sunken << rect << QPoint(0, 0) << system(16);
    QTest::newRow("sunken bottom right") << false << sunken << rect << QPoint(16, 16) << system(20);
    QTest::newRow("raised top left") << false << raised << rect << QPoint(0, 0) << system(20);
    QTest::newRow("raised bottom right") << false << raised << rect << QPoint(16, 16) << system(16);
    QTest::newRow("inside untouched") << false << raised << rect << QPoint(2, 2) << QColor(Qt::black);
    QTest::newRow("left only") << false << sunken << int(cMemDC::BF_LEFT) << QPoint(3, 0) << QColor(Qt::black);
    QTest::newRow("middle filled") << false << raised << int(rect | cMemDC::BF_MIDDLE) << QPoint(2, 2) << system(15);
    QTest::newRow("push button raised") << true << button << push << QPoint(0, 0) << system(22);
    QTest::newRow("push button face") << true << button << push << QPoint(8, 8) << system(15);
    QTest::newRow("pushed sunken") << true << button << int(push | cMemDC::DFCS_PUSHED) << QPoint(0, 0) << system(16);
    QTest::newRow("check box well") << true << button << int(cMemDC::DFCS_BUTTONCHECK) << QPoint(8, 8) << system(20);
    QTest::newRow("menu glyph background") << true << int(cMemDC::DFC_MENU) << int(cMemDC::DFCS_MENUCHECK) << QPoint(0, 0) << QColor(Qt::white);
    QTest::newRow("menu bullet") << true << int(cMemDC::DFC_MENU) << int(cMemDC::DFCS_MENUBULLET) << QPoint(8, 8) << QColor(Qt::black);
    QTest::newRow("scroll arrow") << true << int(cMemDC::DFC_SCROLL) << down << QPoint(8, 9) << QColor(Qt::black);
    QTest::newRow("inactive arrow") << true << int(cMemDC::DFC_SCROLL) << int(down | cMemDC::DFCS_INACTIVE) << QPoint(8, 9) << system(16);
  }
  void edgesAndFrames() {
    QFETCH(bool, frame);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    cMemDC dc;
    dc.Init(17, 17);
    if (frame) dc.DrawFrameControl(0, 0, -1, -1, a, b);
    else dc.DrawEdge(0, 0, -1, -1, a, b);
    QCOMPARE(Ole::ToQColor(dc.GetPixel(at.x(), at.y())), expected);
  }

  void checkedBoxHasATick() {
    cMemDC dc;
    dc.Init(17, 17);
    dc.DrawFrameControl(0, 0, -1, -1, cMemDC::DFC_BUTTON, cMemDC::DFCS_BUTTONCHECK | cMemDC::DFCS_CHECKED);
    int dark = 0;
    for (int y = 2; y < 15; ++y)
      for (int x = 2; x < 15; ++x) dark += qGray(Ole::ToQColor(dc.GetPixel(x, y)).rgb()) < 80;
    QVERIFY(dark > 5);
  }

  void extTextOut_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("inkOutside");
    QTest::newRow("plain") << 0 << false << true;
    QTest::newRow("opaque") << int(cMemDC::ETO_OPAQUE) << true << true;
    QTest::newRow("clipped") << int(cMemDC::ETO_CLIPPED) << false << false;
  }
  void extTextOut() {
    QFETCH(int, flags);
    QFETCH(bool, filled);
    QFETCH(bool, inkOutside);
    cMemDC dc;
    textSurface(dc, 80, 30);
    dc.SetBackColor(kRed);
    dc.ExtTextOut("WWWWWWWW", 0, 0, 10, 30, 2, 2, flags);
    QCOMPARE(dc.GetPixel(9, 29) == kRed, filled);
    bool outside = false;
    for (int y = 0; y < 30; ++y)
      for (int x = 10; x < 80; ++x) outside |= dc.GetPixel(x, y) != kWhite;
    QCOMPARE(outside, inkOutside);
  }

  void dotBrushUsesTextAndBackColours() {
    cMemDC dc;
    dc.Init(4, 2);
    dc.SetForeColor(kRed);
    dc.SetBackColor(kBlue);
    dc.FillRect(0, 0, -1, -1, Ole::None, dc.DotBrush());
    QCOMPARE(rows(dc), (QStringList{"brbr", "rbrb"}));
  }

  void brushesAndPens() {
    QCOMPARE(cMemDC::CreateBrush(kRed).color(), QColor(Qt::red));
    QCOMPARE(cMemDC::CreateBrush(kRed, cMemDC::BS_HATCHED, cMemDC::HS_DIAGCROSS).style(),
             Qt::DiagCrossPattern);
    QCOMPARE(cMemDC::CreateBrush(kRed, cMemDC::BS_NULL).style(), Qt::NoBrush);
    QCOMPARE(cMemDC::CreatePen(kBlue, cMemDC::PS_DOT).style(), Qt::DotLine);
    QVERIFY(!cMemDC::DeleteObject(cMemDC::CreatePen(kBlue, cMemDC::PS_NULL)));
    QVERIFY(cMemDC::DeleteObject(cMemDC::CreateBrush(kRed)));
  }

  void detachBitmap() {
    cMemDC dc;
    dc.Init(2, 1);
    dc.Cls(kRed);
    QImage mine(2, 1, QImage::Format_RGB32);
    mine.fill(Qt::blue);
    const QImage taken = dc.DetachBitmap(mine);
    QCOMPARE(QColor(taken.pixel(1, 0)), QColor(Qt::red));
    QCOMPARE(rows(dc), QStringList{"bb"});
    QVERIFY(dc.IsMemoryDC());
    QCOMPARE(QColor(dc.DetachBitmap().pixel(0, 0)), QColor(Qt::blue));
    QVERIFY(dc.IsCreated());
    QVERIFY(!dc.IsMemoryDC());
    QVERIFY(dc.DetachBitmap().isNull());
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
