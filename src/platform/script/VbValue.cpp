#include "platform/script/VbValue.h"

#include <cmath>
#include <limits>

#include "platform/script/VbDate.h"
#include "platform/script/VbError.h"

namespace rd {

namespace {

void fail(int* error, int number) {
  if (error) *error = number;
}

int digitValue(QChar c) {
  char16_t u = c.toUpper().unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return 36;  // no digit in any base used
}

bool parseRadix(const QString& t, double* value) {
  if (t.size() < 3 || t[0] != QLatin1Char('&')) return false;
  QChar kind = t[1].toUpper();
  int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
  VbValue number;
  if (base == 0 || !VbValue::RadixNumber(QStringView(t).mid(2), base, false, &number)) return false;
  *value = number.ToDouble();
  return true;
}

}  // namespace

VbValue VbValue::Boolean(bool value) {
  VbValue v(Type::Boolean);
  v.int_ = value ? -1 : 0;
  return v;
}

VbValue VbValue::Byte(int value) {
  VbValue v(Type::Byte);
  v.int_ = value;
  return v;
}

VbValue VbValue::Integer(int value) {
  VbValue v(Type::Integer);
  v.int_ = value;
  return v;
}

VbValue VbValue::Long(int value) {
  VbValue v(Type::Long);
  v.int_ = value;
  return v;
}

VbValue VbValue::Single(float value) {
  VbValue v(Type::Single);
  v.double_ = value;
  return v;
}

VbValue VbValue::Double(double value) {
  VbValue v(Type::Double);
  v.double_ = value == 0 ? 0.0 : value;
  return v;
}

VbValue VbValue::Currency(double value) { return CurrencyScaled(static_cast<qint64>(RoundHalfEven(value * 10000.0))); }

VbValue VbValue::CurrencyScaled(qint64 scaled) {
  VbValue v(Type::Currency);
  v.int_ = scaled;
  return v;
}

VbValue VbValue::Date(double serial) {
  VbValue v(Type::Date);
  v.double_ = serial;
  return v;
}

VbValue VbValue::Date(const QDateTime& dateTime) { return Date(VbDate::FromDateTime(dateTime)); }

VbValue VbValue::FromVariant(const QVariant& value) {
  if (!value.isValid()) return VbValue();
  if (value.isNull()) return Null();
  switch (value.typeId()) {
    case QMetaType::Bool: return Boolean(value.toBool());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar: return Integer(value.toInt());
    case QMetaType::Int: return Long(value.toInt());
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
      qint64 n = value.toLongLong();
      if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()) return Long(int(n));
      return Double(value.toDouble());
    }
    case QMetaType::Float: return Single(value.toFloat());
    case QMetaType::Double: return Double(value.toDouble());
    case QMetaType::QDate: return Date(VbDate::FromDateTime(value.toDate()));
    case QMetaType::QTime: return Date(VbDate::FromDateTime(QDate(1899, 12, 30), value.toTime()));
    case QMetaType::QDateTime: return Date(value.toDateTime());
    default: return VbValue(value.toString());
  }
}

