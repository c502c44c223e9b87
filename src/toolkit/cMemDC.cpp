#include "toolkit/cMemDC.h"

#include <QFontMetrics>
#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <cstdlib>
#include <utility>

namespace rd {

namespace {

constexpr int kDpi = 96;
const QColor kMagenta(255, 0, 255);

QPainter::CompositionMode modeForRop(quint32 rop) {
  switch (rop) {
    case cMemDC::SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case cMemDC::SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case cMemDC::SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case cMemDC::SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case cMemDC::NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    default: return QPainter::CompositionMode_Source;
  }
}

QPen solidPen(OleColor c) {
  QPen p(Ole::ToQColor(c));
  p.setWidth(0);
  p.setCosmetic(true);
  return p;
}

QPen initialPen() { return solidPen(0); }
QBrush initialBrush() { return QBrush(Qt::white); }

}  // namespace

cMemDC::~cMemDC() { Destroy(); }

QPainter* cMemDC::Init(int PixelWidth, int PixelHeight, QPainter* hParentDC, QImage* hMemoryDC) {
  Destroy();
  width_ = PixelWidth;
  height_ = PixelHeight;
  callerImage_ = hMemoryDC;
  if (!callerImage_) {
    ownImage_ = QImage(qMax(1, PixelWidth), qMax(1, PixelHeight), QImage::Format_RGB32);
    ownImage_.fill(Qt::black);
    ownImage_.setDotsPerMeterX(qRound(kDpi / 0.0254));
    ownImage_.setDotsPerMeterY(qRound(kDpi / 0.0254));
  }
  ownBitmap_ = !callerImage_;
  auto painter = std::make_unique<QPainter>();
  if (image()->isNull() || !painter->begin(image())) {
    callerImage_ = nullptr;
    return nullptr;
  }
  painter_ = std::move(painter);
  fore_ = Qt::black;
  back_ = Qt::white;
  backStyle_ = OPAQUE;
  drawMode_ = R2_COPYPEN;
  brush_.reset();
  pen_.reset();
  pos_ = QPoint();
  parent_ = hParentDC;
  if (parent_ && parent_->isActive()) {
    fore_ = parent_->pen().color();
    back_ = parent_->background().color();
    backStyle_ = parent_->backgroundMode() == Qt::OpaqueMode ? OPAQUE : TRANSPARENT;
    SetFont(StdFont::FromQFont(parent_->font(), kDpi));
  } else {
    painter_->setFont(QGuiApplication::font());
  }
  return painter_.get();
}

void cMemDC::Destroy() {
  if (painter_) painter_->end();
  painter_.reset();
  ownImage_ = QImage();
  callerImage_ = nullptr;
  ownBitmap_ = false;
  parent_ = nullptr;
  font_.reset();
  brush_.reset();
  pen_.reset();
}

QImage cMemDC::DetachBitmap(const std::optional<QImage>& hNewBitmap) {
  if (!IsCreated() || callerImage_) return {};
  const QFont font = painter_->font();
  painter_->end();
  QImage taken = ownBitmap_ ? std::exchange(ownImage_, QImage()) : QImage();
  ownBitmap_ = hNewBitmap && !hNewBitmap->isNull();
  if (ownBitmap_) {
    ownImage_ = hNewBitmap->convertToFormat(QImage::Format_RGB32);
  } else {
    ownImage_ = QImage(1, 1, QImage::Format_RGB32);
    ownImage_.fill(Qt::black);
  }
  painter_->begin(&ownImage_);
  painter_->setFont(font);
  return taken;
}

int cMemDC::FontHeight() const {
  return IsCreated() ? QFontMetrics(painter_->font(), image()).height() : 0;
}

StdFont cMemDC::Font() const {
  if (!IsCreated()) return {};
  return font_ ? *font_ : StdFont::FromQFont(painter_->font(), kDpi);
}

void cMemDC::SetFont(const StdFont& font) {
  if (!IsCreated()) return;
  font_ = font;
  painter_->setFont(font.ToQFont(kDpi));
}

void cMemDC::SetForeColor(OleColor c) {
  if (IsCreated()) fore_ = Ole::ToQColor(c);
}

void cMemDC::SetBackColor(OleColor c) {
  if (IsCreated()) back_ = Ole::ToQColor(c);
}

void cMemDC::SetBackStyle(int mode) {
  if (IsCreated() && (mode == TRANSPARENT || mode == OPAQUE)) backStyle_ = mode;
}

void cMemDC::SetDrawMode(int rop2) {
  if (IsCreated()) drawMode_ = rop2;
}

QBrush cMemDC::DotBrush() const {
  if (!IsCreated()) return QBrush();
  QImage dots(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) dots.setPixel(x, y, ((x + y) % 2 ? fore_ : back_).rgb());
  return QBrush(dots);
}

void cMemDC::SetBrush(const std::optional<QBrush>& brush) {
  if (IsCreated()) brush_ = brush;
}

void cMemDC::SetPen(const std::optional<QPen>& pen) {
  if (IsCreated()) pen_ = pen;
}

StdPicture cMemDC::Image() const {
  if (!IsCreated()) return {};
  return BitmapToPicture(image()->copy(0, 0, qMax(1, width_), qMax(1, height_)));
}

StdFont cMemDC::SystemMenuFont() {
  return StdFont::FromQFont(QApplication::font("QMenu"), kDpi);
}

StdFont cMemDC::SystemIconFont() { return StdFont::FromQFont(QGuiApplication::font(), kDpi); }

QRect cMemDC::edgeRect(int l, int t, int r, int b) const {
  if (r < l) r = width_;
  if (b < t) b = height_;
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

void cMemDC::Cls(OleColor clrFill, const std::optional<QBrush>& hbrFill) {
  FillRect(0, 0, -1, -1, clrFill, hbrFill);
}

void cMemDC::FillRect(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFill,
                      const std::optional<QBrush>& hbrFill) {
  if (!IsCreated()) return;
  QBrush brush;
  if (clrFill != Ole::None) brush = QBrush(Ole::ToQColor(clrFill));
  else if (hbrFill) brush = *hbrFill;
  else return;
  painter_->fillRect(edgeRect(LeftX, TopY, RightX, BottomY), brush);
}

void cMemDC::FillGradient(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFirst,
                          OleColor clrSecond, bool bVertical) {
  if (!IsCreated()) return;
  const QRect r(QPoint(LeftX, TopY), QPoint(RightX - 1, BottomY - 1));
  const QPointF end = bVertical ? QPointF(LeftX, BottomY) : QPointF(RightX, TopY);
  if (end == QPointF(LeftX, TopY)) {
    painter_->fillRect(r, Ole::ToQColor(clrFirst));
    return;
  }
  QLinearGradient g(QPointF(LeftX, TopY), end);
  g.setColorAt(0, Ole::ToQColor(clrFirst));
  g.setColorAt(1, Ole::ToQColor(clrSecond));
  painter_->fillRect(r, g);
}

void cMemDC::DrawEdge(int LeftX, int TopY, int RightX, int BottomY, int Edge, int Flags) {
  if (!IsCreated()) return;
  QRect r = edgeRect(LeftX, TopY, RightX, BottomY);
  auto ring = [&](OleColor topLeft, OleColor bottomRight) {
    if (r.isEmpty()) return;
    const QColor tl = Ole::ToQColor(topLeft), br = Ole::ToQColor(bottomRight);
    if (Flags & BF_LEFT) painter_->fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
    if (Flags & BF_TOP) painter_->fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
    if (Flags & BF_RIGHT) painter_->fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
    if (Flags & BF_BOTTOM) painter_->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
    r.adjust(Flags & BF_LEFT ? 1 : 0, Flags & BF_TOP ? 1 : 0, Flags & BF_RIGHT ? -1 : 0,
             Flags & BF_BOTTOM ? -1 : 0);
  };
  if (Edge & BDR_RAISEDOUTER) ring(Ole::System(22), Ole::System(21));
  else if (Edge & BDR_SUNKENOUTER) ring(Ole::System(16), Ole::System(20));
  if (Edge & BDR_RAISEDINNER) ring(Ole::System(20), Ole::System(16));
  else if (Edge & BDR_SUNKENINNER) ring(Ole::System(21), Ole::System(22));
  if ((Flags & BF_MIDDLE) && !r.isEmpty()) painter_->fillRect(r, Ole::ToQColor(Ole::System(15)));
}

void cMemDC::DrawFrameControl(int LeftX, int TopY, int RightX, int BottomY, int Type_,
                              int Style) {
  if (!IsCreated()) return;
  const QRect r = edgeRect(LeftX, TopY, RightX, BottomY);
  if (r.isEmpty()) return;
  const int part = Style & 0xFF;
  const bool down = Style & (DFCS_PUSHED | DFCS_CHECKED);
  const QColor ink = Ole::ToQColor(Style & DFCS_INACTIVE ? Ole::System(16) : 0);
  const QColor white = Ole::ToQColor(Ole::System(20));
  auto button = [&](bool sunken) {
    DrawEdge(LeftX, TopY, RightX, BottomY,
             sunken ? BDR_SUNKENOUTER | BDR_SUNKENINNER : BDR_RAISEDOUTER | BDR_RAISEDINNER,
             BF_RECT | BF_MIDDLE);
  };
  switch (Type_) {
    case DFC_BUTTON:
      if (part & DFCS_BUTTONPUSH) {
        button(down);
      } else if (part & DFCS_BUTTONRADIO) {
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setPen(Ole::ToQColor(Ole::System(16)));
        painter_->setBrush(white);
        painter_->drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        painter_->restore();
        if (Style & DFCS_CHECKED) paintGlyph(r, DFC_MENU, DFCS_MENUBULLET, ink);
      } else {
        DrawEdge(LeftX, TopY, RightX, BottomY, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT);
        painter_->fillRect(r.adjusted(2, 2, -2, -2),
                           Style & (DFCS_INACTIVE | DFCS_PUSHED) ? Ole::ToQColor(Ole::System(15))
                                                                 : white);
        if (Style & DFCS_CHECKED) paintGlyph(r, DFC_MENU, DFCS_MENUCHECK, ink);
      }
      break;
    case DFC_MENU:
      painter_->fillRect(r, Qt::white);
      paintGlyph(r, DFC_MENU, part, Qt::black);
      break;
    case DFC_SCROLL:
    case DFC_CAPTION:
      button(down);
      paintGlyph(r, Type_, part, ink);
      break;
    default: break;
  }
}

void cMemDC::paintGlyph(const QRect& r, int type, int part, const QColor& ink) {
  const qreal s = qMin(r.width(), r.height()) / 2.0;
  const QPointF c = QRectF(r).center();
  const QRectF g(c.x() - s / 2, c.y() - s / 2, s, s);
  QPainterPath path;
  bool filled = true;
  if (type == DFC_MENU && part == DFCS_MENUCHECK) {
    path.moveTo(g.left(), c.y());
    path.lineTo(g.left() + s * 0.35, g.bottom());
    path.lineTo(g.right(), g.top());
    filled = false;
  } else if (type == DFC_MENU && part == DFCS_MENUBULLET) {
    path.addEllipse(c, s / 3, s / 3);
  } else if (type == DFC_CAPTION && part == DFCS_CAPTIONCLOSE) {
    path.moveTo(g.topLeft());
    path.lineTo(g.bottomRight());
    path.moveTo(g.topRight());
    path.lineTo(g.bottomLeft());
    filled = false;
  } else if (type == DFC_CAPTION && part == DFCS_CAPTIONMIN) {
    path.addRect(QRectF(g.left(), g.bottom() - 2, s, 2));
  } else if (type == DFC_CAPTION && part == DFCS_CAPTIONMAX) {
    path.addRect(QRectF(g.left(), g.top(), s, 2));
    path.addRect(g);
    filled = false;
  } else if (type == DFC_CAPTION) {
    return;
  } else {
    // Arrows: the menu arrow points right, scroll arrows as named.
    const int dir = type == DFC_MENU ? DFCS_SCROLLRIGHT : part;
    const QPointF tips[4][3] = {
        {{g.left(), g.bottom()}, {c.x(), g.top()}, {g.right(), g.bottom()}},
        {{g.left(), g.top()}, {c.x(), g.bottom()}, {g.right(), g.top()}},
        {{g.right(), g.top()}, {g.left(), c.y()}, {g.right(), g.bottom()}},
        {{g.left(), g.top()}, {g.right(), c.y()}, {g.left(), g.bottom()}}};
    if (dir < 0 || dir > 3) return;
    path.addPolygon(QPolygonF({tips[dir][0], tips[dir][1], tips[dir][2]}));
    path.closeSubpath();
  }
  painter_->save();
  painter_->setRenderHint(QPainter::Antialiasing, true);
  if (filled) {
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(ink);
  } else {
    painter_->setPen(QPen(ink, 2));
    painter_->setBrush(Qt::NoBrush);
  }
  painter_->drawPath(path);
  painter_->restore();
}

void cMemDC::FrameRect(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFill,
                       const std::optional<QBrush>& hbrFill) {
  if (!IsCreated()) return;
  QBrush brush;
  if (clrFill != Ole::None) brush = QBrush(Ole::ToQColor(clrFill));
  else if (hbrFill) brush = *hbrFill;
  else return;
  const QRect r(QPoint(LeftX, TopY), QPoint(RightX - 1, BottomY - 1));
  if (r.isEmpty()) return;
  painter_->fillRect(QRect(r.left(), r.top(), r.width(), 1), brush);
  painter_->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush);
  painter_->fillRect(QRect(r.left(), r.top(), 1, r.height()), brush);
  painter_->fillRect(QRect(r.right(), r.top(), 1, r.height()), brush);
}

void cMemDC::gdiLine(QPoint from, QPoint to) {
  const QPen pen = pen_.value_or(initialPen());
  if (pen.style() == Qt::NoPen) return;
  painter_->save();
  painter_->setPen(QPen(pen.color(), 0));
  if (drawMode_ == R2_XORPEN) painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  else if (drawMode_ == R2_NOT) painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
  // Bresenham without the end point.
  int x = from.x(), y = from.y();
  const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
  const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
  int err = dx + dy;
  QVector<QPoint> points;
  while (!(x == to.x() && y == to.y())) {
    points.append(QPoint(x, y));
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
  if (!points.isEmpty()) painter_->drawPoints(points.constData(), int(points.size()));
  painter_->restore();
}

void cMemDC::DrawLine(int X1, int Y1, int X2, int Y2, OleColor clrLine,
                      const std::optional<QPen>& hpnLine) {
  if (!IsCreated()) return;
  SetPen(clrLine != Ole::None ? std::optional<QPen>(solidPen(clrLine)) : hpnLine);
  if (X1 >= 0) pos_ = QPoint(X1, Y1);
  gdiLine(pos_, QPoint(X2, Y2));
  pos_ = QPoint(X2, Y2);
}

void cMemDC::Rectangle(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFill,
                       const std::optional<QBrush>& hbrFill, OleColor clrOutline,
                       const std::optional<QPen>& hpnOutline) {
  if (!IsCreated()) return;
  if (clrFill != Ole::None) SetBrush(QBrush(Ole::ToQColor(clrFill)));
  else if (hbrFill) SetBrush(hbrFill);
  if (clrOutline != Ole::None) SetPen(solidPen(clrOutline));
  else if (hpnOutline) SetPen(hpnOutline);
  const QRect r = edgeRect(LeftX, TopY, RightX, BottomY);
  if (r.width() < 2 || r.height() < 2) return;
  const QPen pen = pen_.value_or(initialPen());
  const QBrush brush = brush_.value_or(initialBrush());
  if (pen.style() == Qt::NoPen) {
    painter_->fillRect(r.adjusted(0, 0, -1, -1), brush);
    return;
  }
  painter_->save();
  painter_->setPen(QPen(pen.color(), 0));
  painter_->setBrush(brush);
  painter_->drawRect(r.adjusted(0, 0, -1, -1));
  painter_->restore();
}

void cMemDC::DrawEllipse(int LeftX, int TopY, int RightX, int BottomY, OleColor clrOutline,
                         const std::optional<QPen>& hpnOutline) {
  if (!IsCreated()) return;
  if (clrOutline != Ole::None) SetPen(solidPen(clrOutline));
  else if (hpnOutline) SetPen(hpnOutline);
  const QRect r = edgeRect(LeftX, TopY, RightX, BottomY);
  painter_->save();
  painter_->setPen(QPen(pen_.value_or(initialPen()).color(), 0));
  painter_->setBrush(Qt::NoBrush);
  painter_->drawEllipse(r.adjusted(0, 0, -1, -1));
  painter_->restore();
}

void cMemDC::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                 OleColor clrOutline, const std::optional<QPen>& hpnOutline) {
  if (!IsCreated()) return;
  if (clrOutline != Ole::None) SetPen(solidPen(clrOutline));
  else if (hpnOutline) SetPen(hpnOutline);
  const QRectF r(QPointF(X1, Y1), QPointF(X2 - 1, Y2 - 1));
  const QPointF c = r.center();
  // Angles counter-clockwise from the x axis, y pointing down.
  auto angle = [&](int x, int y) { return qRadiansToDegrees(std::atan2(c.y() - y, x - c.x())); };
  const double start = angle(X3, Y3);
  double span = angle(X4, Y4) - start;
  if (span <= 0) span += 360;
  painter_->save();
  painter_->setPen(QPen(pen_.value_or(initialPen()).color(), 0));
  painter_->drawArc(r, qRound(start * 16), qRound(span * 16));
  painter_->restore();
}

void cMemDC::SetPixel(int LeftX, int TopY, OleColor clrColor) {
  if (!IsCreated() || !image()->rect().contains(LeftX, TopY)) return;
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(QRect(LeftX, TopY, 1, 1), Ole::ToQColor(clrColor));
  painter_->restore();
}

OleColor cMemDC::GetPixel(int LeftX, int TopY) const {
  if (!IsCreated() || !image()->rect().contains(LeftX, TopY)) return Ole::None;
  return Ole::FromQColor(QColor(image()->pixel(LeftX, TopY)));
}

QImage cMemDC::sourcePart(int x, int y, int w, int h) const {
  return image()->copy(x, y, w > 0 ? w : width_, h > 0 ? h : height_);
}

void cMemDC::copyTo(QPainter* dest, const QPoint& at, const QImage& part, quint32 rop) const {
  dest->save();
  dest->setCompositionMode(modeForRop(rop));
  dest->drawImage(at, part);
  dest->restore();
}

void cMemDC::BitBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                    int ySrc, quint32 dwRop) {
  if (!IsCreated()) return;
  QPainter* dest = hdcDest ? hdcDest : parent_;
  if (!dest || !dest->isActive()) return;
  copyTo(dest, QPoint(xDest, yDest), sourcePart(xSrc, ySrc, nWidth, nHeight), dwRop);
}

