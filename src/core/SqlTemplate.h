#pragma once
#include <QString>
#include <utility>
#include <vector>

namespace rd {

// A stored statement of a record source (insert, update or delete),
// filled with the values of a record.
class SqlTemplate {
 public:
  using Values = std::vector<std::pair<QString, QString>>;  // field, value

  // The text before the first "|".
  static QString Statement(const QString& stored);
  // Replaces every "@" + a field name (exact case) by SqlStr of its value,
  // in one pass over the template: a placeholder matches only a whole name
  // (the longest field name that is not followed by a further letter,
  // digit or "_"), and an inserted value is never scanned again. The first
  // entry of a name wins; unknown placeholders stay as written.
  static QString Fill(const QString& statement, const Values& values);
};

}  // namespace rd
