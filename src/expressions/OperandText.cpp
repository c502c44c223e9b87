#include "expressions/OperandText.h"

#include <cmath>

namespace rd {

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11};

// A plain decimal: optional "-", up to 15 digits, at most 11 after one
// point. Exact as a correctly rounded division of two exact doubles.
bool parsePlain(const QString& text, double* value, bool* whole) {
  const int n = int(text.size());
  int i = 0;
  const bool negative = n > 0 && text[0] == QLatin1Char('-');
  if (negative) i = 1;
  qint64 mantissa = 0;
  int digits = 0, decimals = -1;
  for (; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10 + (c - '0');
      if (++digits > 15) return false;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      return false;
    }
  }
  if (digits == 0 || decimals > 11) return false;
  *whole = decimals < 0;
  double v = double(mantissa);
  if (decimals > 0) v /= kPowersOfTen[decimals];
  *value = negative ? -v : v;
  return true;
}

}  // namespace

VbValue OperandText::ToOperand(const QString& text) {
  double v = 0;
  bool whole = false;
  if (!parsePlain(text, &v, &whole)) return VbValue::FromOperandText(text);
  if (whole && std::fabs(v) <= 32767) return VbValue::Integer(int(v));
  if (whole && std::fabs(v) <= 2147483647.0) return VbValue::Long(int(v));
  return VbValue::Double(v);
}

QString OperandText::FromResult(const VbValue& value, bool* ok) {
  *ok = true;
  switch (value.type()) {
    case VbValue::Type::Integer:
    case VbValue::Type::Long:
      return QString::number(value.RawInteger());
    case VbValue::Type::Double: {
      // A value that a short decimal gives back exactly prints as that
      // decimal, as 15 significant digits would print it.
      const double v = value.RawDouble();
      const double magnitude = std::fabs(v);
      if (v != 0 && magnitude >= 1e-4 && magnitude < 1e9) {
        for (int k = 0; k <= 6; ++k) {
          const double scaled = std::nearbyint(v * kPowersOfTen[k]);
          if (scaled / kPowersOfTen[k] != v) continue;
          const qint64 m = qint64(std::fabs(scaled));
          QString digits = QString::number(m);
          if (k > 0) {
            if (digits.size() <= k) digits.prepend(QString(k - digits.size() + 1, QLatin1Char('0')));
            digits.insert(digits.size() - k, QLatin1Char('.'));
          }
          return v < 0 ? QLatin1Char('-') + digits : digits;
        }
      }
      break;
    }
    default:
      break;
  }
  int error = 0;
  const QString text = value.ToText(&error);
  *ok = error == 0;
  return text;
}

}  // namespace rd
