#pragma once
#include <QFont>
#include <QString>

namespace rd {

// A font as the menu code and the drawing surface hand it around: face,
// size in points and style. Bold follows the weight (700 and more).
struct StdFont {
  QString Name;
  double Size = 8;
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;

  bool Bold() const { return Weight >= 700; }
  void SetBold(bool bold) { Weight = bold ? 700 : 400; }
  bool operator==(const StdFont&) const = default;

  // The font for painting at dpi dots per inch, sized in whole pixels.
  QFont ToQFont(int dpi) const;
  static StdFont FromQFont(const QFont& f, int dpi);
};

}  // namespace rd
