#include "platform/script/VbOperators.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/script/VbError.h"

namespace rd {

namespace {

using Type = VbValue::Type;

// Ranks of the number types, least to most precise.
enum Rank { RByte, RInteger, RLong, RSingle, RDouble, RCurrency };

[[noreturn]] void raise(int number) { throw VbRaise{number, QString()}; }

double number(const VbValue& v) {
  int e = 0;
  double d = v.ToDouble(&e);
  if (e) raise(e);
  return d;
}

int rankOf(const VbValue& v) {
  switch (v.type()) {
    case Type::Empty:
    case Type::Boolean:
    case Type::Integer: return RInteger;
    case Type::Byte: return RByte;
    case Type::Long: return RLong;
    case Type::Single: return RSingle;
    case Type::Currency: return RCurrency;
    default: return RDouble;  // Double, Date, numeric text
  }
}

int resultRank(const VbValue& a, const VbValue& b) {
  int ra = rankOf(a), rb = rankOf(b);
  if ((ra == RSingle && rb == RLong) || (ra == RLong && rb == RSingle)) return RDouble;
  return ra > rb ? ra : rb;
}

VbValue fitInteger(qint64 n, int rank) {
  if (rank == RByte && n >= 0 && n <= 255) return VbValue::Byte(int(n));
  if (rank <= RInteger && n >= -32768 && n <= 32767) return VbValue::Integer(int(n));
  if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()) return VbValue::Long(int(n));
  return VbValue::Double(double(n));
}

VbValue checkedDouble(double d) {
  if (!std::isfinite(d)) raise(VbError::Overflow);
  return VbValue::Double(d);
}

VbValue checkedDate(double d) {
  if (!std::isfinite(d) || d < -657434.0 || d >= 2958466.0) raise(VbError::Overflow);
  return VbValue::Date(d);
}

VbValue checkedCurrency(double scaled) {
  if (!(std::fabs(scaled) < 9.2233720368547758e18)) raise(VbError::Overflow);
  return VbValue::CurrencyScaled(static_cast<qint64>(scaled));
}

enum class Arith { Add, Subtract, Multiply };

VbValue arithmetic(Arith op, const VbValue& a, const VbValue& b) {
  int rank = resultRank(a, b);
  if (rank <= RLong) {
    qint64 x = a.RawInteger(), y = b.RawInteger();
    qint64 r = op == Arith::Add ? x + y : op == Arith::Subtract ? x - y : x * y;
    return fitInteger(r, rank);
  }
  if (rank == RCurrency) {
    if (op == Arith::Multiply) return checkedCurrency(std::nearbyint(number(a) * number(b) * 10000.0));
    int e = 0;
    qint64 x = a.ToCurrencyScaled(&e), y = b.ToCurrencyScaled(&e);
    if (e) raise(e);
    qint64 r = 0;
    bool overflow = op == Arith::Add ? __builtin_add_overflow(x, y, &r) : __builtin_sub_overflow(x, y, &r);
    if (overflow) raise(VbError::Overflow);
    return VbValue::CurrencyScaled(r);
  }
  double x = number(a), y = number(b);
  double r = op == Arith::Add ? x + y : op == Arith::Subtract ? x - y : x * y;
  if (rank == RSingle) {
    if (std::fabs(r) <= std::numeric_limits<float>::max()) return VbValue::Single(float(r));
    return checkedDouble(r);
  }
  return checkedDouble(r);
}

// Operands as whole numbers for \ and Mod.
int wholeNumber(const VbValue& v) {
  int e = 0;
  int n = v.ToLong(&e);
  if (e) raise(e);
  return n;
}

// An operand of the logical operators: Null, a Boolean or a whole number.
struct Logical {
  bool null = false;
  bool boolean = false;
  qint64 bits = 0;
  int rank = RInteger;
};

Logical logical(const VbValue& v) {
  Logical l;
  switch (v.type()) {
    case Type::Null: l.null = true; l.rank = RByte; return l;
    case Type::Boolean: l.boolean = true; l.bits = v.RawInteger(); return l;
    case Type::Empty: return l;
    case Type::Integer: l.bits = v.RawInteger(); return l;
    case Type::Byte: l.bits = v.RawInteger(); l.rank = RByte; return l;
    case Type::String: {
      bool value = false;
      if (VbValue::TextToBoolean(v.RawText(), &value)) {
        l.boolean = true;
        l.bits = value ? -1 : 0;
        return l;
      }
      break;
    }
    default: break;
  }
  l.rank = RLong;
  l.bits = wholeNumber(v);
  return l;
}

VbValue logicalResult(qint64 bits, bool boolean, int rank) {
  if (boolean) return VbValue::Boolean(bits != 0);
  if (rank == RByte) return VbValue::Byte(int(bits & 0xFF));
  return rank <= RInteger ? VbValue::Integer(int(qint16(bits))) : VbValue::Long(int(bits));
}

enum class Logic { And, Or, Xor, Eqv, Imp };

VbValue logic(Logic op, const VbValue& a, const VbValue& b) {
  Logical x = logical(a), y = logical(b);
  bool boolean = (x.null || x.boolean) && (y.null || y.boolean);
  int rank = std::max(x.rank, y.rank);
  if (x.null || y.null) {
    if (x.null && y.null) return VbValue::Null();
    qint64 other = x.null ? y.bits : x.bits;
    switch (op) {
      case Logic::And:
        if (other == 0) return logicalResult(0, boolean, rank);
        return VbValue::Null();
      case Logic::Or:
        if (other == -1) return logicalResult(-1, boolean, rank);
        return VbValue::Null();
      case Logic::Imp:
        if ((x.null && y.bits == -1) || (y.null && x.bits == 0)) return logicalResult(-1, boolean, rank);
        return VbValue::Null();
      default: return VbValue::Null();
    }
  }
  qint64 r = 0;
  switch (op) {
    case Logic::And: r = x.bits & y.bits; break;
    case Logic::Or: r = x.bits | y.bits; break;
    case Logic::Xor: r = x.bits ^ y.bits; break;
    case Logic::Eqv: r = ~(x.bits ^ y.bits); break;
    case Logic::Imp: r = ~x.bits | y.bits; break;
  }
  return logicalResult(r, boolean, rank);
}

int compareStrings(const QString& a, const QString& b) {
  int c = a.compare(b, Qt::CaseSensitive);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int compareNumbers(double a, double b) { return a < b ? -1 : a > b ? 1 : 0; }

}  // namespace

VbValue VbOperators::Add(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  if (a.IsString() && (b.IsString() || b.IsEmpty())) return VbValue(a.RawText() + b.RawText());
  if (b.IsString() && a.IsEmpty()) return b;
  if (a.type() == Type::Date || b.type() == Type::Date) return checkedDate(number(a) + number(b));
  return arithmetic(Arith::Add, a, b);
}

VbValue VbOperators::Subtract(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  bool aDate = a.type() == Type::Date, bDate = b.type() == Type::Date;
  if (aDate && bDate) return checkedDouble(number(a) - number(b));
  if (aDate || bDate) return checkedDate(number(a) - number(b));
  return arithmetic(Arith::Subtract, a, b);
}

VbValue VbOperators::Multiply(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  return arithmetic(Arith::Multiply, a, b);
}

VbValue VbOperators::Divide(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  double x = number(a), y = number(b);
  if (y == 0) raise(x == 0 ? VbError::Overflow : VbError::DivisionByZero);
  return checkedDouble(x / y);
}

VbValue VbOperators::IntegerDivide(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  qint64 x = wholeNumber(a), y = wholeNumber(b);
  if (y == 0) raise(VbError::DivisionByZero);
  return fitInteger(x / y, std::min(resultRank(a, b), int(RLong)));
}

VbValue VbOperators::Modulo(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  qint64 x = wholeNumber(a), y = wholeNumber(b);
  if (y == 0) raise(VbError::DivisionByZero);
  return fitInteger(x % y, std::min(resultRank(a, b), int(RLong)));
}

VbValue VbOperators::Power(const VbValue& a, const VbValue& b) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  double x = number(a), y = number(b);
  if (x < 0 && y != std::trunc(y)) raise(VbError::InvalidCall);
  if (x == 0 && y < 0) raise(VbError::DivisionByZero);
  return checkedDouble(std::pow(x, y));
}

