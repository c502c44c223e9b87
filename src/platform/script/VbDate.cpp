#include "platform/script/VbDate.h"

#include <QRegularExpression>
#include <cmath>

namespace rd {

namespace {

const qint64 kBaseDay = QDate(1899, 12, 30).toJulianDay();

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

int windowedYear(int year, int digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

int monthFromName(const QString& name) {
  if (name.size() < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    QString full = QString::fromLatin1(kMonths[m]);
    if (full.startsWith(name, Qt::CaseInsensitive)) return m + 1;
  }
  return 0;
}

// Parses "hh:mm[:ss] [AM|PM]" into seconds of the day.
bool parseTime(const QString& text, int* seconds) {
  static const QRegularExpression re(
      QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(am|pm|a|p)?$"),
      QRegularExpression::CaseInsensitiveOption);
  QRegularExpressionMatch m = re.match(text);
  if (!m.hasMatch()) return false;
  int h = m.captured(1).toInt(), n = m.captured(2).toInt(), s = m.captured(3).toInt();
  QString ampm = m.captured(4).toLower();
  if (!ampm.isEmpty()) {
    if (h < 1 || h > 12) return false;
    if (h == 12) h = 0;
    if (ampm.startsWith('p')) h += 12;
  }
  if (h > 23 || n > 59 || s > 59) return false;
  *seconds = h * 3600 + n * 60 + s;
  return true;
}

}  // namespace

double VbDate::FromDateTime(const QDate& date, const QTime& time) {
  qint64 days = date.toJulianDay() - kBaseDay;
  double fraction = time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
  return days >= 0 ? days + fraction : days - fraction;
}

QDate VbDate::DatePart(double serial) {
  return QDate::fromJulianDay(kBaseDay + static_cast<qint64>(std::trunc(serial)));
}

int VbDate::SecondsOfDay(double serial) {
  double fraction = std::fabs(serial - std::trunc(serial));
  int seconds = static_cast<int>(std::llround(fraction * 86400.0));
  return seconds > 86399 ? 86399 : seconds;
}

bool VbDate::FromParts(int year, int month, int day, double* serial) {
  if (year >= 0 && year < 100) year = windowedYear(year, 2);
  int monthIndex = month - 1;
  year += monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
  monthIndex = ((monthIndex % 12) + 12) % 12;
  if (year < 100 || year > 9999) return false;
  QDate first(year, monthIndex + 1, 1);
  double s = FromDateTime(first) + (day - 1);
  if (!InRange(s)) return false;
  *serial = s;
  return true;
}

bool VbDate::Parse(const QString& input, double* serial) {
  static const QRegularExpression iso(
      QStringLiteral("^(\\d{4})([-/.])(\\d{1,2})\\2(\\d{1,2})(?:[ T]+(.+))?$"));
  static const QRegularExpression us(
      QStringLiteral("^(\\d{1,2})([-/])(\\d{1,2})\\2(\\d{2}|\\d{4})(?:\\s+(.+))?$"));
  static const QRegularExpression dayMonth(
      QStringLiteral("^(\\d{1,2})[ -]([A-Za-z]{3,})[ -,]+(\\d{2}|\\d{4})(?:\\s+(.+))?$"));
  static const QRegularExpression monthDay(
      QStringLiteral("^([A-Za-z]{3,})\\s+(\\d{1,2}),?\\s+(\\d{2}|\\d{4})(?:\\s+(.+))?$"));

  QString text = input.trimmed();
  if (text.isEmpty()) return false;
  int seconds = 0;
  if (parseTime(text, &seconds)) {
    *serial = seconds / 86400.0;
    return true;
  }
  int year = 0, month = 0, day = 0;
  QString timeText;
  QRegularExpressionMatch m;
  if ((m = iso.match(text)).hasMatch()) {
    year = m.captured(1).toInt();
    month = m.captured(3).toInt();
    day = m.captured(4).toInt();
    timeText = m.captured(5);
  } else if ((m = us.match(text)).hasMatch()) {
    month = m.captured(1).toInt();
    day = m.captured(3).toInt();
    year = windowedYear(m.captured(4).toInt(), m.captured(4).size());
    timeText = m.captured(5);
  } else if ((m = dayMonth.match(text)).hasMatch()) {
    day = m.captured(1).toInt();
    month = monthFromName(m.captured(2));
    year = windowedYear(m.captured(3).toInt(), m.captured(3).size());
    timeText = m.captured(4);
  } else if ((m = monthDay.match(text)).hasMatch()) {
    month = monthFromName(m.captured(1));
    day = m.captured(2).toInt();
    year = windowedYear(m.captured(3).toInt(), m.captured(3).size());
    timeText = m.captured(4);
  } else {
    return false;
  }
  QDate date(year, month, day);
  if (!date.isValid() || year < 100) return false;
  if (!timeText.isEmpty() && !parseTime(timeText.trimmed(), &seconds)) return false;
  *serial = FromDateTime(date, QTime(0, 0).addSecs(seconds));
  return true;
}

QString VbDate::Text(double serial) {
  QDate date = DatePart(serial);
  int seconds = SecondsOfDay(serial);
  QString time = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
  if (std::trunc(serial) == 0) return time;
  QString day = date.toString(QStringLiteral("yyyy-MM-dd"));
  return seconds == 0 ? day : day + QLatin1Char(' ') + time;
}

int VbDate::Weekday(double serial, int firstDay) {
  if (firstDay < 1 || firstDay > 7) firstDay = 1;
  int sundayBased = DatePart(serial).dayOfWeek() % 7 + 1;
  return (sundayBased - firstDay + 7) % 7 + 1;
}

int VbDate::WeekOfYear(double serial, int firstDay, int firstWeek) {
  // The first day of week 1 of a year.
  auto weekOneStart = [&](int year) {
    QDate first(year, 1, 1);
    int daysBefore = Weekday(FromDateTime(first), firstDay) - 1;  // of that week, in the old year
    bool tooShort = firstWeek == 2 ? daysBefore > 3 : firstWeek == 3 && daysBefore > 0;
    return first.addDays(tooShort ? 7 - daysBefore : -daysBefore);
  };
  QDate date = DatePart(serial);
  QDate start = weekOneStart(date.year());
  if (date < start) start = weekOneStart(date.year() - 1);
  return int(start.daysTo(date) / 7) + 1;
}

QString VbDate::MonthName(int month, bool abbreviate) {
  if (month < 1 || month > 12) return QString();
  QString name = QString::fromLatin1(kMonths[month - 1]);
  return abbreviate ? name.left(3) : name;
}

QString VbDate::DayName(int dayOfWeek, bool abbreviate) {
  if (dayOfWeek < 1 || dayOfWeek > 7) return QString();
  QString name = QString::fromLatin1(kDays[dayOfWeek - 1]);
  return abbreviate ? name.left(3) : name;
}

}  // namespace rd
