#pragma once
#include <QString>
#include <optional>

namespace rd {

// What links a master-detail module's records: "master=detail", the
// master's column and the detail's column. Each side is a column name
// (letters, digits and "_", not beginning with a digit), blanks around it
// ignored; any other text is no relation and never goes into SQL.
struct ModuleRelation {
  QString masterField, detailField;

  static std::optional<ModuleRelation> Parse(const QString& relation);
  // The message that module's relation is not two column names.
  static QString RefusalText(const QString& module, const QString& relation);
};

}  // namespace rd