void cMemDC::LoadBlt(const QImage& src, int xSrc, int ySrc, int xDest, int yDest, int nWidth,
                     int nHeight, quint32 dwRop) {
  if (!IsCreated() || src.isNull()) return;
  const QImage part = src.copy(xSrc, ySrc, nWidth > 0 ? nWidth : width_,
                               nHeight > 0 ? nHeight : height_);
  copyTo(painter_.get(), QPoint(xDest, yDest), part, dwRop);
}

void cMemDC::StretchBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight,
                        int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, quint32 dwRop) {
  if (!IsCreated()) return;
  QPainter* dest = hdcDest ? hdcDest : parent_;
  if (!dest || !dest->isActive()) return;
  const QImage part = sourcePart(xSrc, ySrc, nSrcWidth, nSrcHeight);
  const QImage scaled = part.scaled(nWidth > 0 ? nWidth : width_, nHeight > 0 ? nHeight : height_);
  copyTo(dest, QPoint(xDest, yDest), scaled, dwRop);
}

void cMemDC::TransBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                      int ySrc, OleColor clrMask) {
  if (!IsCreated()) return;
  QPainter* dest = hdcDest ? hdcDest : parent_;
  if (!dest || !dest->isActive()) return;
  QImage part = sourcePart(xSrc, ySrc, nWidth, nHeight).convertToFormat(QImage::Format_ARGB32);
  const QRgb mask = Ole::ToQColor(clrMask).rgb();
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if ((line[x] | 0xFF000000) == mask) line[x] = 0;
  }
  dest->save();
  dest->setCompositionMode(QPainter::CompositionMode_SourceOver);
  dest->drawImage(QPoint(xDest, yDest), part);
  dest->restore();
}

