#pragma once
#include <QMargins>
#include <QRect>

namespace rd {

// Sizes and positions are kept in twips (1440 per inch) and converted here
// only, at 15 twips per pixel (96 dpi).
namespace Twips {
constexpr int PerPixel = 15;
constexpr int ToPx(int twips) { return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel; }
constexpr int FromPx(int px) { return px * PerPixel; }
inline QRect ToPx(int left, int top, int width, int height) {
  return QRect(ToPx(left), ToPx(top), ToPx(width), ToPx(height));
}
// Printers measure in points, 20 twips each.
constexpr double PerPoint = 20.0;
inline QMargins FromPoints(const QMarginsF& points) {
  const QMarginsF t = points * PerPoint;
  return QMargins(qRound(t.left()), qRound(t.top()), qRound(t.right()), qRound(t.bottom()));
}
}  // namespace Twips

}  // namespace rd
