#include "browse/QueryCondition.h"

#include <QRegularExpression>

namespace rd {

const QStringList& QueryCondition::Symbols() {
  static const QStringList symbols{"=", ">", "<", ">=", "<=", "<>", "Like"};
  return symbols;
}

const QStringList& QueryCondition::Joins() {
  static const QStringList joins{"And", "Or"};
  return joins;
}

bool QueryCondition::UsableKey(const QString& key) {
  return !key.trimmed().isEmpty() && !key.contains(']');
}

QString QueryCondition::ColumnName(int field) const {
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  const QString& key = keys_.at(field);
  return plain.match(key).hasMatch() ? key : '[' + key + ']';
}

QueryCondition::Problem QueryCondition::Check(const std::vector<Row>& rows) const {
  for (int r = 0; r < int(rows.size()); ++r) {
    const Row& row = rows[size_t(r)];
    if (row.value.trimmed().isEmpty()) break;
    if (row.field < 0 || row.field >= keys_.size() || !UsableKey(keys_.at(row.field)))
      return {r, Missing::Field};
    if (!Symbols().contains(row.symbol)) return {r, Missing::Symbol};
    if (r > 0 && !Joins().contains(row.join)) return {r, Missing::Join};
  }
  return {};
}

QString QueryCondition::Build(const std::vector<Row>& rows) const {
  if (Check(rows).what != Missing::Nothing) return QString();
  QString condition;
  for (const Row& row : rows) {
    QString value = row.value.trimmed();
    if (value.isEmpty()) break;
    if (!condition.isEmpty()) condition += ' ' + row.join + ' ';
    condition += ColumnName(row.field) + ' ' + row.symbol + " '" + value.replace('\'', "''") + '\'';
  }
  return condition;
}

}  // namespace rd
