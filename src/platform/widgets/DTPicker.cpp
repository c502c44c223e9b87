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
  setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
}

void DTPicker::SetValue(const QDateTime& value) {
  if (value.isValid()) setDateTime(value);
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
  setDateTime(dt);
  return true;
}

QString DTPicker::ValueText() const { return dateTime().toString("yyyy-MM-dd hh:mm:ss"); }

void DTPicker::SetCustomFormat(const QString& format) {
  customFormat_ = format;
  const QString qt = ToQtFormat(format);
  setDisplayFormat(qt.trimmed().isEmpty() ? kDefaultFormat : qt);
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
