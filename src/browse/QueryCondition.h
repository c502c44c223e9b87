#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace rd {

// Builds a filter by example from rows of field, operator and value joined
// by And or Or. Field names come from a fixed list of column keys, never
// from the user; values are always quoted text literals with their quotes
// doubled, whatever the column's type.
class QueryCondition {
 public:
  // One row as the user filled it; field is a position in the key list,
  // -1 when none is picked.
  struct Row {
    int field = -1;
    QString symbol;
    QString join;  // to the row before it
    QString value;
  };

  enum class Missing { Nothing, Field, Symbol, Join };
  struct Problem {
    int row = -1;
    Missing what = Missing::Nothing;
  };

  explicit QueryCondition(QStringList fieldKeys) : keys_(std::move(fieldKeys)) {}

  static const QStringList& Symbols();  // "=", ">", "<", ">=", "<=", "<>", "Like"
  static const QStringList& Joins();    // "And", "Or"

  // A key is usable when it can stand in SQL as a column name: a plain
  // name as it is, any other text bracketed. Empty keys and keys holding
  // "]" are not.
  static bool UsableKey(const QString& key);

  // The first row with a value that lacks its field, its operator or, below
  // row 0, its join. The first row whose value is blank ends the rows: it and
  // every row after it are ignored.
  Problem Check(const std::vector<Row>& rows) const;
  // "key op 'value'" per row up to the first blank value, joined by " And "
  // or " Or "; empty when row 0 has no value. Rows that do not pass Check
  // give an empty text.
  QString Build(const std::vector<Row>& rows) const;

 private:
  QString ColumnName(int field) const;

  QStringList keys_;
};

}  // namespace rd