void cMemDC::DisabledBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight,
                         int xSrc, int ySrc, OleColor clrMask, OleColor clrHighlight,
                         OleColor clrShadow) {
  if (!IsCreated()) return;
  QPainter* dest = hdcDest ? hdcDest : parent_;
  if (!dest || !dest->isActive()) return;
  const QImage part = sourcePart(xSrc, ySrc, nWidth, nHeight);
  const QRgb mask = Ole::ToQColor(clrMask).rgb(), white = qRgb(255, 255, 255);
  QImage overlay(part.size(), QImage::Format_ARGB32);
  overlay.fill(Qt::transparent);
  auto dark = [&](int x, int y) {
    const QRgb p = part.pixel(x, y) | 0xFF000000;
    return p != mask && p != white;
  };
  const QRgb hl = Ole::ToQColor(clrHighlight).rgb(), sh = Ole::ToQColor(clrShadow).rgb();
  for (int y = 0; y + 1 < part.height(); ++y)
    for (int x = 0; x + 1 < part.width(); ++x)
      if (dark(x, y)) overlay.setPixel(x + 1, y + 1, hl);
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      if (dark(x, y)) overlay.setPixel(x, y, sh);
  dest->save();
  dest->setCompositionMode(QPainter::CompositionMode_SourceOver);
  dest->drawImage(QPoint(xDest, yDest), overlay);
  dest->restore();
}

