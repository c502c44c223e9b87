#include "expressions/CompiledAssignments.h"

namespace rd {

QList<BoundExpression::Name> CompiledAssignments::NamesOf(const std::vector<FieldDef>& fields) {
  QList<BoundExpression::Name> names;
  for (const FieldDef& field : fields)
    names << BoundExpression::Name{field.Field(),
                                   field.IsTextLike() || field.kind == ControlKind::Check};
  return names;
}

CompiledAssignments CompiledAssignments::Compile(const QString& text,
                                                 const std::vector<FieldDef>& fields) {
  CompiledAssignments compiled;
  const QList<BoundExpression::Name> names = NamesOf(fields);
  for (const QString& item : text.split(QLatin1Char(';'))) {
    const int equal = item.indexOf(QLatin1Char('='));
    if (equal < 0) continue;  // no assignment, e.g. after a trailing ";"
    Item compiledItem;
    const QString target = item.left(equal);
    for (int i = 0; i < int(fields.size()) && compiledItem.target < 0; ++i)
      if (fields[i].Field().compare(target, Qt::CaseInsensitive) == 0) compiledItem.target = i;
    compiledItem.expression =
        BoundExpression::Compile(item.mid(equal + 1), names, BoundExpression::Options());
    for (int i : compiledItem.expression.NamesUsed())
      if (!compiled.fieldsRead_.contains(i)) compiled.fieldsRead_ << i;
    compiled.items_.push_back(std::move(compiledItem));
  }
  return compiled;
}

}  // namespace rd
