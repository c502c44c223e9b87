#include "platform/format/Format.h"

#include <QStringList>

#include "platform/format/DateFormat.h"
#include "platform/format/NumberFormat.h"
#include "platform/script/VbDate.h"

namespace rd {

namespace {

using Type = VbValue::Type;

// Splits at ";" outside quotes and escapes.
QStringList sections(const QString& f) {
  QStringList out;
  QString current;
  bool quoted = false;
  for (int i = 0; i < f.size(); ++i) {
    QChar c = f[i];
    if (c == QLatin1Char('"')) quoted = !quoted;
    if (c == QLatin1Char('\\') && !quoted && i + 1 < f.size()) {
      current += c;
      current += f[++i];
      continue;
    }
    if (c == QLatin1Char(';') && !quoted) {
      out.append(current);
      current.clear();
      continue;
    }
    current += c;
  }
  out.append(current);
  return out;
}

bool numberOf(const VbValue& v, double* number) {
  if (v.IsString()) {
    return VbValue::ParseNumber(v.RawText(), number) || VbDate::Parse(v.RawText(), number);
  }
  if (!v.IsNumericType()) return false;
  *number = v.ToDouble();
  return true;
}

bool dateOf(const VbValue& v, double* serial) {
  if (v.IsString()) {
    if (VbDate::Parse(v.RawText(), serial)) return true;
    return VbValue::ParseNumber(v.RawText(), serial) && VbDate::InRange(*serial);
  }
  if (!v.IsNumericType()) return false;
  *serial = v.ToDouble();
  return VbDate::InRange(*serial);
}

QString formatNumber(double number, const QString& format) {
  QStringList parts = sections(format);
  if (number < 0 && parts.size() >= 2 && !parts[1].isEmpty()) return NumberFormat::Apply(-number, parts[1]);
  if (number == 0 && parts.size() >= 3 && !parts[2].isEmpty()) return NumberFormat::Apply(0, parts[2]);
  QString text = NumberFormat::Apply(number < 0 ? -number : number, parts[0]);
  return number < 0 ? QLatin1Char('-') + text : text;
}

// The named formats, English locale; dates as the program writes them.
bool namedFormat(const QString& name, QString* code) {
  static const char* const table[][2] = {
      {"general number", ""},          {"currency", "$#,##0.00;($#,##0.00)"},
      {"fixed", "0.00"},               {"standard", "#,##0.00"},
      {"percent", "0.00%"},            {"scientific", "0.00E+00"},
      {"long date", "dddd, mmmm d, yyyy"}, {"medium date", "dd-mmm-yy"},
      {"short date", "yyyy-mm-dd"},    {"long time", "hh:nn:ss"},
      {"medium time", "hh:nn AM/PM"},  {"short time", "hh:nn"},
  };
  QString key = name.trimmed().toLower();
  for (const auto& row : table) {
    if (key == QLatin1String(row[0])) {
      *code = QString::fromLatin1(row[1]);
      return true;
    }
  }
  return false;
}

bool yesNoFormat(const QString& name, const VbValue& value, QString* text) {
  static const char* const table[][3] = {
      {"yes/no", "Yes", "No"}, {"true/false", "True", "False"}, {"on/off", "On", "Off"}};
  QString key = name.trimmed().toLower();
  for (const auto& row : table) {
    if (key != QLatin1String(row[0])) continue;
    double number = 0;
    if (!numberOf(value, &number)) {
      *text = value.ToText();
      return true;
    }
    *text = QString::fromLatin1(number != 0 ? row[1] : row[2]);
    return true;
  }
  return false;
}

// A format with date codes and digit placeholders ("0 pcs") formats numbers
// as numbers and dates as dates.
bool hasDigitPlaceholder(const QString& f) {
  bool quoted = false;
  for (int i = 0; i < f.size(); ++i) {
    QChar c = f[i];
    if (c == QLatin1Char('"')) quoted = !quoted;
    else if (c == QLatin1Char('\\') && !quoted) ++i;
    else if (!quoted && (c == QLatin1Char('0') || c == QLatin1Char('#'))) return true;
  }
  return false;
}

bool isDateFirst(const VbValue& value, const QString& format) {
  if (!hasDigitPlaceholder(format)) return true;
  if (value.type() == Type::Date) return true;
  double number = 0;
  return value.IsString() && !VbValue::ParseNumber(value.RawText(), &number);
}

}  // namespace

QString Format(const VbValue& value, const QString& format) {
  if (value.IsNull() || value.IsEmpty()) {
    QStringList parts = sections(format);
    return value.IsNull() && parts.size() >= 4 ? NumberFormat::Apply(0, parts[3]) : QString();
  }
  if (format.isEmpty()) return value.ToText();
  QString text;
  if (yesNoFormat(format, value, &text)) return text;
  QString code = format;
  if (format.trimmed().compare(QLatin1String("general date"), Qt::CaseInsensitive) == 0) {
    double serial = 0;
    return dateOf(value, &serial) ? VbDate::Text(serial) : value.ToText();
  }
  if (namedFormat(format, &code) && code.isEmpty()) {  // General Number
    double number = 0;
    return numberOf(value, &number) ? VbValue::NumberText(number) : value.ToText();
  }
  if (DateFormat::IsDateFormat(code) && isDateFirst(value, code)) {
    double serial = 0;
    return dateOf(value, &serial) ? DateFormat::Apply(serial, code) : value.ToText();
  }
  double number = 0;
  if (!numberOf(value, &number)) return value.ToText();
  return formatNumber(number, code);
}

}  // namespace rd