void cMemDC::DrawText(const QString& Text, int& LeftX, int& TopY, int& RightX, int& BottomY,
                      int dtFlags) {
  if (!IsCreated()) return;
  int flags = 0;
  flags |= (dtFlags & DT_CENTER) ? Qt::AlignHCenter : (dtFlags & DT_RIGHT) ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
  if (dtFlags & DT_SINGLELINE) {
    flags |= Qt::TextSingleLine;
    flags |= (dtFlags & DT_VCENTER) ? Qt::AlignVCenter : (dtFlags & DT_BOTTOM) ? Qt::AlignBottom
                                                                                : Qt::AlignTop;
  } else {
    flags |= Qt::AlignTop;
  }
  if (dtFlags & DT_WORDBREAK) flags |= Qt::TextWordWrap;
  if (dtFlags & DT_NOCLIP) flags |= Qt::TextDontClip;
  flags |= (dtFlags & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic;
  const QRect rect(QPoint(LeftX, TopY), QPoint(RightX - 1, BottomY - 1));
  if (dtFlags & DT_CALCRECT) {
    const QRect measured = QFontMetrics(painter_->font(), image())
                               .boundingRect(QRect(LeftX, TopY, qMax(0, RightX - LeftX), 100000),
                                             flags & ~Qt::AlignVertical_Mask, Text);
    RightX = LeftX + measured.width();
    BottomY = TopY + measured.height();
    return;
  }
  painter_->save();
  if (backStyle_ == OPAQUE) {
    const QRect bounds = painter_->boundingRect(rect, flags, Text);
    painter_->fillRect(bounds, back_);
  }
  painter_->setPen(fore_);
  painter_->drawText(rect, flags, Text);
  painter_->restore();
}

void cMemDC::ExtTextOut(const QString& Text, int LeftX, int TopY, int RightX, int BottomY,
                        int xOffset, int yOffset, int etoFlags) {
  if (!IsCreated()) return;
  const QRect rect(QPoint(LeftX, TopY), QPoint(RightX - 1, BottomY - 1));
  painter_->save();
  if (etoFlags & ETO_OPAQUE) painter_->fillRect(rect, back_);
  if (etoFlags & ETO_CLIPPED) painter_->setClipRect(rect, Qt::IntersectClip);
  const QFontMetrics fm(painter_->font(), image());
  if (backStyle_ == OPAQUE)
    painter_->fillRect(QRect(xOffset, yOffset, fm.horizontalAdvance(Text), fm.height()), back_);
  painter_->setPen(fore_);
  painter_->drawText(QPoint(xOffset, yOffset + fm.ascent()), Text);
  painter_->restore();
}

void cMemDC::PaintPicture(const StdPicture& oPic, int xDest, int yDest, int nWidth, int nHeight,
                          int xSrc, int ySrc, quint32 dwRop, OleColor clrMask) {
  if (oPic.Picture.isNull()) return;
  if (!IsCreated()) Init(oPic.Picture.width(), oPic.Picture.height());
  if (!IsCreated()) return;
  if (nWidth == 0) nWidth = oPic.Picture.width();
  if (nHeight == 0) nHeight = oPic.Picture.height();
  if (oPic.Type == StdPicture::Icon) {
    painter_->drawImage(QRect(xDest, yDest, nWidth, nHeight), oPic.Picture);
  } else if (oPic.Type == StdPicture::Bitmap) {
    PaintBitmap(oPic.Picture, xDest, yDest, nWidth, nHeight, xSrc, ySrc, dwRop, clrMask);
  }
}

void cMemDC::PaintBitmap(const QImage& hBmp, int xDest, int yDest, int nWidth, int nHeight,
                         int xSrc, int ySrc, quint32 dwRop, OleColor clrMask) {
  if (!IsCreated() || hBmp.isNull() || nWidth <= 0 || nHeight <= 0) return;
  QImage copy = hBmp.convertToFormat(QImage::Format_RGB32);
  cMemDC source;  // made after the image it paints on, so ended before it
  source.Init(copy.width(), copy.height(), nullptr, &copy);
  if (clrMask == Ole::None)
    source.BitBlt(painter_.get(), xDest, yDest, nWidth, nHeight, xSrc, ySrc, dwRop);
  else
    source.TransBlt(painter_.get(), xDest, yDest, nWidth, nHeight, xSrc, ySrc, clrMask);
}

void cMemDC::PaintDisabledPicture(const StdPicture& oPic, int xDest, int yDest, int nWidth,
                                  int nHeight, int xSrc, int ySrc, OleColor clrMask,
                                  OleColor clrHighlight, OleColor clrShadow) {
  if (oPic.Picture.isNull()) return;
  if (!IsCreated()) Init(oPic.Picture.width(), oPic.Picture.height());
  if (!IsCreated()) return;
  if (nWidth == 0) nWidth = oPic.Picture.width();
  if (nHeight == 0) nHeight = oPic.Picture.height();
  cMemDC work;
  work.Init(nWidth, nHeight);
  work.Cls(clrMask);
  work.PaintPicture(oPic, 0, 0, nWidth, nHeight, xSrc, ySrc, SRCCOPY, Ole::None);
  work.DisabledBlt(painter_.get(), xDest, yDest, nWidth, nHeight, 0, 0, clrMask, clrHighlight,
                   clrShadow);
}

StdPicture cMemDC::ExtractIcon(OleColor clrMask) const {
  if (!IsCreated()) return {};
  QImage icon = image()->copy(0, 0, width_, height_).convertToFormat(QImage::Format_ARGB32);
  const QRgb mask = Ole::ToQColor(clrMask).rgb();
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x)
      if ((icon.pixel(x, y) | 0xFF000000) == mask) icon.setPixel(x, y, 0);
  return IconToPicture(icon);
}

