#include "toolkit/StdFont.h"

#include "toolkit/RoundHalfEven.h"

namespace rd {

QFont StdFont::ToQFont(int dpi) const {
  QFont f(Name);
  f.setPixelSize(qMax(1, RoundHalfEven(Size * dpi / 72.0)));
  f.setWeight(static_cast<QFont::Weight>(qBound(1, Weight ? Weight : 400, 1000)));
  f.setItalic(Italic);
  f.setUnderline(Underline);
  f.setStrikeOut(Strikethrough);
  return f;
}

StdFont StdFont::FromQFont(const QFont& f, int dpi) {
  StdFont s;
  s.Name = f.family();
  s.Size = f.pixelSize() > 0 ? f.pixelSize() * 72.0 / dpi : f.pointSizeF();
  s.Weight = f.weight();
  s.Italic = f.italic();
  s.Underline = f.underline();
  s.Strikethrough = f.strikeOut();
  return s;
}

}  // namespace rd
