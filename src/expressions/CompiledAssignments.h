#pragma once
#include <QList>
#include <QString>
#include <vector>

#include "expressions/BoundExpression.h"
#include "expressions/FieldDef.h"

namespace rd {

// An assignment list (target=expression;...) compiled once for one set of
// fields. It is split at ";" and "=" as the designer wrote it, so a value
// never splits it.
class CompiledAssignments {
 public:
  struct Item {
    int target = -1;  // index in the fields; -1 when no field has that name
    BoundExpression expression;
  };

  static CompiledAssignments Compile(const QString& text, const std::vector<FieldDef>& fields);
  // The placeholder names of a set of fields: every field by its name, put
  // in when its value is its text or a Check's value.
  static QList<BoundExpression::Name> NamesOf(const std::vector<FieldDef>& fields);

  const std::vector<Item>& Items() const { return items_; }
  // The fields whose values the items read.
  const QList<int>& FieldsRead() const { return fieldsRead_; }

 private:
  std::vector<Item> items_;
  QList<int> fieldsRead_;
};

}  // namespace rd
