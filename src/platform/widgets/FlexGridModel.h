#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/db/Connection.h"

namespace rd {

// The cells of a FlexGrid in the grid's own numbering: row 0 holds the
// captions, column 0 is the fixed column; both are counted by Rows() and
// Cols(). As a Qt model it offers the data rows (grid row r is model row
// r - 1) and the columns after the fixed one (grid column c is model column
// c - 1); captions and fixed-column texts are its header data.
//
// Bound rows are read from the query result they came from, which is
// shared and never changed; a row gets texts of its own the first time one
// of its cells is written. Texts are made only when a cell is asked for.
class FlexGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FlexGridModel(QObject* parent = nullptr);

  // Columns from the fields (caption and key = field name), one row per
  // record; null rows give an empty grid of one row and one column.
  void Bind(std::shared_ptr<const QueryResult> rows);
  std::shared_ptr<const QueryResult> BoundRows() const { return bound_; }

  int Rows() const { return int(rows_.size()) + 1; }
  int Cols() const { return int(cols_.size()); }
  bool SetRows(int rows);
  bool SetCols(int cols);

  // "" outside the grid; a write outside the grid changes nothing.
  QString TextMatrix(int row, int col) const;
  bool SetTextMatrix(int row, int col, const QString& text);
  QString ColKey(int col) const;
  bool SetColKey(int col, const QString& key);
  Qt::Alignment ColAlignment(int col) const;
  bool SetColAlignment(int col, Qt::Alignment alignment);

  // Tab-separated texts from column 0 on, inserted before grid row
  // position (appended when position is -1 or Rows()).
  bool AddItem(const QString& item, int position = -1);
  bool RemoveItem(int row);
  // Moves a data row to another position, shifting the rows between.
  bool MoveRow(int row, int position);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Sorts the data rows by one column: numbers by value, texts without
  // regard to case, empty cells first; rows of equal keys keep their order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  struct Column {
    QString caption;
    QString key;
    int field = -1;  // index in the bound result, -1 when unbound
    Qt::Alignment alignment;
  };
  struct Row {
    int bound = -1;    // record of the bound result; -1 once the row has texts of its own
    QStringList texts;  // own texts by grid column (missing ones are "")
  };

  bool IsBoundNumber(const Row& row, int col) const;
  // Whether the cell is shown as a number (right-aligned).
  bool ShowsNumber(const Row& row, int col) const;
  QString CellText(const Row& row, int col) const;
  void MakeOwn(Row& row) const;
  bool IsDataRow(int row) const { return row >= 1 && row < Rows(); }
  bool IsColumn(int col) const { return col >= 0 && col < Cols(); }

  std::shared_ptr<const QueryResult> bound_;
  std::vector<Column> cols_;
  std::vector<Row> rows_;
};

}  // namespace rd
