#pragma once
#include <QString>

namespace rd {

// One section of a number format applied to a value that is not negative
// (the caller chose the section and writes any sign).
class NumberFormat {
 public:
  static QString Apply(double value, const QString& section);
};

}  // namespace rd
