#include "platform/script/VbDecimal.h"

#include <cmath>

namespace rd {

VbDecimal VbDecimal::FromDouble(double value, int significantDigits) {
  VbDecimal d;
  if (value == 0 || !std::isfinite(value)) return d;
  d.negative_ = value < 0;
  QByteArray text = QByteArray::number(std::fabs(value), 'e', significantDigits - 1);
  int e = text.indexOf('e');
  QByteArray mantissa = text.left(e);
  mantissa.remove(1, 1);  // the point after the first digit
  d.exponent_ = text.mid(e + 1).toInt() + 1;
  while (mantissa.endsWith('0')) mantissa.chop(1);
  d.digits_ = mantissa;
  return d;
}

void VbDecimal::RoundTo(int decimals, bool halfToEven) {
  if (decimals >= digits_.size() - exponent_) return;  // no digit past the place kept
  int keep = exponent_ + decimals;
  if (keep < 0) {
    digits_.clear();
    return;
  }
  char next = digits_[keep];
  bool up;
  if (next != '5') {
    up = next > '5';
  } else {
    bool moreAfter = false;
    for (int i = keep + 1; i < digits_.size(); ++i) moreAfter = moreAfter || digits_[i] != '0';
    bool previousOdd = keep > 0 && ((digits_[keep - 1] - '0') % 2 == 1);
    up = !halfToEven || moreAfter || previousOdd;
  }
  digits_.truncate(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && digits_[i] == '9') {
      digits_[i] = '0';
      --i;
    }
    if (i >= 0) {
      digits_[i] = digits_[i] + 1;
    } else {
      digits_.prepend('1');
      ++exponent_;
    }
  }
  while (digits_.endsWith('0')) digits_.chop(1);
}

QString VbDecimal::IntegerDigits() const {
  if (exponent_ <= 0 || digits_.isEmpty()) return QString();
  QByteArray whole = digits_.left(exponent_);
  if (whole.size() < exponent_) whole.append(QByteArray(exponent_ - whole.size(), '0'));
  return QString::fromLatin1(whole);
}

QString VbDecimal::FractionDigits() const {
  if (digits_.isEmpty()) return QString();
  if (exponent_ >= digits_.size()) return QString();
  if (exponent_ >= 0) return QString::fromLatin1(digits_.mid(exponent_));
  return QString(-exponent_, QLatin1Char('0')) + QString::fromLatin1(digits_);
}

double VbDecimal::ToDouble() const {
  if (digits_.isEmpty()) return 0.0;
  QByteArray text = "0." + digits_ + "e" + QByteArray::number(exponent_);
  double v = text.toDouble();
  return negative_ ? -v : v;
}

}  // namespace rd
