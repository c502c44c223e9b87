#pragma once
#include <QFont>

namespace rd {

// The two fonts of the grid report layouts.
class ReportFonts {
 public:
  static QFont Text() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    return f;
  }
  static QFont Heading() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(18);
    f.setBold(true);
    return f;
  }
};

}  // namespace rd
