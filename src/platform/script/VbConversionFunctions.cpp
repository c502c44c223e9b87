#include <cmath>
#include <limits>

#include "platform/script/VbBuiltins.h"
#include "platform/script/VbDate.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

using Type = VbValue::Type;

// A whole number in base 16 or 8, negative ones as 16-bit two's complement
// for the 16-bit subtypes and as 32-bit otherwise: Hex(-1) is "FFFF".
VbValue radixText(const VbValue& v, int base) {
  if (v.IsNull()) return v;
  int n = ToLong(v);
  bool narrow = v.type() <= Type::Integer && n >= -32768 && n <= 32767;
  quint32 bits = narrow ? quint16(n) : quint32(n);
  return VbValue(QString::number(bits, base).toUpper());
}

QChar firstCharacter(const VbValue& v) {
  QString s = ToText(v);
  if (s.isEmpty()) Raise(VbError::InvalidCall);
  return s[0];
}

bool isNumeric(const VbValue& v) {
  double d = 0;
  if (v.IsString()) return VbValue::TextToNumber(v.RawText(), &d);
  return !v.IsNull() && v.type() != Type::Date;
}

bool isDate(const VbValue& v) {
  double d = 0;
  return v.type() == Type::Date || (v.IsString() && VbDate::Parse(v.RawText(), &d));
}

VbValue toSingle(const VbValue& v) {
  double d = ToDouble(v);
  if (std::fabs(d) > std::numeric_limits<float>::max()) Raise(VbError::Overflow);
  return VbValue::Single(float(d));
}

VbValue toByte(const VbValue& v) {
  int n = ToLong(v);
  if (n < 0 || n > 255) Raise(VbError::Overflow);
  return VbValue::Byte(n);
}

VbValue chrW(const VbValue& v) {
  int code = ToLong(v);
  if (code < -32768 || code > 65535) Raise(VbError::InvalidCall);
  return VbValue(QString(QChar(char16_t(code & 0xFFFF))));
}

VbValue chr(const VbValue& v) {
  int code = ToLong(v);
  if (code < 0 || code > 255) Raise(VbError::InvalidCall);
  return VbValue(QString(AnsiChar(code)));
}

const Entry kEntries[] = {
    {"CBool", 1, 1, [](const VbValue* a, int) { return VbValue::Boolean(ToBoolean(a[0])); }},
    {"CByte", 1, 1, [](const VbValue* a, int) { return toByte(a[0]); }},
    {"CInt", 1, 1, [](const VbValue* a, int) { return VbValue::Integer(ToInteger(a[0])); }},
    {"CLng", 1, 1, [](const VbValue* a, int) { return VbValue::Long(ToLong(a[0])); }},
    {"CSng", 1, 1, [](const VbValue* a, int) { return toSingle(a[0]); }},
    {"CDbl", 1, 1, [](const VbValue* a, int) { return VbValue::Double(ToDouble(a[0])); }},
    {"CCur", 1, 1, [](const VbValue* a, int) { return VbValue::CurrencyScaled(ToCurrencyScaled(a[0])); }},
    {"CDate", 1, 1, [](const VbValue* a, int) { return VbValue::Date(ToDate(a[0])); }},
    {"CStr", 1, 1, [](const VbValue* a, int) { return VbValue(ToText(a[0])); }},
    {"IsNumeric", 1, 1, [](const VbValue* a, int) { return VbValue::Boolean(isNumeric(a[0])); }},
    {"IsDate", 1, 1, [](const VbValue* a, int) { return VbValue::Boolean(isDate(a[0])); }},
    {"IsEmpty", 1, 1, [](const VbValue* a, int) { return VbValue::Boolean(a[0].IsEmpty()); }},
    {"IsNull", 1, 1, [](const VbValue* a, int) { return VbValue::Boolean(a[0].IsNull()); }},
    {"TypeName", 1, 1, [](const VbValue* a, int) { return VbValue(a[0].TypeName()); }},
    {"VarType", 1, 1, [](const VbValue* a, int) { return VbValue::Integer(a[0].VarType()); }},
    {"Hex", 1, 1, [](const VbValue* a, int) { return radixText(a[0], 16); }},
    {"Oct", 1, 1, [](const VbValue* a, int) { return radixText(a[0], 8); }},
    {"Chr", 1, 1, [](const VbValue* a, int) { return chr(a[0]); }},
    {"ChrW", 1, 1, [](const VbValue* a, int) { return chrW(a[0]); }},
    {"Asc", 1, 1, [](const VbValue* a, int) { return VbValue::Integer(AnsiCode(firstCharacter(a[0]))); }},
    {"AscW", 1, 1, [](const VbValue* a, int) { return VbValue::Integer(qint16(firstCharacter(a[0]).unicode())); }},
};

}  // namespace

std::span<const Entry> ConversionFunctions() { return kEntries; }

}  // namespace rd::builtins
