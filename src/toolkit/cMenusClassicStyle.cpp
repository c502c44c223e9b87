#include "toolkit/cMenus.h"

#include <algorithm>

#include "toolkit/RoundHalfEven.h"
#include "toolkit/cMenusInternal.h"

namespace rd {

using namespace menus;

namespace {

constexpr int kCentred =
    cMemDC::DT_CENTER | cMemDC::DT_VCENTER | cMemDC::DT_SINGLELINE | cMemDC::DT_NOCLIP;

void drawCentred(cMemDC& dc, const QString& text, int l, int t, int r, int b) {
  dc.DrawText(text, l, t, r, b, kCentred);
}

}  // namespace

void cMenus::paintClassic(cMemDC& dc, const clsStoreMenu& rec, const QRect& rect, bool selected,
                          bool disabled, bool checked, bool hot) {
  const int W = rect.width(), H = rect.height();
  dc.FillRect(0, 0, W, H, BackColor);
  if (rec.TopMenu) {
    dc.FillRect(0, 0, W, H, kFace);
    if (disabled) {
      dc.SetForeColor(kWhite);
      drawCentred(dc, rec.Caption, 1, 1, W + 1, H + 1);
      dc.SetForeColor(kShadow);
      drawCentred(dc, rec.Caption, 0, 0, W, H);
      return;
    }
    if (selected) dc.DrawEdge(0, 0, W, H, cMemDC::BDR_SUNKENOUTER, cMemDC::BF_RECT);
    else if (hot) dc.DrawEdge(0, 0, W, H, cMemDC::BDR_RAISEDINNER, cMemDC::BF_RECT);
    dc.SetForeColor(0);
    drawCentred(dc, rec.Caption, 0, 0, W, H);
    return;
  }
  if (picture_ && !pictureSize_.isEmpty()) {
    // Aligned to the menu, so that the tiles run on from item to item.
    const int pw = pictureSize_.width(), ph = pictureSize_.height();
    for (int x = -(rect.left() % pw); x <= W; x += pw)
      for (int y = -(rect.top() % ph); y <= H; y += ph) dc.PaintPicture(*picture_, x, y, pw, ph);
  }
  if (rec.Separator) {
    dc.DrawLine(0, 4, W, 4, kShadow);
    dc.DrawLine(0, 5, W, 5, kWhite);
    return;
  }
  OleColor text = ForeColor;
  if (disabled) {
    dc.SetForeColor(kWhite);
    drawItemTexts(dc, rec, W, H, 23);
    text = kShadow;
    dc.SetForeColor(text);
    drawItemTexts(dc, rec, W, H, 23, 1);
  } else {
    if (selected) {
      if (rec.Image.isEmpty()) dc.FillRect(0, 0, W, H, HighlightColor);
      else if (RightToLeft) dc.FillRect(0, 0, W - 21, H, HighlightColor);
      else dc.FillRect(21, 0, W, H, HighlightColor);
      text = HighlightForeColor;
    }
    dc.SetForeColor(text);
    drawItemTexts(dc, rec, W, H, 23);
  }
  paintSubmenuArrow(dc, rec, W, H, text);
  const int boxLeft = RightToLeft ? W - 20 : 1, boxRight = RightToLeft ? W - 1 : 20;
  bool glyph = false;
  if (checked) {
    dc.FillRect(boxLeft, 0, boxRight, H, selected ? LightenColor(BackColor) : kFace);
    dc.DrawEdge(boxLeft, 0, boxRight, H, cMemDC::BDR_SUNKENOUTER, cMemDC::BF_RECT);
    if (rec.CheckedStyle == 0 || rec.CheckedStyle == 1) {
      paintCheckGlyph(dc, rec.CheckedStyle, QRect(QPoint(boxLeft, 0), QPoint(boxRight - 1, H - 1)),
                      0);
      glyph = true;
    }
  }
  if (glyph || rec.Image.isEmpty() || !ImageList) return;
  const std::optional<StdPicture> picture = ImageList->Picture(rec.Image);
  if (!picture) return;
  const int x = RightToLeft ? W - 19 : 3, y16 = RoundHalfEven((H - 16) / 2.0);
  if (disabled) {
    dc.PaintDisabledPicture(*picture, x, y16, 16, 16, 0, 0, kWhite, Ole::System(20), kShadow);
    return;
  }
  if (selected && !checked)
    dc.DrawEdge(boxLeft, 0, boxRight, H, cMemDC::BDR_RAISEDINNER, cMemDC::BF_RECT);
  dc.PaintPicture(*picture, x, y16, 16, 16);
}

OleColor cMenus::LightenColor(OleColor color) {
  const OleColor rgb = Ole::Translate(color);
  if (rgb == lightenIn_) return lightenOut_;
  const float r = (rgb & 0xFF) / 255.0f, g = ((rgb >> 8) & 0xFF) / 255.0f,
              b = ((rgb >> 16) & 0xFF) / 255.0f;
  const float mx = std::max({r, g, b}), mn = std::min({r, g, b});
  float l = (mx + mn) / 2, s = 0, h = 0;
  if (mx != mn) {
    const float d = mx - mn;
    s = l <= 0.5f ? d / (mx + mn) : d / (2 - mx - mn);
    if (r == mx) h = (g - b) / d;
    else if (g == mx) h = 2 + (b - r) / d;
    else h = 4 + (r - g) / d;
  }
  l = l <= 0.99f ? std::min(l * 1.2f, 1.0f) : l * 0.8f;
  float outR = l, outG = l, outB = l;
  if (s != 0) {
    const float lo = l <= 0.5f ? l * (1 - s) : l - s * (1 - l);
    const float hi = 2 * l - lo, d = hi - lo;
    if (h < 0) { outR = hi; outG = lo; outB = lo - h * d; }
    else if (h < 1) { outR = hi; outG = lo + h * d; outB = lo; }
    else if (h < 2) { outR = lo - (h - 2) * d; outG = hi; outB = lo; }
    else if (h < 3) { outR = lo; outG = hi; outB = lo + (h - 2) * d; }
    else if (h < 4) { outR = lo; outG = lo - (h - 4) * d; outB = hi; }
    else { outR = lo + (h - 4) * d; outG = lo; outB = hi; }
  }
  auto channel = [](float v) { return std::clamp(RoundHalfEven(v * 255.0), 0, 255); };
  lightenIn_ = rgb;
  lightenOut_ = Ole::Rgb(channel(outR), channel(outG), channel(outB));
  return lightenOut_;
}

}  // namespace rd
