#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

#include "platform/db/QueryColumn.h"

namespace rd {

// Rows of one query, fetched whole and stored column by column.
// Set columns first, then add rows: AppendRow, or one value per column
// through Column(i) followed by EndRow().
class QueryResult {
 public:
  QStringList columns;

  int rowCount() const { return rows_; }
  // Null outside the rows or columns.
  QVariant Cell(int row, int col) const;
  // Cell(row, col) as the program shows it ("" for NULL), without a QVariant
  // where the column holds numbers or texts.
  QString Text(int row, int col) const;
  bool IsNumber(int row, int col) const;

  // Values beyond the columns are ignored; missing ones are NULL.
  void AppendRow(const QVariantList& values);
  // A row of another result of the same columns, each value as stored there.
  void AppendRowOf(const QueryResult& from, int row);
  // Whether column col holds whole numbers only, none of them NULL.
  bool IsWholeNumbers(int col) const;
  QueryColumn& Column(int col);
  // Closes the row; columns given no value get NULL.
  void EndRow();
  void Clear();

 private:
  const QueryColumn* Stored(int row, int col) const;

  std::vector<QueryColumn> store_;
  int rows_ = 0;
};

}  // namespace rd
