#include "platform/text/AnsiText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace rd {

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