VbValue VbValue::FromOperandText(const QString& text) {
  if (text.isEmpty()) return Null();
  double number = 0;
  if (!TextToNumber(text, &number)) return VbValue(text);
  bool radix = text.trimmed().startsWith(QLatin1Char('&'));
  bool whole = number == std::trunc(number) &&
               (radix || (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'), Qt::CaseInsensitive)));
  if (whole && std::fabs(number) <= 32767) return Integer(static_cast<int>(number));
  if (whole && std::fabs(number) <= std::numeric_limits<int>::max()) return Long(static_cast<int>(number));
  return Double(number);
}

bool VbValue::IsNumericType() const {
  return type_ != Type::Empty && type_ != Type::Null && type_ != Type::String;
}

QString VbValue::TypeName() const {
  static const char* const names[] = {"Empty",  "Null",   "Boolean",  "Byte", "Integer", "Long",
                                      "Single", "Double", "Currency", "Date", "String"};
  return QString::fromLatin1(names[static_cast<int>(type_)]);
}

int VbValue::VarType() const {
  static const int numbers[] = {0, 1, 11, 17, 2, 3, 4, 5, 6, 7, 8};
  return numbers[static_cast<int>(type_)];
}

double VbValue::ToDouble(int* error) const {
  switch (type_) {
    case Type::Empty: return 0;
    case Type::Null: fail(error, VbError::InvalidUseOfNull); return 0;
    case Type::Boolean:
    case Type::Byte:
    case Type::Integer:
    case Type::Long: return static_cast<double>(int_);
    case Type::Currency: return int_ / 10000.0;
    case Type::Single:
    case Type::Double:
    case Type::Date: return double_;
    case Type::String: {
      double v = 0;
      if (!TextToNumber(text_, &v)) fail(error, VbError::TypeMismatch);
      return v;
    }
  }
  return 0;
}

int VbValue::ToLong(int* error) const {
  int e = 0;
  double d = ToDouble(&e);
  if (e) {
    fail(error, e);
    return 0;
  }
  d = RoundHalfEven(d);
  if (d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max()) {
    fail(error, VbError::Overflow);
    return 0;
  }
  return static_cast<int>(d);
}

int VbValue::ToInteger(int* error) const {
  int e = 0;
  int n = ToLong(&e);
  if (!e && (n < -32768 || n > 32767)) e = VbError::Overflow;
  if (e) {
    fail(error, e);
    return 0;
  }
  return n;
}

qint64 VbValue::ToCurrencyScaled(int* error) const {
  if (type_ == Type::Currency) return int_;
  int e = 0;
  double d = ToDouble(&e);
  if (e) {
    fail(error, e);
    return 0;
  }
  double scaled = RoundHalfEven(d * 10000.0);
  if (!(std::fabs(scaled) < 9.2233720368547758e18)) {
    fail(error, VbError::Overflow);
    return 0;
  }
  return static_cast<qint64>(scaled);
}

bool VbValue::ToBoolean(int* error) const {
  switch (type_) {
    case Type::Empty: return false;
    case Type::Null: fail(error, VbError::InvalidUseOfNull); return false;
    case Type::String: {
      bool boolean = false;
      if (TextToBoolean(text_, &boolean)) return boolean;
      double v = 0;
      if (!TextToNumber(text_, &v)) {
        fail(error, VbError::TypeMismatch);
        return false;
      }
      return v != 0;
    }
    default: return ToDouble() != 0;
  }
}

double VbValue::ToDate(int* error) const {
  switch (type_) {
    case Type::Null: fail(error, VbError::InvalidUseOfNull); return 0;
    case Type::Date: return double_;
    case Type::String: {
      double serial = 0;
      if (VbDate::Parse(text_, &serial)) return serial;
      if (ParseNumber(text_, &serial) && VbDate::InRange(serial)) return serial;
      fail(error, VbError::TypeMismatch);
      return 0;
    }
    default: {
      double serial = ToDouble();
      if (!VbDate::InRange(serial)) {
        fail(error, VbError::Overflow);
        return 0;
      }
      return serial;
    }
  }
}

QString VbValue::ToText(int* error) const {
  switch (type_) {
    case Type::Empty: return QString(QLatin1String(""));
    case Type::Null: fail(error, VbError::InvalidUseOfNull); return QString();
    case Type::Boolean: return int_ ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Byte:
    case Type::Integer:
    case Type::Long: return QString::number(int_);
    case Type::Single: return NumberText(double_, 7);
    case Type::Double: return NumberText(double_);
    case Type::Currency: {
      QString t = QString::number(int_ / 10000.0, 'f', 4);
      while (t.endsWith(QLatin1Char('0'))) t.chop(1);
      if (t.endsWith(QLatin1Char('.'))) t.chop(1);
      return t == QLatin1String("-0") ? QStringLiteral("0") : t;
    }
    case Type::Date: return VbDate::Text(double_);
    case Type::String: return text_;
  }
  return QString();
}

bool VbValue::ParseNumber(const QString& text, double* value) {
  QString t = text.trimmed();
  if (t.isEmpty()) return false;
  if (t[0] == QLatin1Char('&')) return parseRadix(t, value);
  int i = 0, n = t.size();
  if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')) ++i;
  int digits = 0;
  while (i < n && t[i].isDigit() && t[i].unicode() < 128) ++i, ++digits;
  if (i < n && t[i] == QLatin1Char('.')) {
    ++i;
    while (i < n && t[i].unicode() < 128 && t[i].isDigit()) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
    ++i;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
    int exponentDigits = 0;
    while (i < n && t[i].unicode() < 128 && t[i].isDigit()) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != n) return false;
  bool ok = false;
  double v = t.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

bool VbValue::TextToNumber(const QString& text, double* value) {
  if (!text.contains(QLatin1Char(','))) return ParseNumber(text, value);
  QString t = text.trimmed();
  int wholeEnd = 0;  // grouping only before the point or exponent
  while (wholeEnd < t.size() && t[wholeEnd] != QLatin1Char('.') &&
         t[wholeEnd].toLower() != QLatin1Char('e'))
    ++wholeEnd;
  auto isDigit = [&t](int i) {
    return i >= 0 && i < t.size() && t[i].unicode() >= '0' && t[i].unicode() <= '9';
  };
  for (int i = wholeEnd - 1; i >= 0; --i) {
    if (t[i] != QLatin1Char(',')) continue;
    if (!isDigit(i - 1) || !isDigit(i + 1)) return false;
    t.remove(i, 1);
  }
  return ParseNumber(t, value);
}

bool VbValue::TextToBoolean(const QString& text, bool* value) {
  static const char* const spellings[] = {"True", "#TRUE#", "False", "#FALSE#"};
  QString t = text.trimmed();
  for (int i = 0; i < 4; ++i) {
    if (t.compare(QLatin1String(spellings[i]), Qt::CaseInsensitive) != 0) continue;
    *value = i < 2;
    return true;
  }
  return false;
}

bool VbValue::RadixNumber(QStringView digits, int base, bool longSuffix, VbValue* value) {
  if (digits.isEmpty()) return false;
  quint64 n = 0;
  for (QChar c : digits) {
    int digit = digitValue(c);
    if (digit >= base) return false;
    n = n * base + digit;
    if (n > 0xFFFFFFFFULL) return false;
  }
  if (!longSuffix && n <= 0xFFFF) *value = Integer(int(qint16(quint16(n))));
  else *value = Long(int(qint32(quint32(n))));
  return true;
}

QString VbValue::NumberText(double value, int significantDigits) {
  if (value == 0) return QStringLiteral("0");
  return QString::number(value, 'G', significantDigits);
}

double VbValue::RoundHalfEven(double value) { return std::nearbyint(value); }

QDateTime VbValue::dateTimeOf(double serial) { return VbDate::ToDateTime(serial); }

}  // namespace rd