VbValue VbOperators::Negate(const VbValue& a) {
  switch (a.type()) {
    case Type::Null: return a;
    case Type::Empty: return VbValue::Integer(0);
    case Type::Boolean:
    case Type::Byte:
    case Type::Integer: return fitInteger(-a.RawInteger(), RInteger);
    case Type::Long: return fitInteger(-a.RawInteger(), RLong);
    case Type::Currency: return VbValue::CurrencyScaled(-a.RawInteger());
    case Type::Single: return VbValue::Single(float(-a.RawDouble()));
    case Type::Date: return checkedDate(-a.RawDouble());
    default: return VbValue::Double(-number(a));
  }
}

VbValue VbOperators::Concatenate(const VbValue& a, const VbValue& b) {
  if (a.IsNull() && b.IsNull()) return a;
  QString left = a.IsNull() ? QString() : a.ToText();
  QString right = b.IsNull() ? QString() : b.ToText();
  return VbValue(left + right);
}

VbValue VbOperators::Compare(Comparison op, const VbValue& a, const VbValue& b, bool aLiteral, bool bLiteral) {
  if (a.IsNull() || b.IsNull()) return VbValue::Null();
  int c = 0;
  bool aText = a.IsString() || (a.IsEmpty() && b.IsString());
  bool bText = b.IsString() || (b.IsEmpty() && a.IsString());
  if (aText && bText) {
    c = compareStrings(a.ToText(), b.ToText());
  } else if (!aText && !bText) {
    if (a.type() <= Type::Long && b.type() <= Type::Long) {
      c = a.RawInteger() < b.RawInteger() ? -1 : a.RawInteger() > b.RawInteger() ? 1 : 0;
    } else {
      c = compareNumbers(a.ToDouble(), b.ToDouble());
    }
  } else {
    const VbValue& text = aText ? a : b;
    const VbValue& numeric = aText ? b : a;
    bool numericLiteral = aText ? bLiteral : aLiteral;
    bool textLiteral = aText ? aLiteral : bLiteral;
    if (numeric.type() == Type::Boolean) {
      c = compareStrings(numeric.ToText(), text.RawText());  // "True"/"False" against the text
    } else if (numericLiteral) {
      int e = 0;
      double n = numeric.type() == Type::Date ? text.ToDate(&e) : text.ToDouble(&e);
      if (e) raise(e);
      c = compareNumbers(n, numeric.ToDouble());
    } else if (textLiteral) {
      c = compareStrings(numeric.ToText(), text.RawText());
    } else {
      c = -1;  // the number is less than the string
    }
    if (aText) c = -c;
  }
  switch (op) {
    case Comparison::Equal: return VbValue::Boolean(c == 0);
    case Comparison::NotEqual: return VbValue::Boolean(c != 0);
    case Comparison::Less: return VbValue::Boolean(c < 0);
    case Comparison::Greater: return VbValue::Boolean(c > 0);
    case Comparison::LessEqual: return VbValue::Boolean(c <= 0);
    case Comparison::GreaterEqual: return VbValue::Boolean(c >= 0);
  }
  return VbValue::Null();
}

VbValue VbOperators::Not(const VbValue& a) {
  if (a.IsNull()) return a;
  Logical x = logical(a);
  return logicalResult(~x.bits, x.boolean, x.rank);
}

VbValue VbOperators::And(const VbValue& a, const VbValue& b) { return logic(Logic::And, a, b); }
VbValue VbOperators::Or(const VbValue& a, const VbValue& b) { return logic(Logic::Or, a, b); }
VbValue VbOperators::Xor(const VbValue& a, const VbValue& b) { return logic(Logic::Xor, a, b); }
VbValue VbOperators::Eqv(const VbValue& a, const VbValue& b) { return logic(Logic::Eqv, a, b); }
VbValue VbOperators::Imp(const VbValue& a, const VbValue& b) { return logic(Logic::Imp, a, b); }

}  // namespace rd
