#include "toolkit/cMenus.h"

#include "toolkit/RoundHalfEven.h"
#include "toolkit/cMenusInternal.h"

namespace rd {

using namespace menus;

namespace {
const OleColor kPopupBack = Ole::Rgb(255, 251, 247);
const OleColor kColumn = Ole::Rgb(222, 219, 214);
const OleColor kSelectFill = Ole::Rgb(181, 190, 214);
const OleColor kOutline = Ole::Rgb(8, 36, 107);
const OleColor kBoxIdle = Ole::Rgb(214, 215, 222);
}  // namespace

void cMenus::paintFlat(cMemDC& dc, const clsStoreMenu& rec, int W, int H, bool selected,
                       bool disabled, bool checked, bool hot) const {
  if (rec.TopMenu) {
    // A title the user may not open is drawn as the others; it just opens nothing.
    dc.SetForeColor(0);
    if (selected) {
      dc.FillRect(0, 0, W, H, kColumn);
      dc.DrawLine(0, 0, W, 0, kShadow);
      dc.DrawLine(0, 0, 0, H, kShadow);
      dc.DrawLine(W - 1, 0, W - 1, H, kShadow);
    } else if (hot) {
      dc.Rectangle(0, 0, W, H, kSelectFill, std::nullopt, kOutline);
    } else {
      dc.FillRect(0, 0, W, H, kFace);
    }
    int l = 0, t = 0, r = W, b = H;
    dc.DrawText(rec.Caption, l, t, r, b,
                cMemDC::DT_CENTER | cMemDC::DT_VCENTER | cMemDC::DT_SINGLELINE | cMemDC::DT_NOCLIP);
    return;
  }
  dc.FillRect(0, 0, W, H, kPopupBack);
  if (RightToLeft) dc.FillRect(W - 24, 0, W, H, kColumn);
  else dc.FillRect(0, 0, 24, H, kColumn);
  if (rec.Separator) {
    if (RightToLeft) dc.DrawLine(W - 29, 4, 0, 4, kShadow);
    else dc.DrawLine(29, 4, W, 4, kShadow);
    return;
  }
  if (disabled) {
    dc.SetForeColor(kShadow);
  } else {
    if (selected) dc.Rectangle(1, 0, W - 1, H, kSelectFill, std::nullopt, kOutline);
    dc.SetForeColor(0);
  }
  drawItemTexts(dc, rec, W, H, 32);
  paintSubmenuArrow(dc, rec, W, H, disabled ? kShadow : 0);
  bool glyph = false;
  if (checked) {
    if (!disabled) {
      const OleColor fill = selected ? kSelectFill : kBoxIdle;
      if (RightToLeft) dc.Rectangle(W - 23, 1, W - 2, H - 1, fill, std::nullopt, kOutline);
      else dc.Rectangle(2, 1, 23, H - 1, fill, std::nullopt, kOutline);
    }
    if (rec.CheckedStyle == 0 || rec.CheckedStyle == 1) {
      const QRect box = RightToLeft ? QRect(QPoint(W - 24, 0), QPoint(W - 3, H - 1))
                                    : QRect(QPoint(2, 0), QPoint(19, H - 1));
      paintCheckGlyph(dc, rec.CheckedStyle, box, disabled ? kShadow : 0);
      glyph = true;
    }
  }
  if (glyph || rec.Image.isEmpty() || !ImageList) return;
  const std::optional<StdPicture> picture = ImageList->Picture(rec.Image);
  if (!picture) return;
  const int y16 = RoundHalfEven((H - 16) / 2.0);
  const int x = RightToLeft ? W - 20 : 4;
  if (disabled) {
    dc.PaintDisabledPicture(*picture, x, y16, 16, 16, 0, 0, kWhite, Ole::System(20), kShadow);
  } else if (!RightToLeft && selected) {
    dc.PaintPicture(ShadowImage(*picture), 4, RoundHalfEven((H - 16) / 2.0 + 2), 16, 16, 0, 0,
                    cMemDC::SRCCOPY, 0);
    dc.PaintPicture(*picture, 2, y16, 16, 16);
  } else {
    dc.PaintPicture(*picture, x, y16, 16, 16);
  }
}

}  // namespace rd
