#pragma once
#include <QByteArray>
#include <QString>

namespace rd {

// A double as the decimal digits the script language sees (15 significant
// digits), so that rounding to a number of decimals is decided on those
// digits and not on the binary fraction: 1.005 rounds to 1.01.
class VbDecimal {
 public:
  static VbDecimal FromDouble(double value, int significantDigits = 15);

  // Keeps `decimals` digits after the point (negative rounds to tens,
  // hundreds, ...), halves away from zero or to the even digit.
  void RoundTo(int decimals, bool halfToEven);

  bool IsZero() const { return digits_.isEmpty(); }
  bool IsNegative() const { return negative_ && !IsZero(); }
  QString IntegerDigits() const;          // "" when the whole part is 0
  QString FractionDigits() const;         // without trailing zeros
  int Exponent() const { return exponent_; }  // value = 0.digits * 10^exponent
  QByteArray Digits() const { return digits_; }
  double ToDouble() const;

 private:
  bool negative_ = false;
  QByteArray digits_;  // significant digits, no leading or trailing zeros
  int exponent_ = 0;
};

}  // namespace rd
