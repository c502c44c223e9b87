#include "platform/format/DateFormat.h"

#include <QList>

#include "platform/script/VbDate.h"

namespace rd {

namespace {

struct Code {
  QChar letter;  // lower case: d m y h n s w q, 'a' for AM/PM, 0 for a literal
  int count = 0;
  QString text;  // literal text, or the AM/PM pattern as written
};

bool isCodeLetter(QChar c) { return QStringLiteral("dmyhnswq").contains(c.toLower()); }

// Reads "AM/PM", "am/pm", "A/P", "a/p" or "AMPM" at i.
int ampmLength(const QString& f, int i) {
  static const char* const forms[] = {"AM/PM", "A/P", "AMPM"};
  for (const char* form : forms) {
    QLatin1String s(form);
    if (f.mid(i, s.size()).compare(s, Qt::CaseInsensitive) == 0) return int(s.size());
  }
  return 0;
}

QList<Code> parse(const QString& f) {
  QList<Code> codes;
  auto literal = [&](const QString& text) {
    if (!codes.isEmpty() && codes.last().letter.isNull()) codes.last().text += text;
    else codes.append(Code{QChar(), 0, text});
  };
  const int n = f.size();
  for (int i = 0; i < n; ++i) {
    QChar c = f[i];
    if (c == QLatin1Char('"')) {
      int close = f.indexOf(QLatin1Char('"'), i + 1);
      if (close < 0) close = n;
      literal(f.mid(i + 1, close - i - 1));
      i = close;
    } else if (c == QLatin1Char('\\')) {
      if (i + 1 < n) literal(QString(f[++i]));
    } else if (int length = ampmLength(f, i)) {
      codes.append(Code{QLatin1Char('a'), 1, f.mid(i, length)});
      i += length - 1;
    } else if (isCodeLetter(c)) {
      QChar letter = c.toLower();
      int count = 1;
      while (i + 1 < n && f[i + 1].toLower() == letter) ++count, ++i;
      codes.append(Code{letter, count, QString()});
    } else {
      literal(QString(c));
    }
  }
  return codes;
}

QString twoDigits(int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

}  // namespace

bool DateFormat::IsDateFormat(const QString& format) {
  for (const Code& code : parse(format)) {
    if (!code.letter.isNull()) return true;
  }
  return false;
}

QString DateFormat::Apply(double serial, const QString& format) {
  QList<Code> codes = parse(format);
  bool twelveHour = false;
  for (const Code& code : codes) twelveHour = twelveHour || code.letter == QLatin1Char('a');
  QDate date = VbDate::DatePart(serial);
  int seconds = VbDate::SecondsOfDay(serial);
  int hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;
  int shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;

  QString out;
  QChar previous;  // the last code letter, for m after h
  for (const Code& code : codes) {
    if (code.letter.isNull()) {
      out += code.text;
      continue;
    }
    int count = code.count;
    switch (code.letter.unicode()) {
      case 'd':
        while (count > 0) {
          int take = count >= 6 ? 6 : count;
          count -= take;
          switch (take) {
            case 1: out += QString::number(date.day()); break;
            case 2: out += twoDigits(date.day()); break;
            case 3: out += VbDate::DayName(VbDate::Weekday(serial), true); break;
            case 4: out += VbDate::DayName(VbDate::Weekday(serial), false); break;
            case 5: out += Apply(serial, QStringLiteral("yyyy-mm-dd")); break;
            default: out += Apply(serial, QStringLiteral("dddd, mmmm d, yyyy")); break;
          }
        }
        break;
      case 'm':
        while (count > 0) {
          int take = count >= 4 ? 4 : count;
          count -= take;
          bool minutes = take <= 2 && previous == QLatin1Char('h');
          if (minutes) out += take == 1 ? QString::number(minute) : twoDigits(minute);
          else if (take == 1) out += QString::number(date.month());
          else if (take == 2) out += twoDigits(date.month());
          else out += VbDate::MonthName(date.month(), take == 3);
        }
        break;
      case 'y':
        while (count > 0) {
          if (count >= 4) out += QString::number(date.year()).rightJustified(4, QLatin1Char('0')), count -= 4;
          else if (count >= 2) out += twoDigits(date.year() % 100), count -= 2;
          else out += QString::number(date.dayOfYear()), count -= 1;
        }
        break;
      case 'h':
        for (; count > 0; count -= 2) out += count >= 2 ? twoDigits(shownHour) : QString::number(shownHour);
        break;
      case 'n':
        for (; count > 0; count -= 2) out += count >= 2 ? twoDigits(minute) : QString::number(minute);
        break;
      case 's':
        for (; count > 0; count -= 2) out += count >= 2 ? twoDigits(second) : QString::number(second);
        break;
      case 'w':
        for (; count > 0; count -= 2) {
          out += count >= 2 ? QString::number(VbDate::WeekOfYear(serial)) : QString::number(VbDate::Weekday(serial));
        }
        break;
      case 'q':
        for (; count > 0; --count) out += QString::number((date.month() - 1) / 3 + 1);
        break;
      case 'a': {
        bool pm = hour >= 12;
        const QString& t = code.text;
        if (t.size() == 3) {  // A/P keeps the case of the letter written
          QChar letter = pm ? t[2] : t[0];
          out += letter;
        } else {
          QString word = pm ? QStringLiteral("PM") : QStringLiteral("AM");
          out += t[0].isLower() ? word.toLower() : word;
        }
        break;
      }
    }
    previous = code.letter;
  }
  return out;
}

}  // namespace rd
