#include "platform/widgets/DTPicker.h"


#include <algorithm>

namespace rd {

namespace {

const QString kDefaultFormat = QStringLiteral("yyyy-MM-dd");

QString Run(QChar letter, int length, int longest) {
  return QString(std::min(length, longest), letter);
}

}  // namespace

DTPicker::DTPicker(QWidget* parent) : QDateTimeEdit(parent) {
  setCalendarPopup(true);
  setDisplayFormat(kDefaultFormat);
  display(QDateTime(QDate::currentDate(), QTime(0, 0)));
  connect(this, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& shown) {
    if (!showing_) takeEdit(shown);
  });
}

void DTPicker::display(const QDateTime& value) {
  value_ = value;
  showing_ = true;
  setDateTime(value);
  showing_ = false;
}

// Takes from an edited value the parts the display shows; the rest stays.
void DTPicker::takeEdit(const QDateTime& shown) {
  const Sections sections = displayedSections();
  auto part = [sections](Sections which, int edited, int kept) {
    return (sections & which) ? edited : kept;
  };
  const QDate d = value_.date(), e = shown.date();
  QDate date(part(YearSection, e.year(), d.year()), part(MonthSection, e.month(), d.month()),
             part(DaySection, e.day(), d.day()));
  if (!date.isValid()) date = e;
  const QTime t = value_.time(), u = shown.time();
  const QTime time(part(HourSection | AmPmSection, u.hour(), t.hour()),
                   part(MinuteSection, u.minute(), t.minute()),
                   part(SecondSection, u.second(), t.second()),
                   part(MSecSection, u.msec(), t.msec()));
  value_ = QDateTime(date, time);
}

void DTPicker::SetValue(const QDateTime& value) {
  if (value.isValid()) display(value);
}

bool DTPicker::SetValue(const QVariant& value) {
  QDateTime dt;
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      dt = value.toDateTime();
      break;
    case QMetaType::QDate:
      dt = QDateTime(value.toDate(), QTime(0, 0));
      break;
    default:
      dt = ParseValue(value.toString());
  }
  if (!dt.isValid()) return false;
  display(dt);
  return true;
}

QString DTPicker::ValueText() const { return value_.toString("yyyy-MM-dd hh:mm:ss"); }

void DTPicker::SetCustomFormat(const QString& format) {
  customFormat_ = format;
  const QString qt = ToQtFormat(format);
  // A new format may drop what it does not show; the value is kept whole.
  const QDateTime value = value_;
  showing_ = true;
  setDisplayFormat(qt.trimmed().isEmpty() ? kDefaultFormat : qt);
  showing_ = false;
  display(value);
}

QDateTime DTPicker::ParseValue(const QString& text) {
  const QString t = text.trimmed();
  for (const char* form : {"yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm", "yyyy-MM-dd", "yyyy/MM/dd hh:mm:ss",
                           "yyyy/MM/dd"}) {
    QDateTime dt = QDateTime::fromString(t, QLatin1String(form));
    if (dt.isValid()) return dt;
  }
  return QDateTime::fromString(t, Qt::ISODate);
}

QString DTPicker::ToQtFormat(const QString& pickerFormat) {
  QString out;
  QString literal;  // text waiting to be quoted
  auto flush = [&] {
    if (literal.isEmpty()) return;
    out += '\'' + QString(literal).replace('\'', "''") + '\'';
    literal.clear();
  };
  const int n = pickerFormat.size();
  for (int i = 0; i < n;) {
    const QChar c = pickerFormat[i];
    if (c == '\'') {  // quoted text; '' is a quote
      int j = i + 1;
      while (j < n) {
        if (pickerFormat[j] == '\'') {
          if (j + 1 < n && pickerFormat[j + 1] == '\'') {
            literal += '\'';
            j += 2;
            continue;
          }
          break;
        }
        literal += pickerFormat[j++];
      }
      i = j + 1;
      continue;
    }
    int run = 1;
    while (i + run < n && pickerFormat[i + run] == c) ++run;
    QString code;
    switch (c.unicode()) {
      case 'y':
        code = run >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
        break;
      case 'M':
      case 'd':
        code = Run(c, run, 4);
        break;
      case 'h':
      case 'H':
      case 'm':
      case 's':
        code = Run(c, run, 2);
        break;
      case 't':
        code = QStringLiteral("AP");
        break;
    }
    if (!code.isEmpty()) {
      flush();
      out += code;
    } else if (c.isLetter()) {  // not a code here, though Qt may read it as one
      literal += QString(run, c);
    } else {
      flush();
      out += QString(run, c);
    }
    i += run;
  }
  flush();
  return out;
}

void DTPicker::focusOutEvent(QFocusEvent* event) {
  QDateTimeEdit::focusOutEvent(event);
  emit LostFocus();
}

}  // namespace rd