StdPicture cMemDC::BitmapToPicture(const QImage& bitmap) {
  if (bitmap.isNull()) return {};
  return StdPicture{bitmap, StdPicture::Bitmap};
}

StdPicture cMemDC::IconToPicture(const QImage& icon) {
  if (icon.isNull()) return {};
  return StdPicture{icon, StdPicture::Icon};
}

void cMemDC::SetDIBits(int xDest, int yDest, int nWidth, int nHeight, const QByteArray& aBits) {
  if (!IsCreated() || nWidth <= 0 || nHeight <= 0) return;
  const qsizetype stride = (qsizetype(nWidth) * 3 + 3) & ~qsizetype(3);
  if (aBits.size() < stride * nHeight) return;
  const QImage rows(reinterpret_cast<const uchar*>(aBits.constData()), nWidth, nHeight, stride,
                    QImage::Format_BGR888);
  copyTo(painter_.get(), QPoint(xDest, yDest), rows.mirrored(false, true), SRCCOPY);
}

QBrush cMemDC::CreateBrush(OleColor clrFill, int lStyle, int lHatch) {
  static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                           Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
  if (lStyle == BS_NULL) return QBrush(Qt::NoBrush);
  const QColor color = Ole::ToQColor(clrFill);
  if (lStyle == BS_HATCHED && lHatch >= 0 && lHatch <= HS_DIAGCROSS)
    return QBrush(color, hatches[lHatch]);
  return QBrush(color);
}

