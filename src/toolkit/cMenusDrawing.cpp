#include "toolkit/cMenus.h"

#include "toolkit/RoundHalfEven.h"
#include "toolkit/cMenusInternal.h"

namespace rd {

using namespace menus;

std::optional<QSize> cMenus::OnMeasureItem(int Index) {
  const clsStoreMenu* rec = at(Index);
  if (!rec) return std::nullopt;
  if (rec->OwnerDraw || ItemOwnerDrawAll) {
    bool cancel = false;
    int w = 0, h = itemHeight_;
    emit MeasureItem(cancel, Index, w, h);
    if (cancel) return QSize(w, h);
  }
  if (drawStyle_ != 0 && drawStyle_ != 1) return std::nullopt;
  if (rec->Separator) return QSize(0, 9);
  if (rec->TopMenu) return QSize(measure_.TextWidth(rec->Caption), itemHeight_);
  const QString shortcut = accelDisplayText(rec->KeyAccel);
  const int caption = measure_.TextWidth(rec->Caption);
  if (shortcut.isEmpty()) return QSize(caption + (drawStyle_ == 0 ? 23 : 32), itemHeight_);
  return QSize(caption + measure_.TextWidth(shortcut) + (drawStyle_ == 0 ? 32 : 52), itemHeight_);
}

bool cMenus::OnDrawItem(int Index, QPainter* hDC, const QRect& rect, bool selected,
                        bool disabled, bool hot) {
  const clsStoreMenu* rec = at(Index);
  if (!rec || !hDC || (drawStyle_ != 0 && drawStyle_ != 1)) return false;
  if (rec->OwnerDraw || ItemOwnerDrawAll) {
    bool cancel = false;
    emit DrawItem(cancel, Index, hDC, selected, rect.left(), rect.top(), rect.right() + 1,
                  rect.bottom() + 1);
    if (cancel) return false;
  }
  const int W = rect.width(), H = rect.height();
  cMemDC dc;
  if (!dc.Init(W, H)) return false;
  dc.SetBackStyle(cMemDC::TRANSPARENT);
  dc.SetFont(font_);
  const bool checked = ItemChecked(Index);
  if (drawStyle_ == 0) paintClassic(dc, *rec, rect, selected, disabled, checked, hot);
  else paintFlat(dc, *rec, W, H, selected, disabled, checked, hot);
  dc.BitBlt(hDC, rect.left(), rect.top(), W, H);
  return true;
}

void cMenus::drawItemTexts(cMemDC& dc, const clsStoreMenu& rec, int W, int H, int x0,
                           int shift) const {
  int top = RoundHalfEven((H - dc.TextHeight(rec.Caption)) / 2.0) - shift;
  if (RightToLeft) {
    int l = -shift, r = W - x0 - shift, b = H - shift;
    dc.DrawText(rec.Caption, l, top, r, b, cMemDC::DT_RIGHT | cMemDC::DT_NOCLIP);
  } else {
    int l = x0 - shift, r = W, b = H;
    dc.DrawText(rec.Caption, l, top, r, b, cMemDC::DT_NOCLIP);
  }
  const QString shortcut = accelDisplayText(rec.KeyAccel);
  if (shortcut.isEmpty()) return;
  const int tw = dc.TextWidth(shortcut);
  int l = (RightToLeft ? 9 : W - tw - 9) - shift, t = -shift, r = W, b = H;
  dc.DrawText(shortcut, l, t, r, b, cMemDC::DT_SINGLELINE | cMemDC::DT_VCENTER | cMemDC::DT_NOCLIP);
}

// The submenu arrow, which the window system adds beside owner-drawn items.
void cMenus::paintSubmenuArrow(cMemDC& dc, const clsStoreMenu& rec, int W, int H,
                               OleColor color) const {
  if (!rec.hSubMenu || rec.TopMenu) return;
  QPainter* p = dc.hDC();
  const int mid = H / 2, tip = RightToLeft ? 6 : W - 8, base = RightToLeft ? 10 : W - 12;
  const QPoint arrow[3] = {QPoint(base, mid - 4), QPoint(tip, mid), QPoint(base, mid + 4)};
  p->save();
  p->setPen(Qt::NoPen);
  p->setBrush(Ole::ToQColor(color));
  p->drawPolygon(arrow, 3);
  p->restore();
}

// The tick and bullet glyphs, drawn as paths.
void cMenus::paintCheckGlyph(cMemDC& dc, int style, const QRect& box, OleColor color) const {
  QPainter* p = dc.hDC();
  p->save();
  p->setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = QRectF(box).center();
  if (style == 0) {
    p->setPen(QPen(Ole::ToQColor(color), 2));
    const QPointF pts[3] = {c + QPointF(-4, 0), c + QPointF(-1, 3), c + QPointF(4, -3)};
    p->drawPolyline(pts, 3);
  } else {
    p->setPen(Qt::NoPen);
    p->setBrush(Ole::ToQColor(color));
    p->drawEllipse(c, 3, 3);
  }
  p->restore();
}

StdPicture cMenus::ShadowImage(const StdPicture& picture) {
  cMemDC dc;
  if (!dc.Init(picture.Picture.width(), picture.Picture.height())) return {};
  dc.PaintPicture(picture, 0, 0);
  const OleColor shadow = Ole::Translate(kShadow);
  for (int y = 0; y < dc.Height(); ++y)
    for (int x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) != 0) dc.SetPixel(x, y, shadow);
  return dc.Image();
}

}  // namespace rd
