#include <QDateTime>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/script/VbBuiltins.h"
#include "platform/script/VbDate.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

const QDate kDayZero(1899, 12, 30);

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

// The interval argument of DateAdd, DateDiff and DatePart ("yyyy", "q", ...).
Interval intervalOf(const VbValue& v) {
  static const std::pair<const char*, Interval> names[] = {
      {"yyyy", Interval::Year}, {"q", Interval::Quarter}, {"m", Interval::Month},   {"y", Interval::DayOfYear},
      {"d", Interval::Day},     {"w", Interval::Weekday}, {"ww", Interval::Week},   {"h", Interval::Hour},
      {"n", Interval::Minute},  {"s", Interval::Second}};
  QString text = ToText(v);
  for (const auto& [name, interval] : names) {
    if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return interval;
  }
  Raise(VbError::InvalidCall);
}

// The optional first day of the week (1 Sunday .. 7 Saturday, 0 the system's: Sunday).
int firstDayOfWeek(const VbValue* a, int count, int index) {
  int day = index < count ? Whole(a[index], 0) : 1;
  if (day > 7) Raise(VbError::InvalidCall);
  return day == 0 ? 1 : day;
}

// The optional rule for week 1 (1 of 1 January, 2 of four days, 3 whole; 0 the system's: 1).
int firstWeekOfYear(const VbValue* a, int count, int index) {
  int rule = index < count ? Whole(a[index], 0) : 1;
  if (rule > 3) Raise(VbError::InvalidCall);
  return rule == 0 ? 1 : rule;
}

int partOf(Interval interval, double serial, int firstDay, int firstWeek) {
  QDate d = VbDate::DatePart(serial);
  int seconds = VbDate::SecondsOfDay(serial);
  switch (interval) {
    case Interval::Year: return d.year();
    case Interval::Quarter: return (d.month() - 1) / 3 + 1;
    case Interval::Month: return d.month();
    case Interval::DayOfYear: return d.dayOfYear();
    case Interval::Day: return d.day();
    case Interval::Weekday: return VbDate::Weekday(serial, firstDay);
    case Interval::Week: return VbDate::WeekOfYear(serial, firstDay, firstWeek);
    case Interval::Hour: return seconds / 3600;
    case Interval::Minute: return seconds / 60 % 60;
    case Interval::Second: return seconds % 60;
  }
  return 0;
}

template <Interval interval>
VbValue part(const VbValue* a, int) {
  if (a[0].IsNull()) return a[0];
  return VbValue::Integer(partOf(interval, ToDate(a[0]), 1, 1));
}

VbValue datePart(const VbValue* a, int count) {
  Interval interval = intervalOf(a[0]);
  int firstDay = firstDayOfWeek(a, count, 2);
  int firstWeek = firstWeekOfYear(a, count, 3);
  if (a[1].IsNull()) return a[1];
  return VbValue::Integer(partOf(interval, ToDate(a[1]), firstDay, firstWeek));
}

VbValue weekday(const VbValue* a, int count) {
  int firstDay = firstDayOfWeek(a, count, 1);
  if (a[0].IsNull()) return a[0];
  return VbValue::Integer(VbDate::Weekday(ToDate(a[0]), firstDay));
}

VbValue weekdayName(const VbValue* a, int count) {
  int day = ToLong(a[0]);
  if (day < 1 || day > 7) Raise(VbError::InvalidCall);
  bool abbreviate = count > 1 && ToBoolean(a[1]);
  int firstDay = firstDayOfWeek(a, count, 2);
  return VbValue(VbDate::DayName((day + firstDay - 2) % 7 + 1, abbreviate));
}

VbValue monthName(const VbValue* a, int count) {
  int month = ToLong(a[0]);
  if (month < 1 || month > 12) Raise(VbError::InvalidCall);
  return VbValue(VbDate::MonthName(month, count > 1 && ToBoolean(a[1])));
}

VbValue now() {
  QDateTime current = QDateTime::currentDateTime();
  QTime t = current.time();
  return VbValue::Date(VbDate::FromDateTime(current.date(), QTime(t.hour(), t.minute(), t.second())));
}

// Seconds since 1899-12-30 00:00, counting the time forward on every day.
qint64 absoluteSeconds(double serial) {
  return qint64(kDayZero.daysTo(VbDate::DatePart(serial))) * 86400 + VbDate::SecondsOfDay(serial);
}

qint64 floorDiv(qint64 a, qint64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

VbValue fromAbsoluteSeconds(qint64 total) {
  qint64 days = floorDiv(total, 86400);
  if (days < -657434 || days > 2958465) Raise(VbError::InvalidCall);
  QTime time = QTime(0, 0).addSecs(int(total - days * 86400));
  return DateResult(VbDate::FromDateTime(kDayZero.addDays(days), time));
}

VbValue longResult(qint64 n) {
  if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) Raise(VbError::Overflow);
  return VbValue::Long(int(n));
}