QPen cMemDC::CreatePen(OleColor clrOutline, int lStyle, int lWidth) {
  static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                        Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
  QPen pen(Ole::ToQColor(clrOutline), lWidth > 1 ? lWidth : 0);
  pen.setStyle(lStyle >= 0 && lStyle <= PS_NULL ? styles[lStyle] : Qt::SolidLine);
  return pen;
}

int cMemDC::TextWidth(const QString& sText) const {
  if (!IsCreated()) return 0;
  return QFontMetrics(painter_->font(), image())
      .horizontalAdvance(sText.left(sText.trimmed().size()));
}

int cMemDC::TextHeight(const QString&) const {
  if (!IsCreated()) return 0;
  return QFontMetrics(painter_->font(), image()).height();
}

void cMemDC::NormalizeRect(int& LeftX, int& TopY, int& RightX, int& BottomY) {
  if (BottomY < TopY) std::swap(TopY, BottomY);
  if (RightX < LeftX) std::swap(LeftX, RightX);
}

void cMemDC::SetClipRect(int LeftX, int TopY, int RightX, int BottomY) {
  if (!IsCreated()) return;
  if (LeftX < 0) {
    painter_->setClipping(false);
    return;
  }
  NormalizeRect(LeftX, TopY, RightX, BottomY);
  painter_->setClipRect(QRect(LeftX, TopY, RightX - LeftX, BottomY - TopY));
}

}  // namespace rd
