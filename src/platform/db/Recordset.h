#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "platform/db/Connection.h"

namespace rd {

// A client-side, read-only recordset (Eof/Bof stand for EOF/BOF, which C
// reserves): every row is fetched at open, so
// RecordCount is known at once. Reading a closed recordset, or past either
// end, is safe and gives null values.
class Recordset {
 public:
  struct Field {
    QString Name;
    QVariant Value;
    QString Text() const;  // Value as the program shows it ("" for null)
  };

  Recordset() = default;

  // Closes first; on failure stays closed and LastError() says why.
  bool Open(const QString& sql, Connection& connection);
  // Opens over rows already fetched (a copy that shares them).
  void OpenRows(std::shared_ptr<const QueryResult> rows);
  void Close();

  bool IsOpen() const { return rows_ != nullptr; }
  int State() const { return IsOpen() ? 1 : 0; }
  int RecordCount() const { return rows_ ? rows_->rowCount() : 0; }
  bool Bof() const { return !rows_ || pos_ < 0 || RecordCount() == 0; }
  bool Eof() const { return !rows_ || pos_ >= RecordCount(); }
  void MoveFirst() { pos_ = 0; }
  void MoveLast() { pos_ = RecordCount() - 1; }
  void MoveNext() {
    if (pos_ < RecordCount()) ++pos_;
  }
  void MovePrevious() {
    if (pos_ >= 0) --pos_;
  }
  // 1-based, as the grids and editors count records; 0 when off the rows.
  int AbsolutePosition() const { return Bof() || Eof() ? 0 : pos_ + 1; }
  void SetAbsolutePosition(int oneBased) { pos_ = oneBased - 1; }

  int FieldCount() const { return rows_ ? int(rows_->columns.size()) : 0; }
  QString FieldName(int i) const;
  int FieldIndex(const QString& name) const;  // -1 when absent; case ignored
  Field Fields(int i) const;
  Field Fields(const QString& name) const;
  QVariant Value(const QString& name) const { return Fields(name).Value; }
  QString Text(const QString& name) const { return Fields(name).Text(); }
  QVariant Cell(int row, int column) const;  // 0-based row and column

  // Searches forward from the current row for "Column='value'" (or
  // Column=number); leaves EOF when nothing matches.
  bool Find(const QString& criterion);
  Recordset Clone() const { return *this; }

  std::shared_ptr<const QueryResult> Rows() const { return rows_; }
  QString LastError() const { return lastError_; }

 private:
  std::shared_ptr<const QueryResult> rows_;
  int pos_ = 0;
  QString lastError_;
};

}  // namespace rd
