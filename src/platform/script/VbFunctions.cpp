#include "platform/script/VbFunctions.h"

#include <QHash>
#include <cmath>
#include <limits>

#include "platform/format/Format.h"
#include "platform/script/VbDate.h"
#include "platform/script/VbDecimal.h"
#include "platform/script/VbError.h"

namespace rd {

namespace {

using Type = VbValue::Type;

enum Id {
  CInt, CLng, CDbl, CStr, CDate, CBool, CCur, CSng,
  IsNumeric, IsDate, IsEmpty, IsNull,
  Len, Left, Right, Mid, InStr, Replace, Trim, LTrim, RTrim, UCase, LCase, Space, StrComp,
  Abs, Int, Fix, Round, Sgn, Sqr,
  Now, Date, Time, Year, Month, Day, Hour, Minute, Second, Weekday,
  DateAdd, DateDiff, DateSerial, DateValue,
  FormatNumber, FormatDateTime,
};

struct Entry {
  const char* name;
  int id;
  int minArgs;
  int maxArgs;
};

const Entry kEntries[] = {
    {"CInt", CInt, 1, 1},       {"CLng", CLng, 1, 1},           {"CDbl", CDbl, 1, 1},
    {"CStr", CStr, 1, 1},       {"CDate", CDate, 1, 1},         {"CBool", CBool, 1, 1},
    {"CCur", CCur, 1, 1},       {"CSng", CSng, 1, 1},           {"IsNumeric", IsNumeric, 1, 1},
    {"IsDate", IsDate, 1, 1},   {"IsEmpty", IsEmpty, 1, 1},     {"IsNull", IsNull, 1, 1},
    {"Len", Len, 1, 1},         {"Left", Left, 2, 2},           {"Right", Right, 2, 2},
    {"Mid", Mid, 2, 3},         {"InStr", InStr, 2, 4},         {"Replace", Replace, 3, 6},
    {"Trim", Trim, 1, 1},       {"LTrim", LTrim, 1, 1},         {"RTrim", RTrim, 1, 1},
    {"UCase", UCase, 1, 1},     {"LCase", LCase, 1, 1},         {"Space", Space, 1, 1},
    {"StrComp", StrComp, 2, 3}, {"Abs", Abs, 1, 1},             {"Int", Int, 1, 1},
    {"Fix", Fix, 1, 1},         {"Round", Round, 1, 2},         {"Sgn", Sgn, 1, 1},
    {"Sqr", Sqr, 1, 1},         {"Now", Now, 0, 0},             {"Date", Date, 0, 0},
    {"Time", Time, 0, 0},       {"Year", Year, 1, 1},           {"Month", Month, 1, 1},
    {"Day", Day, 1, 1},         {"Hour", Hour, 1, 1},           {"Minute", Minute, 1, 1},
    {"Second", Second, 1, 1},   {"Weekday", Weekday, 1, 2},     {"DateAdd", DateAdd, 3, 3},
    {"DateDiff", DateDiff, 3, 5}, {"DateSerial", DateSerial, 3, 3}, {"DateValue", DateValue, 1, 1},
    {"FormatNumber", FormatNumber, 1, 5}, {"FormatDateTime", FormatDateTime, 1, 2},
};

const QHash<QString, VbFunctions::Signature>& table() {
  static const QHash<QString, VbFunctions::Signature> t = [] {
    QHash<QString, VbFunctions::Signature> h;
    for (const Entry& e : kEntries) {
      QString name = QString::fromLatin1(e.name);
      h.insert(name.toLower(), VbFunctions::Signature{e.id, e.minArgs, e.maxArgs, name});
    }
    return h;
  }();
  return t;
}

const QHash<QString, VbValue>& constants() {
  static const QHash<QString, VbValue> t = [] {
    QHash<QString, VbValue> h;
    h.insert("vbcrlf", VbValue("\r\n"));
    h.insert("vbnewline", VbValue("\r\n"));
    h.insert("vbcr", VbValue("\r"));
    h.insert("vblf", VbValue("\n"));
    h.insert("vbtab", VbValue("\t"));
    h.insert("vbnullstring", VbValue(""));
    h.insert("vbbinarycompare", VbValue::Integer(0));
    h.insert("vbtextcompare", VbValue::Integer(1));
    const char* days[] = {"vbsunday", "vbmonday", "vbtuesday", "vbwednesday", "vbthursday", "vbfriday", "vbsaturday"};
    for (int i = 0; i < 7; ++i) h.insert(QString::fromLatin1(days[i]), VbValue::Integer(i + 1));
    h.insert("vbusesystemdayofweek", VbValue::Integer(0));
    h.insert("vbusesystem", VbValue::Integer(0));
    h.insert("vbfirstjan1", VbValue::Integer(1));
    h.insert("vbfirstfourdays", VbValue::Integer(2));
    h.insert("vbfirstfullweek", VbValue::Integer(3));
    h.insert("vbgeneraldate", VbValue::Integer(0));
    h.insert("vblongdate", VbValue::Integer(1));
    h.insert("vbshortdate", VbValue::Integer(2));
    h.insert("vblongtime", VbValue::Integer(3));
    h.insert("vbshorttime", VbValue::Integer(4));
    h.insert("vbtrue", VbValue::Integer(-1));
    h.insert("vbfalse", VbValue::Integer(0));
    h.insert("vbusedefault", VbValue::Integer(-2));
    return h;
  }();
  return t;
}

[[noreturn]] void raise(int number) { throw VbRaise{number, QString()}; }

// Takes the error by reference: it is read after the conversion has run.
template <typename T>
T checked(T value, const int& error) {
  if (error) raise(error);
  return value;
}

double toDouble(const VbValue& v) {
  int e = 0;
  return checked(v.ToDouble(&e), e);
}
int toLong(const VbValue& v) {
  int e = 0;
  return checked(v.ToLong(&e), e);
}
QString toText(const VbValue& v) {
  int e = 0;
  return checked(v.ToText(&e), e);
}
double toDate(const VbValue& v) {
  int e = 0;
  return checked(v.ToDate(&e), e);
}

// A count or position argument: Null is an error, below `minimum` invalid.
int whole(const VbValue& v, int minimum) {
  int n = toLong(v);
  if (n < minimum) raise(VbError::InvalidCall);
  return n;
}

bool textCompare(const VbValue* args, int count, int index) {
  if (index >= count) return false;
  int mode = whole(args[index], 0);
  if (mode > 1) raise(VbError::InvalidCall);
  return mode == 1;
}

VbValue dateOf(double serial) {
  if (!VbDate::InRange(serial)) raise(VbError::InvalidCall);
  return VbValue::Date(serial);
}

VbValue now() {
  QDateTime current = QDateTime::currentDateTime();
  QTime t = current.time();
  return VbValue::Date(VbDate::FromDateTime(current.date(), QTime(t.hour(), t.minute(), t.second())));
}

VbValue sameTypeResult(const VbValue& v, double d) {
  switch (v.type()) {
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
    case Type::Date: return dateOf(d);
    default: return VbValue::Double(d);
  }
}

// Seconds since 1899-12-30 00:00, counting the time forward on every day.
qint64 absoluteSeconds(double serial) {
  qint64 days = VbDate::DatePart(serial).toJulianDay() - QDate(1899, 12, 30).toJulianDay();
  return days * 86400 + VbDate::SecondsOfDay(serial);
}

qint64 floorDiv(qint64 a, qint64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

VbValue longResult(qint64 n) {
  if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) raise(VbError::Overflow);
  return VbValue::Long(int(n));
}

VbValue dateAdd(const VbValue* a) {
  if (a[2].IsNull()) return VbValue::Null();
  QString interval = toText(a[0]).toLower();
  double n = toDouble(a[1]);
  double serial = toDate(a[2]);
  if (std::fabs(n) > 1e10) raise(VbError::InvalidCall);  // past any date, whatever the interval
  QDate date = VbDate::DatePart(serial);
  QTime time = VbDate::TimePart(serial);
  qint64 whole = static_cast<qint64>(VbValue::RoundHalfEven(n));
  if (interval == "yyyy" || interval == "q" || interval == "m") {
    qint64 months = whole * (interval == "yyyy" ? 12 : interval == "q" ? 3 : 1);
    if (std::llabs(months) > 12 * 10000) raise(VbError::InvalidCall);
    QDate moved = date.addMonths(int(months));  // clamps to the month's last day
    if (!moved.isValid()) raise(VbError::InvalidCall);
    return dateOf(VbDate::FromDateTime(moved, time));
  }
  qint64 seconds = 0;
  if (interval == "y" || interval == "d" || interval == "w") seconds = whole * 86400;
  else if (interval == "ww") seconds = whole * 7 * 86400;
  else if (interval == "h") seconds = whole * 3600;
  else if (interval == "n") seconds = whole * 60;
  else if (interval == "s") seconds = whole;
  else raise(VbError::InvalidCall);
  qint64 total = absoluteSeconds(serial) + seconds;
  qint64 days = floorDiv(total, 86400);
  if (days < -657434 || days > 2958465) raise(VbError::InvalidCall);
  QDate resultDate = QDate(1899, 12, 30).addDays(days);
  return dateOf(VbDate::FromDateTime(resultDate, QTime(0, 0).addSecs(int(total - days * 86400))));
}

VbValue dateDiff(const VbValue* a, int count) {
  if (a[1].IsNull() || a[2].IsNull()) return VbValue::Null();
  QString interval = toText(a[0]).toLower();
  double s1 = toDate(a[1]), s2 = toDate(a[2]);
  int firstDay = count > 3 ? whole(a[3], 0) : 1;
  if (firstDay > 7) raise(VbError::InvalidCall);
  if (firstDay == 0) firstDay = 1;
  QDate d1 = VbDate::DatePart(s1), d2 = VbDate::DatePart(s2);
  qint64 days = d1.daysTo(d2);
  if (interval == "yyyy") return longResult(d2.year() - d1.year());
  if (interval == "q") return longResult((d2.year() * 4 + (d2.month() - 1) / 3) - (d1.year() * 4 + (d1.month() - 1) / 3));
  if (interval == "m") return longResult((d2.year() * 12 + d2.month()) - (d1.year() * 12 + d1.month()));
  if (interval == "y" || interval == "d") return longResult(days);
  if (interval == "w") return longResult(days / 7);
  if (interval == "ww") {
    qint64 start1 = d1.toJulianDay() - (VbDate::Weekday(s1, firstDay) - 1);
    qint64 start2 = d2.toJulianDay() - (VbDate::Weekday(s2, firstDay) - 1);
    return longResult((start2 - start1) / 7);
  }
  qint64 t1 = absoluteSeconds(s1), t2 = absoluteSeconds(s2);
  if (interval == "h") return longResult(floorDiv(t2, 3600) - floorDiv(t1, 3600));
  if (interval == "n") return longResult(floorDiv(t2, 60) - floorDiv(t1, 60));
  if (interval == "s") return longResult(t2 - t1);
  raise(VbError::InvalidCall);
}

VbValue inStr(const VbValue* a, int count) {
  int start = 1;
  int first = 0;
  if (count >= 3) {
    start = whole(a[0], 1);
    first = 1;
  }
  const VbValue& text = a[first];
  const VbValue& find = a[first + 1];
  bool ignoreCase = textCompare(a, count, first + 2);
  if (text.IsNull() || find.IsNull()) return VbValue::Null();
  QString s = toText(text), f = toText(find);
  if (start > s.size()) return VbValue::Long(0);
  if (f.isEmpty()) return VbValue::Long(start);
  int at = s.indexOf(f, start - 1, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
  return VbValue::Long(at + 1);
}

VbValue replace(const VbValue* a, int count) {
  QString text = toText(a[0]);
  QString find = toText(a[1]);
  QString with = toText(a[2]);
  int start = count > 3 ? whole(a[3], 1) : 1;
  int times = count > 4 ? whole(a[4], -1) : -1;
  Qt::CaseSensitivity cs = textCompare(a, count, 5) ? Qt::CaseInsensitive : Qt::CaseSensitive;
  QString rest = text.mid(start - 1);
  if (find.isEmpty() || times == 0) return VbValue(rest);
  QString out;
  int from = 0, done = 0;
  while (times < 0 || done < times) {
    int at = rest.indexOf(find, from, cs);
    if (at < 0) break;
    out += rest.mid(from, at - from) + with;
    from = at + find.size();
    ++done;
  }
  return VbValue(out + rest.mid(from));
}

VbValue round(const VbValue* a, int count) {
  const VbValue& v = a[0];
  if (v.IsNull()) return v;
  int digits = count > 1 ? whole(a[1], 0) : 0;
  if (v.type() <= Type::Long && v.type() != Type::Boolean) return v.IsEmpty() ? VbValue::Integer(0) : v;
  double d = toDouble(v);
  VbDecimal decimal = VbDecimal::FromDouble(d, v.type() == Type::Single ? 7 : 15);
  decimal.RoundTo(digits, true);
  return sameTypeResult(v.type() == Type::String ? VbValue::Double(0) : v, decimal.ToDouble());
}

VbValue formatNumber(const VbValue* a, int count) {
  if (a[0].IsNull()) return VbValue::Null();
  double n = toDouble(a[0]);
  auto option = [&](int i, int fallback) {
    if (i >= count) return fallback;
    int v = toLong(a[i]);
    return v == -2 ? fallback : v;
  };
  int digits = count > 1 ? toLong(a[1]) : 2;
  if (digits == -1) digits = 2;
  if (digits < 0 || digits > 99) raise(VbError::InvalidCall);
  bool leading = option(2, -1) != 0;
  bool parens = option(3, 0) != 0;
  bool group = option(4, -1) != 0;
  QString section = QString(group ? "#,##" : "") + (leading ? "0" : "#");
  if (digits > 0) section += QLatin1Char('.') + QString(digits, QLatin1Char('0'));
  QString format = section + QLatin1Char(';') + (parens ? "(" + section + ")" : "-" + section);
  return VbValue(Format(VbValue::Double(n), format));
}

VbValue formatDateTime(const VbValue* a, int count) {
  if (a[0].IsNull()) return VbValue::Null();
  double serial = toDate(a[0]);
  int kind = count > 1 ? toLong(a[1]) : 0;
  static const char* const named[] = {"General Date", "Long Date", "Short Date", "Long Time", "Short Time"};
  if (kind < 0 || kind > 4) raise(VbError::InvalidCall);
  return VbValue(Format(VbValue::Date(serial), QString::fromLatin1(named[kind])));
}

VbValue datePartOf(const VbValue& v, int part) {
  if (v.IsNull()) return v;
  double serial = toDate(v);
  QDate d = VbDate::DatePart(serial);
  int seconds = VbDate::SecondsOfDay(serial);
  switch (part) {
    case Year: return VbValue::Integer(d.year());
    case Month: return VbValue::Integer(d.month());
    case Day: return VbValue::Integer(d.day());
    case Hour: return VbValue::Integer(seconds / 3600);
    case Minute: return VbValue::Integer(seconds / 60 % 60);
    default: return VbValue::Integer(seconds % 60);
  }
}

QString trimSpaces(const QString& s, bool left, bool right) {
  int from = 0, to = s.size();
  while (left && from < to && s[from] == QLatin1Char(' ')) ++from;
  while (right && to > from && s[to - 1] == QLatin1Char(' ')) --to;
  return s.mid(from, to - from);
}

}  // namespace

bool VbFunctions::Find(const QString& name, Signature* signature) {
  auto it = table().constFind(name.toLower());
  if (it == table().constEnd()) return false;
  *signature = it.value();
  return true;
}

bool VbFunctions::FindConstant(const QString& name, VbValue* value) {
  auto it = constants().constFind(name.toLower());
  if (it == constants().constEnd()) return false;
  *value = it.value();
  return true;
}

VbValue VbFunctions::Call(int id, const VbValue* a, int count) {
  int e = 0;
  switch (id) {
    case CInt: return VbValue::Integer(checked(a[0].ToInteger(&e), e));
    case CLng: return VbValue::Long(checked(a[0].ToLong(&e), e));
    case CDbl: return VbValue::Double(toDouble(a[0]));
    case CSng: {
      double d = toDouble(a[0]);
      if (std::fabs(d) > std::numeric_limits<float>::max()) raise(VbError::Overflow);
      return VbValue::Single(float(d));
    }
    case CCur: return VbValue::CurrencyScaled(checked(a[0].ToCurrencyScaled(&e), e));
    case CStr: return VbValue(toText(a[0]));
    case CBool: return VbValue::Boolean(checked(a[0].ToBoolean(&e), e));
    case CDate: return VbValue::Date(toDate(a[0]));
    case IsNumeric: {
      const VbValue& v = a[0];
      if (v.IsString()) {
        double d;
        return VbValue::Boolean(VbValue::TextToNumber(v.RawText(), &d));
      }
      return VbValue::Boolean(!v.IsNull() && v.type() != Type::Date);
    }
    case IsDate: {
      if (a[0].type() == Type::Date) return VbValue::Boolean(true);
      double d;
      return VbValue::Boolean(a[0].IsString() && VbDate::Parse(a[0].RawText(), &d));
    }
    case IsEmpty: return VbValue::Boolean(a[0].IsEmpty());
    case IsNull: return VbValue::Boolean(a[0].IsNull());
    case Len: return a[0].IsNull() ? a[0] : VbValue::Long(int(toText(a[0]).size()));
    case Left:
    case Right: {
      int n = whole(a[1], 0);
      if (a[0].IsNull()) return a[0];
      QString s = toText(a[0]);
      return VbValue(id == Left ? s.left(n) : s.right(n));
    }
    case Mid: {
      int start = whole(a[1], 1);
      int length = count > 2 ? whole(a[2], 0) : -1;
      if (a[0].IsNull()) return a[0];
      return VbValue(toText(a[0]).mid(start - 1, length));
    }
    case InStr: return inStr(a, count);
    case Replace: return replace(a, count);
    case Trim:
    case LTrim:
    case RTrim:
      if (a[0].IsNull()) return a[0];
      return VbValue(trimSpaces(toText(a[0]), id != RTrim, id != LTrim));
    case UCase: return a[0].IsNull() ? a[0] : VbValue(toText(a[0]).toUpper());
    case LCase: return a[0].IsNull() ? a[0] : VbValue(toText(a[0]).toLower());
    case Space: {
      int n = whole(a[0], 0);
      if (n > 1 << 24) raise(VbError::Overflow);
      return VbValue(QString(n, QLatin1Char(' ')));
    }
    case StrComp: {
      bool ignoreCase = textCompare(a, count, 2);
      if (a[0].IsNull() || a[1].IsNull()) return VbValue::Null();
      int c = toText(a[0]).compare(toText(a[1]), ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
      return VbValue::Integer(c < 0 ? -1 : c > 0 ? 1 : 0);
    }
    case Abs:
      if (a[0].IsNull()) return a[0];
      return sameTypeResult(a[0].IsString() ? VbValue::Double(0) : a[0], std::fabs(toDouble(a[0])));
    case Int:
    case Fix: {
      if (a[0].IsNull()) return a[0];
      double d = toDouble(a[0]);
      return sameTypeResult(a[0].IsString() ? VbValue::Double(0) : a[0], id == Int ? std::floor(d) : std::trunc(d));
    }
    case Round: return round(a, count);
    case Sgn: {
      double d = toDouble(a[0]);
      return VbValue::Integer(d > 0 ? 1 : d < 0 ? -1 : 0);
    }
    case Sqr: {
      double d = toDouble(a[0]);
      if (d < 0) raise(VbError::InvalidCall);
      return VbValue::Double(std::sqrt(d));
    }
    case Now: return now();
    case Date: return VbValue::Date(std::trunc(now().RawDouble()));
    case Time: {
      double serial = now().RawDouble();
      return VbValue::Date(serial - std::trunc(serial));
    }
    case Year:
    case Month:
    case Day:
    case Hour:
    case Minute:
    case Second: return datePartOf(a[0], id);
    case Weekday: {
      int firstDay = count > 1 ? whole(a[1], 0) : 1;
      if (firstDay > 7) raise(VbError::InvalidCall);
      if (a[0].IsNull()) return a[0];
      return VbValue::Integer(VbDate::Weekday(toDate(a[0]), firstDay == 0 ? 1 : firstDay));
    }
    case DateAdd: return dateAdd(a);
    case DateDiff: return dateDiff(a, count);
    case DateSerial: {
      double serial = 0;
      if (!VbDate::FromParts(toLong(a[0]), toLong(a[1]), toLong(a[2]), &serial)) raise(VbError::InvalidCall);
      return VbValue::Date(serial);
    }
    case DateValue: return VbValue::Date(std::trunc(toDate(a[0])));
    case FormatNumber: return formatNumber(a, count);
    case FormatDateTime: return formatDateTime(a, count);
  }
  raise(VbError::TypeMismatch);
}

}  // namespace rd
