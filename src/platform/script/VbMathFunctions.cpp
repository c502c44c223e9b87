#include <cmath>
#include <limits>

#include "platform/script/VbBuiltins.h"
#include "platform/script/VbDecimal.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

using Type = VbValue::Type;

// A whole or rounded number of the same subtype as v where it fits; text
// gives a Double.
VbValue sameTypeResult(const VbValue& v, double d) {
  switch (v.type()) {
    case Type::Byte:
      if (d >= 0 && d <= 255) return VbValue::Byte(int(d));
      [[fallthrough]];
    case Type::Empty:
    case Type::Boolean:
    case Type::Integer:
      if (d >= -32768 && d <= 32767) return VbValue::Integer(int(d));
      [[fallthrough]];
    case Type::Long:
      if (d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max()) return VbValue::Long(int(d));
      return VbValue::Double(d);
    case Type::Single: return VbValue::Single(float(d));
    case Type::Currency: return VbValue::Currency(d);
    case Type::Date: return DateResult(d);
    default: return VbValue::Double(d);
  }
}

template <double (*apply)(double)>
VbValue sameType(const VbValue* a, int) {
  if (a[0].IsNull()) return a[0];
  return sameTypeResult(a[0], apply(ToDouble(a[0])));
}

VbValue round(const VbValue* a, int count) {
  const VbValue& v = a[0];
  if (v.IsNull()) return v;
  int digits = count > 1 ? Whole(a[1], 0) : 0;
  if (v.IsEmpty()) return VbValue::Integer(0);
  if (v.type() <= Type::Long) return v;  // Boolean, Byte, Integer and Long stay as they are
  VbDecimal decimal = VbDecimal::FromDouble(ToDouble(v), v.type() == Type::Single ? 7 : 15);
  decimal.RoundTo(digits, true);
  return sameTypeResult(v, decimal.ToDouble());
}

// A Double result of a function of a number; `valid` says which
// arguments the function takes, a result past the Double range overflows.
template <double (*apply)(double), bool (*valid)(double)>
VbValue real(const VbValue* a, int) {
  double d = ToDouble(a[0]);
  if (!valid(d)) Raise(VbError::InvalidCall);
  double r = apply(d);
  if (!std::isfinite(r)) Raise(VbError::Overflow);
  return VbValue::Double(r);
}

bool any(double) { return true; }
bool positive(double d) { return d > 0; }
bool notNegative(double d) { return d >= 0; }

double absolute(double d) { return std::fabs(d); }
double floorOf(double d) { return std::floor(d); }
double truncated(double d) { return std::trunc(d); }
double squareRoot(double d) { return std::sqrt(d); }
double exponential(double d) { return std::exp(d); }
double logarithm(double d) { return std::log(d); }
double arcTangent(double d) { return std::atan(d); }
double sine(double d) { return std::sin(d); }
double cosine(double d) { return std::cos(d); }
double tangent(double d) { return std::tan(d); }

const Entry kEntries[] = {
    {"Abs", 1, 1, sameType<absolute>},
    {"Int", 1, 1, sameType<floorOf>},
    {"Fix", 1, 1, sameType<truncated>},
    {"Round", 1, 2, round},
    {"Sgn", 1, 1, [](const VbValue* a, int) {
       double d = ToDouble(a[0]);
       return VbValue::Integer(d > 0 ? 1 : d < 0 ? -1 : 0);
     }},
    {"Sqr", 1, 1, real<squareRoot, notNegative>},
    {"Exp", 1, 1, real<exponential, any>},
    {"Log", 1, 1, real<logarithm, positive>},
    {"Atn", 1, 1, real<arcTangent, any>},
    {"Sin", 1, 1, real<sine, any>},
    {"Cos", 1, 1, real<cosine, any>},
    {"Tan", 1, 1, real<tangent, any>},
};

}  // namespace

std::span<const Entry> MathFunctions() { return kEntries; }

}  // namespace rd::builtins
