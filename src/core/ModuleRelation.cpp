#include "core/ModuleRelation.h"

#include <QRegularExpression>

#include "core/modCommon.h"

namespace rd {

namespace {
constexpr int kNotTwoColumns = 1286;

bool IsColumnName(const QString& name) {
  static const QRegularExpression re(QStringLiteral(R"(^[\p{L}_][\p{L}\p{N}_]*$)"));
  return re.match(name).hasMatch();
}
}  // namespace

std::optional<ModuleRelation> ModuleRelation::Parse(const QString& relation) {
  const qsizetype eq = relation.indexOf(QLatin1Char('='));
  if (eq < 0) return std::nullopt;
  ModuleRelation r{relation.left(eq).trimmed(), relation.mid(eq + 1).trimmed()};
  if (!IsColumnName(r.masterField) || !IsColumnName(r.detailField)) return std::nullopt;
  return r;
}

QString ModuleRelation::RefusalText(const QString& module, const QString& relation) {
  return ReplaceParams(GetLangString(kNotTwoColumns), {module, relation});
}

}  // namespace rd
