#pragma once
#include <QString>

namespace rd {

// A date format applied to a date serial (VbDate).
class DateFormat {
 public:
  // True when the format holds a date or time code outside literals.
  static bool IsDateFormat(const QString& format);
  static QString Apply(double serial, const QString& format);
};

}  // namespace rd
