#include "platform/script/VbBuiltins.h"

#include "platform/script/VbDate.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

// A conversion of VbValue that raises its error.
template <typename T>
T converted(const VbValue& v, T (VbValue::*convert)(int*) const) {
  int e = 0;
  T value = (v.*convert)(&e);
  if (e) Raise(e);
  return value;
}

}  // namespace

void Raise(int number) { throw VbRaise{number, QString()}; }

double ToDouble(const VbValue& v) { return converted(v, &VbValue::ToDouble); }
int ToLong(const VbValue& v) { return converted(v, &VbValue::ToLong); }
int ToInteger(const VbValue& v) { return converted(v, &VbValue::ToInteger); }
qint64 ToCurrencyScaled(const VbValue& v) { return converted(v, &VbValue::ToCurrencyScaled); }
bool ToBoolean(const VbValue& v) { return converted(v, &VbValue::ToBoolean); }
QString ToText(const VbValue& v) { return converted(v, &VbValue::ToText); }
double ToDate(const VbValue& v) { return converted(v, &VbValue::ToDate); }

int Whole(const VbValue& v, int minimum) {
  int n = ToLong(v);
  if (n < minimum) Raise(VbError::InvalidCall);
  return n;
}

bool TextCompare(const VbValue* args, int count, int index) {
  if (index >= count) return false;
  int mode = Whole(args[index], 0);
  if (mode > 1) Raise(VbError::InvalidCall);
  return mode == 1;
}

VbValue DateResult(double serial) {
  if (!VbDate::InRange(serial)) Raise(VbError::InvalidCall);
  return VbValue::Date(serial);
}

}  // namespace rd::builtins
