#pragma once
#include <QTableView>
#include <optional>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/widgets/FlexGridModel.h"

namespace rd {

// The system's grid. Indexes are the grid's own: row 0 the captions (shown
// as the column heads), column 0 the fixed column (shown as the narrow row
// head), data rows 1 to Rows() - 1, columns 1 to Cols() - 1. Whole rows are
// selected, several at a time; a click on a caption sorts by that column;
// cells are not edited in place. Widths are in twips.
class FlexGrid : public QTableView {
  Q_OBJECT
 public:
  explicit FlexGrid(QWidget* parent = nullptr);

  // Takes the recordset's rows as the grid's own (shared until changed):
  // one column per field keyed and captioned by the field name, one row per
  // record; the first data row becomes the current, selected row.
  void SetDataSource(const Recordset& recordset);
  // Binds rows that are read as the view and the grid's readers reach
  // them, with as many rows as were counted. The view reads the pages it
  // is about to show when it scrolls or is resized, never while it paints;
  // after a failed read it stays where it was and reads nothing more until
  // the user acts again (a key, the wheel, the scroll bar, a click). Rows
  // in view that could not be read show a dimmed "…". A click on a
  // caption reads the rows again in that column's order; that order is
  // kept when the next paged source has the column.
  void SetPagedSource(std::shared_ptr<PagedQuery> rows);
  // The rows bound last, in the order they came (not as sorted or edited);
  // a paged source is read whole first (empty when that fails).
  Recordset DataSource() const;
  // Reads the rest of a paged source.
  PagedQuery::Status FinishRead() { return model_->FinishRead(); }
  // Whether every row is held (not paged, or read to its end).
  bool AllRowsHeld() const { return model_->AllRowsHeld(); }
  // After FinishRead, a paged source keeps only the rows around the view.
  void LetGoOfRows() { model_->LetGoOfRows(); }
  // Where another connection changed the database, reads the rows in view
  // again; the selection follows its records.
  PagedQuery::Status FollowDatabase() { return model_->FollowDatabase(); }
  // Reads the data rows [first, last] of a paged source not read yet.
  PagedQuery::Status ReadRows(int first, int last);
  const PagedQuery* Paged() const { return model_->Paged(); }

  int Rows() const { return model_->Rows(); }
  bool SetRows(int rows) { return model_->SetRows(rows); }
  int Cols() const { return model_->Cols(); }
  bool SetCols(int cols) { return model_->SetCols(cols); }
  QString TextMatrix(int row, int col) const { return model_->TextMatrix(row, col); }
  bool SetTextMatrix(int row, int col, const QString& text) {
    return model_->SetTextMatrix(row, col, text);
  }
  QString ColKey(int col) const { return model_->ColKey(col); }
  bool SetColKey(int col, const QString& key) { return model_->SetColKey(col, key); }
  bool ColHidden(int col) const;
  void SetColHidden(int col, bool hidden);
  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);
  Qt::Alignment ColAlignment(int col) const { return model_->ColAlignment(col); }
  bool SetColAlignment(int col, Qt::Alignment a) { return model_->SetColAlignment(col, a); }

  // The current data row, -1 when there is none.
  int Row() const;
  // Makes a data row current and the only one selected; other values clear both.
  void SetRow(int row);
  int SelectedRows() const;
  // The i-th selected row (0-based, rows ascending); -1 when there is none.
  int SelectedRow(int i) const;
  // The row a one-record action works on: the current row when it is
  // selected (the row of the cell frame), else the first selected row.
  int ActionRow() const;

  bool AddItem(const QString& item, int position = -1) { return model_->AddItem(item, position); }
  bool RemoveItem(int row) { return model_->RemoveItem(row); }
  bool SetRowPosition(int row, int position) { return model_->MoveRow(row, position); }
  // Repaints and fits the columns that were not sized by hand to their texts.
  void Refresh();

  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }

 signals:
  void DblClick(int row);       // row under the mouse, -1 below the rows
  void RowColChange(int row);   // the new current row, -1 when none
  void MouseDown(Qt::MouseButton button, int row);
  // Of a paged source: a read failed (the database's error and SQLite's
  // result code); the rows moved under it and were read again; it found
  // another number of records than it counted.
  void ReadFailed(const QString& error, int code);
  void RowsReread();
  void RecordCountChanged(int records);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  // Every key that moves the current row selects it; Shift extends the
  // selection from where it started, with or without Ctrl.
  QItemSelectionModel::SelectionFlags selectionCommand(
      const QModelIndex& index, const QEvent* event = nullptr) const override;

 private:
  // Reads the rows the view shows with first at the top; false when that
  // failed or reading waits for the user's next action.
  bool ReadView(int first);
  void ScrolledTo(int value);
  // Reads the rows in view not read yet, unless reading waits for the user.
  void ReadShown();
  int VisibleRows() const;
  void FitColumns();
  void ResetAfterBinding();
  void ResetColumnState();
  void MoveCurrentOffHiddenColumn();
  const std::vector<int>& SelectedRowList() const;

  FlexGridModel* model_;
  QString tag_;
  std::vector<bool> sizedByHand_;   // by model column
  std::vector<int> hiddenWidthPx_;  // width of a hidden column when shown again
  bool fitting_ = false;
  bool readBlocked_ = false;  // after a failed read, until the user acts
  // A failure met during a scroll-bar drag, told when the drag ends.
  std::optional<PagedQuery::Failure> dragFailure_;
  bool reverting_ = false;
  int shownTop_ = 0;  // the top row of the last rows read for the view
  int sortSection_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  bool sortRefused_ = false;
  mutable std::vector<int> selected_;
  mutable bool selectedStale_ = true;
};

}  // namespace rd
