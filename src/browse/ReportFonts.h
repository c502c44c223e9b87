#pragma once
#include <QFont>
#include <QStringList>

namespace rd {

// The two fonts of the grid report layouts.
class ReportFonts {
 public:
  // Arial, then the fonts drawn to its widths, so that the layouts print
  // the same where Arial itself is absent (on Linux Liberation Sans, from
  // the package fonts-liberation2).
  static QStringList Families() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
  }
  static QFont Text() {
    QFont f;
    f.setFamilies(Families());
    f.setPointSizeF(8.25);
    return f;
  }
  static QFont Heading() {
    QFont f;
    f.setFamilies(Families());
    f.setPointSizeF(18);
    f.setBold(true);
    return f;
  }
};

}  // namespace rd
