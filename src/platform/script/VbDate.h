#pragma once
#include <QDateTime>
#include <QString>

namespace rd {

// Dates as the script language keeps them: a serial number of days since
// 1899-12-30 whose fraction is the time of day. Before that day the whole
// part counts back and the fraction still counts forward from midnight.
class VbDate {
 public:
  static constexpr double MinSerial = -657434.0;          // 100-01-01
  static constexpr double MaxSerial = 2958465.999988426;  // 9999-12-31 23:59:59

  static bool InRange(double serial) { return serial >= MinSerial && serial < 2958466.0; }
  static double FromDateTime(const QDate& date, const QTime& time = QTime(0, 0));
  static double FromDateTime(const QDateTime& dateTime) { return FromDateTime(dateTime.date(), dateTime.time()); }
  static QDate DatePart(double serial);
  static int SecondsOfDay(double serial);  // 0..86399
  static QTime TimePart(double serial) { return QTime(0, 0).addSecs(SecondsOfDay(serial)); }
  static QDateTime ToDateTime(double serial) { return QDateTime(DatePart(serial), TimePart(serial)); }

  // Day numbers and times as DateSerial and TimeSerial take them: months and
  // days out of range carry over; two-digit years are 1930..2029.
  static bool FromParts(int year, int month, int day, double* serial);

  // "yyyy-MM-dd[ hh:mm[:ss]]" (also with "/" or "." and a "T"), "m/d/yyyy",
  // "d mmm yyyy", "mmm d, yyyy", each with an optional time, or a time
  // alone ("hh:mm[:ss] [AM|PM]").
  static bool Parse(const QString& text, double* serial);

  // "yyyy-MM-dd hh:mm:ss"; the date alone at midnight, the time alone on
  // 1899-12-30.
  static QString Text(double serial);

  // 1..7 counted from firstDay (1 = Sunday .. 7 = Saturday; 0 means Sunday).
  static int Weekday(double serial, int firstDay = 1);
  // The week of the year. Week 1 holds 1 January (firstWeek 1), or is the
  // first with four days of the year (2), or the first whole one (3).
  static int WeekOfYear(double serial, int firstDay = 1, int firstWeek = 1);

  static QString MonthName(int month, bool abbreviate);
  static QString DayName(int dayOfWeek, bool abbreviate);  // 1 = Sunday
};

}  // namespace rd
