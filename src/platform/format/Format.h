#pragma once
#include <QString>

#include "platform/script/VbValue.h"

namespace rd {

// The forms runtime's Format in a fixed English locale: number codes
// (0 # . , % E+ E- \x "..." and up to four ";" sections: positive,
// negative, zero, Null), date codes (d dd ddd dddd y yy yyyy m mm mmm mmmm,
// h hh n nn s ss, m/mm as minutes right after h/hh, AM/PM am/pm A/P, q, w,
// ww with Sunday first and the week of 1 January first, / and :), and the
// named formats "General Number", "Currency", "Fixed", "Standard",
// "Percent", "Scientific", "Yes/No", "True/False", "On/Off",
// "General Date", "Long Date", "Medium Date", "Short Date" (yyyy-mm-dd),
// "Long Time", "Medium Time", "Short Time" (24-hour).
// An empty format gives the value as text; Null and Empty give "" (or the
// fourth section); text that is neither a number nor a date comes back
// unchanged. Numbers round half away from zero. A format holding both date
// codes and digit placeholders ("0 pcs") formats dates as dates and
// numbers as numbers.
QString Format(const VbValue& value, const QString& format = QString());

}  // namespace rd
