#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/PagedQuery.h"

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
//
// A paged binding holds only the pages it was asked to read: FetchRows
// reads them (the view asks before it paints, never while it paints),
// TextMatrix reads the page of a row it is asked for, and a cell of a row
// not read (its read failed) shows kUnreadMark, dimmed, never an empty
// record. Whatever writes the data rows (a cell of a data
// row, AddItem, RemoveItem, MoveRow, SetRows) first reads every row, and
// the grid is then an ordinary one; a sort reads the rows again in the
// database's order. Sorts order NULL, then empty cells, first, then
// numbers by value (a text written into a cell counts when it is one),
// then texts by their UTF-8 bytes with ASCII letters folded, then the ID
// column; descending is the exact reverse.
class FlexGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FlexGridModel(QObject* parent = nullptr);

  // The DisplayRole of every cell of a paged row not read.
  static constexpr QChar kUnreadMark{0x2026};

  // Columns from the fields (caption and key = field name), one row per
  // record; null rows give an empty grid of one row and one column.
  void Bind(std::shared_ptr<const QueryResult> rows);
  // As Bind, with as many data rows as the query counted.
  void BindPaged(std::shared_ptr<PagedQuery> rows);
  // The rows bound last; of a paged binding only once every row is read.
  std::shared_ptr<const QueryResult> BoundRows() const;
  bool IsPaged() const { return paged_ != nullptr; }
  const PagedQuery* Paged() const { return paged_.get(); }
  // Reads the rows [first, last] (0-based data rows) of a paged binding
  // that are not held; the rows asked for last are taken as those in view.
  // Where the database changed since the held rows were read, every held
  // row is let go first and the rows in view are read again (see
  // FollowDatabase). A failure emits ReadFailed.
  PagedQuery::Status FetchRows(int first, int last);
  // One cheap look, for an action before it uses a held row: where the
  // database changed since the held rows were read (another connection
  // committed, or this one saved), lets go of them, counts again and reads
  // the rows in view again in one statement. That emits
  // layoutAboutToBeChanged, then layoutChanged (VerticalSortHint) with the
  // persistent indexes moved to the rows now holding their records (by ID,
  // found among the rows read, else among the IDs of the whole order),
  // invalid where that record left the list; then
  // RecordCountChanged when the count moved, and last RowsReread when a row
  // in view is another record now (Moved). Failed emits ReadFailed.
  PagedQuery::Status FollowDatabase();
  // Reads every row of a paged binding, as FetchRows reports; the
  // persistent indexes follow their records where the rows moved.
  PagedQuery::Status FinishRead();
  // Whether every row is held: not paged, or FinishRead done.
  bool AllRowsHeld() const { return !paged_ || paged_->AllRows(); }
  // After FinishRead: a paged binding keeps only the pages around the rows
  // in view.
  void LetGoOfRows();
  // The column key and order of the last sort of a paged binding; the key
  // is empty when it was not sorted.
  QString SortKey() const { return sortKey_; }
  Qt::SortOrder SortOrder() const { return sortOrder_; }

  int Rows() const { return DataRows() + 1; }
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
  // A paged binding is read again in the order of the column instead and
  // emits RowsReplaced; a sort that cannot be read changes nothing and
  // emits SortRefused.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 signals:
  // The data rows hold other records than before (a paged binding sorted).
  void RowsReplaced();
  void SortRefused();
  // A paged read failed with the database's error and SQLite's result code.
  void ReadFailed(const QString& error, int code);
  // The rows moved under a paged binding and were read again.
  void RowsReread();
  // A paged binding found another number of rows than it counted.
  void RecordCountChanged(int records);

 private:
  struct Column {
    QString caption;
    QString key;
    int field = -1;  // index in the bound result, -1 when unbound
    Qt::Alignment alignment;
  };
  // A data row (0-based) is a record of the bound result (its index, 0 up),
  // or a row of texts of its own (-1 - the index in own_), or kEmptyRow.
  // While a paged binding lasts every row is its record and rows_ is empty.
  static constexpr int kEmptyRow = std::numeric_limits<int>::min();
  int DataRows() const { return paged_ ? pagedRows_ : int(rows_.size()); }
  int At(int row) const { return paged_ ? row : rows_[size_t(row)]; }

  void Take(std::shared_ptr<const QueryResult> rows);
  // The result holding a record and the record's index in it; null when
  // it is not bound or not read.
  const QueryResult* Record(int record, int* at) const;
  // A row of a paged binding that is not held.
  bool IsUnread(int row) const;
  bool IsBoundNumber(int row, int col) const;
  // Whether the cell is shown as a number (right-aligned).
  bool ShowsNumber(int row, int col) const;
  QString CellText(int row, int col) const;
  const QStringList& OwnTexts(int row) const;
  // The row's own texts, made from the bound record the first time.
  QStringList& MakeOwn(int row);
  // Ends a paged binding before the data rows are written; false when its
  // rows cannot be read.
  bool Detach();
  // False when the database cannot order the query by the column.
  bool SortPaged(int col, Qt::SortOrder order);
  void SortInMemory(int col, Qt::SortOrder order);
  // Reports a paged read and follows the count it found.
  void Report(PagedQuery::Status status);
  void FollowCount();
  // Follows the database, then reads rows [first, last] when not held.
  PagedQuery::Status Fetch(int first, int last);
  // The paged binding read again around the rows in view, the persistent
  // indexes following their records; false when it failed.
  bool ReadAgain(bool* moved);
  // Runs change, which makes the paged binding hold other rows, inside a
  // layout change: the persistent indexes move to the rows now holding
  // their records (by key), invalid where a record is not found; the
  // count follows.
  void FollowKeys(const std::function<void()>& change);
  // The key of a row: read from it where it is held, else as noted.
  QString KeyOf(int row) const;
  // Notes the keys of the rows persistent indexes point at, before a read
  // that may let their pages go.
  void NoteKeys();
  bool IsDataRow(int row) const { return row >= 1 && row < Rows(); }
  bool IsColumn(int col) const { return col >= 0 && col < Cols(); }

  std::shared_ptr<const QueryResult> bound_;
  std::shared_ptr<PagedQuery> paged_;
  QString sortKey_;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  std::vector<Column> cols_;
  std::vector<int> rows_;
  int pagedRows_ = 0;
  // The rows asked for last by FetchRows: those the view shows.
  int viewFirst_ = 0, viewLast_ = 0;
  // Inside a change of the rows: nested reads take nothing new.
  bool changing_ = false;
  // The records (keys) of persistent rows whose pages may have been let go.
  QHash<int, QString> heldKeys_;
  std::vector<QStringList> own_;
};

}  // namespace rd
