#include "core/SqlTemplate.h"

#include "core/modDatabase.h"

namespace rd {

namespace {
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
}  // namespace

QString SqlTemplate::Statement(const QString& stored) {
  return stored.section(QLatin1Char('|'), 0, 0);
}

QString SqlTemplate::Fill(const QString& statement, const Values& values) {
  QString out;
  out.reserve(statement.size() * 2);
  int i = 0;
  while (i < statement.size()) {
    const int at = statement.indexOf(QLatin1Char('@'), i);
    if (at < 0) {
      out += QStringView(statement).mid(i);
      break;
    }
    out += QStringView(statement).mid(i, at - i);
    const Values::value_type* best = nullptr;
    for (const auto& entry : values) {
      const QString& name = entry.first;
      if (name.isEmpty() || (best && best->first.size() >= name.size())) continue;
      const int end = at + 1 + name.size();
      if (QStringView(statement).mid(at + 1, name.size()) != name) continue;
      if (end < statement.size() && isNameChar(statement[end])) continue;
      best = &entry;
    }
    if (best) {
      out += SqlStr(best->second);
      i = at + 1 + best->first.size();
    } else {
      out += QLatin1Char('@');
      i = at + 1;
    }
  }
  return out;
}

}  // namespace rd
