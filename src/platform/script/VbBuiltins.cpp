#include "platform/script/VbBuiltins.h"

#include "platform/script/VbDate.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

// The characters of 0x80..0x9F; the other codes are Latin-1.
const char16_t kAnsiHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

QChar AnsiChar(int code) { return code >= 0x80 && code < 0xA0 ? QChar(kAnsiHigh[code - 0x80]) : QChar(code); }

int AnsiCode(QChar c) {
  char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i) {
    if (kAnsiHigh[i] == u) return 0x80 + i;
  }
  return '?';
}

}  // namespace rd::builtins