VbValue dateAdd(const VbValue* a, int) {
  if (a[2].IsNull()) return VbValue::Null();
  Interval interval = intervalOf(a[0]);
  double n = ToDouble(a[1]);
  double serial = ToDate(a[2]);
  if (std::fabs(n) > 1e10) Raise(VbError::InvalidCall);  // past any date, whatever the interval
  qint64 whole = static_cast<qint64>(VbValue::RoundHalfEven(n));
  if (interval == Interval::Year || interval == Interval::Quarter || interval == Interval::Month) {
    qint64 months = whole * (interval == Interval::Year ? 12 : interval == Interval::Quarter ? 3 : 1);
    if (std::llabs(months) > 12 * 10000) Raise(VbError::InvalidCall);
    QDate moved = VbDate::DatePart(serial).addMonths(int(months));  // clamps to the month's last day
    if (!moved.isValid()) Raise(VbError::InvalidCall);
    return DateResult(VbDate::FromDateTime(moved, VbDate::TimePart(serial)));
  }
  qint64 unit = 86400;  // y, d and w add days
  if (interval == Interval::Week) unit = 7 * 86400;
  else if (interval == Interval::Hour) unit = 3600;
  else if (interval == Interval::Minute) unit = 60;
  else if (interval == Interval::Second) unit = 1;
  return fromAbsoluteSeconds(absoluteSeconds(serial) + whole * unit);
}

VbValue dateDiff(const VbValue* a, int count) {
  if (a[1].IsNull() || a[2].IsNull()) return VbValue::Null();
  Interval interval = intervalOf(a[0]);
  double s1 = ToDate(a[1]), s2 = ToDate(a[2]);
  int firstDay = firstDayOfWeek(a, count, 3);
  QDate d1 = VbDate::DatePart(s1), d2 = VbDate::DatePart(s2);
  qint64 t1 = absoluteSeconds(s1), t2 = absoluteSeconds(s2);
  switch (interval) {
    case Interval::Year: return longResult(d2.year() - d1.year());
    case Interval::Quarter:
      return longResult((d2.year() * 4 + (d2.month() - 1) / 3) - (d1.year() * 4 + (d1.month() - 1) / 3));
    case Interval::Month: return longResult((d2.year() * 12 + d2.month()) - (d1.year() * 12 + d1.month()));
    case Interval::DayOfYear:
    case Interval::Day: return longResult(d1.daysTo(d2));
    case Interval::Weekday: return longResult(d1.daysTo(d2) / 7);
    case Interval::Week: {
      qint64 start1 = d1.toJulianDay() - (VbDate::Weekday(s1, firstDay) - 1);
      qint64 start2 = d2.toJulianDay() - (VbDate::Weekday(s2, firstDay) - 1);
      return longResult((start2 - start1) / 7);
    }
    case Interval::Hour: return longResult(floorDiv(t2, 3600) - floorDiv(t1, 3600));
    case Interval::Minute: return longResult(floorDiv(t2, 60) - floorDiv(t1, 60));
    case Interval::Second: return longResult(t2 - t1);
  }
  Raise(VbError::InvalidCall);
}

// Parts out of range carry over; each part is an Integer, so a larger one overflows.
VbValue dateSerial(const VbValue* a, int) {
  double serial = 0;
  if (!VbDate::FromParts(ToInteger(a[0]), ToInteger(a[1]), ToInteger(a[2]), &serial)) Raise(VbError::InvalidCall);
  return VbValue::Date(serial);
}

VbValue timeSerial(const VbValue* a, int) {
  return fromAbsoluteSeconds(qint64(ToInteger(a[0])) * 3600 + qint64(ToInteger(a[1])) * 60 + ToInteger(a[2]));
}

VbValue timeValue(const VbValue* a, int) {
  if (a[0].IsNull()) return a[0];
  return VbValue::Date(VbDate::SecondsOfDay(ToDate(a[0])) / 86400.0);
}

const Entry kEntries[] = {
    {"Now", 0, 0, [](const VbValue*, int) { return now(); }},
    {"Date", 0, 0, [](const VbValue*, int) { return VbValue::Date(std::trunc(now().RawDouble())); }},
    {"Time", 0, 0, [](const VbValue*, int) {
       double serial = now().RawDouble();
       return VbValue::Date(serial - std::trunc(serial));
     }},
    {"Year", 1, 1, part<Interval::Year>},
    {"Month", 1, 1, part<Interval::Month>},
    {"Day", 1, 1, part<Interval::Day>},
    {"Hour", 1, 1, part<Interval::Hour>},
    {"Minute", 1, 1, part<Interval::Minute>},
    {"Second", 1, 1, part<Interval::Second>},
    {"Weekday", 1, 2, weekday},
    {"WeekdayName", 1, 3, weekdayName},
    {"MonthName", 1, 2, monthName},
    {"DatePart", 2, 4, datePart},
    {"DateAdd", 3, 3, dateAdd},
    {"DateDiff", 3, 5, dateDiff},
    {"DateSerial", 3, 3, dateSerial},
    {"TimeSerial", 3, 3, timeSerial},
    {"DateValue", 1, 1, [](const VbValue* a, int) { return VbValue::Date(std::trunc(ToDate(a[0]))); }},
    {"TimeValue", 1, 1, timeValue},
};

}  // namespace

std::span<const Entry> DateFunctions() { return kEntries; }

}  // namespace rd::builtins
