#include "platform/db/Recordset.h"

#include "platform/text/AnsiText.h"

namespace rd {

QString Recordset::Field::Text() const { return VariantText(Value); }

bool Recordset::Open(const QString& sql, Connection& connection) {
  Close();
  auto rows = std::make_shared<QueryResult>();
  if (!connection.Query(sql, rows.get())) {
    lastError_ = connection.LastError();
    return false;
  }
  OpenRows(std::move(rows));
  return true;
}

void Recordset::OpenRows(std::shared_ptr<const QueryResult> rows) {
  rows_ = std::move(rows);
  pos_ = 0;
  lastError_.clear();
}

void Recordset::Close() {
  rows_.reset();
  pos_ = 0;
}

QString Recordset::FieldName(int i) const {
  if (!rows_ || i < 0 || i >= rows_->columns.size()) return QString();
  return rows_->columns[i];
}

int Recordset::FieldIndex(const QString& name) const {
  if (!rows_) return -1;
  for (int i = 0; i < rows_->columns.size(); ++i)
    if (rows_->columns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QVariant Recordset::Cell(int row, int column) const {
  if (!rows_ || column >= FieldCount()) return QVariant();
  return rows_->Cell(row, column);
}

Recordset::Field Recordset::Fields(int i) const { return {FieldName(i), Cell(pos_, i)}; }

Recordset::Field Recordset::Fields(const QString& name) const {
  int i = FieldIndex(name);
  if (i < 0) return {name, QVariant()};
  return Fields(i);
}

bool Recordset::Find(const QString& criterion) {
  int eq = criterion.indexOf('=');
  if (eq < 0 || !rows_) {
    pos_ = RecordCount();
    return false;
  }
  const int column = FieldIndex(criterion.left(eq).trimmed());
  QString wanted = criterion.mid(eq + 1).trimmed();
  if (wanted.size() >= 2 && wanted.startsWith('\'') && wanted.endsWith('\'')) {
    wanted = wanted.mid(1, wanted.size() - 2);
    wanted.replace("''", "'");
  }
  for (int r = qMax(pos_, 0); column >= 0 && r < RecordCount(); ++r) {
    if (VariantText(Cell(r, column)).compare(wanted, Qt::CaseInsensitive) == 0) {
      pos_ = r;
      return true;
    }
  }
  pos_ = RecordCount();
  return false;
}

}  // namespace rd
