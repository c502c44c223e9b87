#include "browse/ButtonFunction.h"

#include <QStringList>

namespace rd {

ButtonFunction ButtonFunction::Parse(const QString& tag) {
  ButtonFunction f;
  const QString trimmed = tag.trimmed();
  if (trimmed.isEmpty()) return f;
  const QStringList parts = trimmed.section(QLatin1Char('|'), 0, 0).split(QLatin1Char('='));
  if (parts.size() < 2) return f;
  const QString kind = parts[0].toLower();
  const QString& body = parts[1];
  if (kind == QLatin1String("customfunction")) {
    f.kind = Custom;
    return f;
  }
  if (kind == QLatin1String("extendfunction")) {
    f.kind = Extend;
    return f;
  }
  if (kind != QLatin1String("systemfunction")) {
    f.kind = Unknown;
    return f;
  }
  const qsizetype open = body.indexOf(QLatin1Char('<'));
  if (open < 0) return f;
  f.kind = System;
  const qsizetype close = body.indexOf(QLatin1Char('>'));
  if (close <= open) {
    f.valid = false;
    return f;
  }
  const QString call = body.mid(open + 1, close - open - 1);
  const qsizetype colon = call.indexOf(QLatin1Char(':'));
  f.method = colon < 0 ? call : call.left(colon);
  f.argument = colon < 0 ? QString() : call.mid(colon + 1);
  return f;
}

}  // namespace rd
