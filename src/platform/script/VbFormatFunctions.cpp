#include "platform/format/Format.h"
#include "platform/script/VbBuiltins.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

// How FormatNumber, FormatCurrency and FormatPercent write a number in the
// English locale: the text around it and whether negatives take parentheses.
struct NumberStyle {
  const char* prefix;
  const char* suffix;
  bool parentheses;
};

// (value[, digits[, leading zero[, parentheses[, grouping]]]]); -1 digits
// and vbUseDefault (-2) options take the locale's default.
VbValue formatNumber(const VbValue* a, int count, NumberStyle style) {
  if (a[0].IsNull()) return VbValue::Null();
  double n = ToDouble(a[0]);
  auto option = [&](int i, bool fallback) {
    if (i >= count) return fallback;
    int v = ToLong(a[i]);
    return v == -2 ? fallback : v != 0;
  };
  int digits = count > 1 ? ToLong(a[1]) : 2;
  if (digits == -1) digits = 2;
  if (digits < 0 || digits > 99) Raise(VbError::InvalidCall);
  bool leading = option(2, true);
  bool parens = option(3, style.parentheses);
  bool group = option(4, true);
  QString section = QString(group ? "#,##" : "") + (leading ? "0" : "#");
  if (digits > 0) section += QLatin1Char('.') + QString(digits, QLatin1Char('0'));
  section = QLatin1String(style.prefix) + section + QLatin1String(style.suffix);
  QString format = section + QLatin1Char(';') + (parens ? "(" + section + ")" : "-" + section);
  return VbValue(Format(VbValue::Double(n), format));
}

VbValue formatDateTime(const VbValue* a, int count) {
  if (a[0].IsNull()) return VbValue::Null();
  double serial = ToDate(a[0]);
  int kind = count > 1 ? ToLong(a[1]) : 0;
  static const char* const named[] = {"General Date", "Long Date", "Short Date", "Long Time", "Short Time"};
  if (kind < 0 || kind > 4) Raise(VbError::InvalidCall);
  return VbValue(Format(VbValue::Date(serial), QString::fromLatin1(named[kind])));
}

const Entry kEntries[] = {
    {"FormatNumber", 1, 5, [](const VbValue* a, int count) { return formatNumber(a, count, {"", "", false}); }},
    {"FormatCurrency", 1, 5, [](const VbValue* a, int count) { return formatNumber(a, count, {"$", "", true}); }},
    {"FormatPercent", 1, 5, [](const VbValue* a, int count) { return formatNumber(a, count, {"", "%", false}); }},
    {"FormatDateTime", 1, 2, formatDateTime},
};

}  // namespace

std::span<const Entry> FormatFunctions() { return kEntries; }

}  // namespace rd::builtins
