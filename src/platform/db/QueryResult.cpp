#include "platform/db/QueryResult.h"

namespace rd {

const QueryColumn* QueryResult::Stored(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= int(store_.size())) return nullptr;
  const QueryColumn& column = store_[size_t(col)];
  return row < column.size() ? &column : nullptr;
}

QVariant QueryResult::Cell(int row, int col) const {
  const QueryColumn* column = Stored(row, col);
  return column ? column->Value(row) : QVariant();
}

QString QueryResult::Text(int row, int col) const {
  const QueryColumn* column = Stored(row, col);
  return column ? column->Text(row) : QString();
}

bool QueryResult::IsNumber(int row, int col) const {
  const QueryColumn* column = Stored(row, col);
  return column && column->IsNumber(row);
}

QueryColumn& QueryResult::Column(int col) {
  const size_t wanted = size_t(qMax(int(columns.size()), col + 1));
  if (store_.size() < wanted) store_.resize(wanted);
  return store_[size_t(col)];
}

void QueryResult::AppendRow(const QVariantList& values) {
  const int n = int(qMin(values.size(), columns.size()));
  for (int c = 0; c < n; ++c) Column(c).Append(values[c]);
  EndRow();
}

void QueryResult::AppendRowOf(const QueryResult& from, int row) {
  for (int c = 0; c < columns.size(); ++c)
    if (const QueryColumn* column = from.Stored(row, c)) Column(c).AppendFrom(*column, row);
  EndRow();
}

bool QueryResult::IsWholeNumbers(int col) const {
  if (col < 0 || col >= int(store_.size())) return rows_ == 0;
  const QueryColumn& column = store_[size_t(col)];
  if (column.kind() != QueryColumn::Kind::Integer && rows_ > 0) return false;
  for (int row = 0; row < column.size(); ++row)
    if (column.IsNull(row)) return false;
  return true;
}

void QueryResult::EndRow() {
  if (store_.size() < size_t(columns.size())) store_.resize(size_t(columns.size()));
  ++rows_;
  for (QueryColumn& column : store_)
    while (column.size() < rows_) column.AppendNull();
}

void QueryResult::Clear() {
  columns.clear();
  store_.clear();
  rows_ = 0;
}

}  // namespace rd
