#include "platform/text/AnsiText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace rd {

namespace {
// The characters of 0x80..0x9F; the other codes are Latin-1.
const char16_t kAnsiHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

QChar AnsiChar(int code) {
  return code >= 0x80 && code < 0xA0 ? QChar(kAnsiHigh[code - 0x80]) : QChar(code);
}

int AnsiCode(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kAnsiHigh[i] == u) return 0x80 + i;
  return '?';
}

QString FromAnsi(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = AnsiChar(uchar(bytes[i]));
  return text;
}

int LenA(const QString& s) { return static_cast<int>(s.toLocal8Bit().size()); }

QString CutToBytes(const QString& s, int maxBytes) {
  QByteArray utf8 = s.toUtf8();
  if (utf8.size() <= maxBytes) return s;
  int cut = maxBytes;
  // Step back over continuation bytes so that no character is split.
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  return QString::fromUtf8(utf8.left(cut));
}

static QString numberText(double d) {
  QString t = QString::number(d, 'f', 10);
  if (t.contains('.')) {
    while (t.endsWith('0')) t.chop(1);
    if (t.endsWith('.')) t.chop(1);
  }
  if (t == "-0") t = "0";
  return t;
}

QString VariantText(const QVariant& v) {
  if (!v.isValid() || v.isNull()) return QString();
  switch (v.typeId()) {
    case QMetaType::Bool:
      return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
      return numberText(v.toDouble());
    case QMetaType::QDate:
      return v.toDate().toString("yyyy-MM-dd");
    case QMetaType::QDateTime: {
      QDateTime dt = v.toDateTime();
      if (dt.time() == QTime(0, 0)) return dt.date().toString("yyyy-MM-dd");
      return dt.toString("yyyy-MM-dd hh:mm:ss");
    }
    default:
      return v.toString();
  }
}

}  // namespace rd
