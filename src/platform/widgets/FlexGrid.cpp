#include "platform/widgets/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "platform/ui/Twips.h"

namespace rd {

namespace {
constexpr int kFixedColumnTwips = 255;
constexpr int kRowsMeasured = 50;
constexpr int kMaxFittedPx = 320;
constexpr int kMinFittedPx = 40;
constexpr int kSortIndicatorPx = 16;
}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab moves to the next control, not to the next cell.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QHeaderView* heads = horizontalHeader();
  heads->setSectionResizeMode(QHeaderView::Interactive);
  heads->setStretchLastSection(true);
  heads->setHighlightSections(false);
  heads->setSortIndicator(-1, Qt::AscendingOrder);
  heads->setSortIndicatorShown(true);
  setSortingEnabled(true);

  QHeaderView* fixed = verticalHeader();
  fixed->setSectionResizeMode(QHeaderView::Interactive);
  fixed->setMinimumSectionSize(fontMetrics().height() / 2);
  fixed->setDefaultSectionSize(fontMetrics().height() + 6);
  fixed->setFixedWidth(Twips::ToPx(kFixedColumnTwips));
  fixed->setHighlightSections(false);

  connect(heads, &QHeaderView::sectionResized, this, [this](int section, int, int newSize) {
    if (fitting_ || newSize <= 0 || section >= int(sizedByHand_.size())) return;
    if (section != horizontalHeader()->logicalIndex(horizontalHeader()->count() - 1))
      sizedByHand_[section] = true;
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { selectedStale_ = true; });
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            emit RowColChange(current.isValid() ? current.row() + 1 : -1);
          });
  auto stale = [this] { selectedStale_ = true; };
  connect(model_, &QAbstractItemModel::rowsRemoved, this, stale);
  connect(model_, &QAbstractItemModel::rowsInserted, this, stale);
  connect(model_, &QAbstractItemModel::rowsMoved, this, stale);
  connect(model_, &QAbstractItemModel::layoutChanged, this, stale);
  connect(model_, &QAbstractItemModel::modelReset, this, stale);
  connect(model_, &FlexGridModel::RowsReplaced, this, [this] {
    SetRow(1);
    ReadView(verticalScrollBar()->value());
  });
  connect(model_, &FlexGridModel::ReadFailed, this, [this](const QString& error, int code) {
    // A box opened during a drag would take the scroll bar's release.
    if (verticalScrollBar()->isSliderDown())
      dragFailure_ = PagedQuery::Failure{error, code};
    else
      emit ReadFailed(error, code);
  });
  connect(model_, &FlexGridModel::RowsReread, this, &FlexGrid::RowsReread);
  // Rows read again for a reader elsewhere: the view's rows are read too.
  connect(model_, &FlexGridModel::RowsReread, this,
          [this] { ReadView(verticalScrollBar()->value()); });
  connect(model_, &FlexGridModel::RecordCountChanged, this, &FlexGrid::RecordCountChanged);
  // A sort that could not be read leaves the caption's sign as it was.
  connect(model_, &FlexGridModel::SortRefused, this, [this] { sortRefused_ = true; });
  connect(heads, &QHeaderView::sortIndicatorChanged, this,
          [this](int section, Qt::SortOrder order) {
            if (!sortRefused_) {
              sortSection_ = section;
              sortOrder_ = order;
              return;
            }
            sortRefused_ = false;
            const QSignalBlocker block(horizontalHeader());
            horizontalHeader()->setSortIndicator(sortSection_, sortOrder_);
          });
  QScrollBar* bar = verticalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this, &FlexGrid::ScrolledTo);
  connect(bar, &QScrollBar::sliderPressed, this, [this] { readBlocked_ = false; });
  connect(bar, &QScrollBar::sliderReleased, this, [this] {
    if (!dragFailure_) return;
    const PagedQuery::Failure failure = *std::exchange(dragFailure_, std::nullopt);
    emit ReadFailed(failure.error, failure.code);
  });
  connect(bar, &QScrollBar::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderMove) readBlocked_ = false;
  });
  connect(model_, &QAbstractItemModel::columnsInserted, this, [this] { ResetColumnState(); });
  connect(model_, &QAbstractItemModel::columnsRemoved, this, [this] { ResetColumnState(); });
}

void FlexGrid::SetDataSource(const Recordset& recordset) {
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  model_->Bind(recordset.Rows());
  ResetAfterBinding();
}

void FlexGrid::SetPagedSource(std::shared_ptr<PagedQuery> rows) {
  const QString sortKey = model_->SortKey();
  const Qt::SortOrder sortOrder = model_->SortOrder();
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  model_->BindPaged(std::move(rows));
  readBlocked_ = false;
  shownTop_ = 0;
  ResetAfterBinding();
  ReadView(verticalScrollBar()->value());
  if (sortKey.isEmpty()) return;
  for (int c = 1; c < Cols(); ++c)
    if (ColKey(c) == sortKey) {
      // The view asks the model to sort when the indicator moves.
      horizontalHeader()->setSortIndicator(c - 1, sortOrder);
      return;
    }
}

PagedQuery::Status FlexGrid::ReadRows(int first, int last) {
  const PagedQuery::Status status = model_->FetchRows(first - 1, last - 1);
  // A reader far from the view may have let the view's pages go.
  ReadView(verticalScrollBar()->value());
  return status;
}

int FlexGrid::VisibleRows() const {
  return viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()) + 1;
}

bool FlexGrid::ReadView(int first) {
  const PagedQuery* paged = model_->Paged();
  if (!paged) return true;
  const int last = first + VisibleRows() - 1;
  if (readBlocked_) return paged->Holds(first, last);
  if (model_->FetchRows(first, last) != PagedQuery::Status::Failed) return true;
  readBlocked_ = true;
  return false;
}

void FlexGrid::ScrolledTo(int value) {
  if (reverting_) return;
  if (ReadView(value)) {
    shownTop_ = value;
    return;
  }
  // The rows there could not be read: the view stays on the rows it showed.
  reverting_ = true;
  verticalScrollBar()->setValue(shownTop_);
  reverting_ = false;
}

QModelIndex FlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex target = QTableView::moveCursor(action, modifiers);
  if (!model_->IsPaged() || !target.isValid()) return target;
  // The rows around the target are read before the view moves there.
  const int rows = VisibleRows();
  const int top = verticalScrollBar()->value();
  int first = top;
  if (target.row() < top)
    first = target.row();
  else if (target.row() >= top + rows - 1)
    first = std::max(0, target.row() - rows + 1);
  if (!ReadView(first)) return currentIndex();
  if (model_->rowCount() == 0) return QModelIndex();
  return model_->index(std::min(target.row(), model_->rowCount() - 1), target.column());
}

QItemSelectionModel::SelectionFlags FlexGrid::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  if (!event || event->type() != QEvent::KeyPress)
    return QTableView::selectionCommand(index, event);
  const auto* key = static_cast<const QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (key->modifiers() & Qt::ShiftModifier && selectionMode() != SingleSelection)
        return QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows;
      return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    default:
      return QTableView::selectionCommand(index, event);
  }
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
  readBlocked_ = false;
  QTableView::keyPressEvent(event);
  ReadShown();
}

void FlexGrid::wheelEvent(QWheelEvent* event) {
  readBlocked_ = false;
  QTableView::wheelEvent(event);
  ReadShown();
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  // After a failed read a resize waits for the user's next action, so that
  // dragging a window edge never waits on a lock again and again.
  ReadShown();
}

void FlexGrid::ReadShown() { ScrolledTo(verticalScrollBar()->value()); }

void FlexGrid::ResetAfterBinding() {
  sizedByHand_.assign(model_->columnCount(), false);
  hiddenWidthPx_.assign(model_->columnCount(), 0);
  verticalHeader()->setVisible(true);
  FitColumns();
  SetRow(1);
}

Recordset FlexGrid::DataSource() const {
  Recordset rs;
  model_->FinishRead();
  if (model_->BoundRows()) rs.OpenRows(model_->BoundRows());
  return rs;
}

void FlexGrid::ResetColumnState() {
  sizedByHand_.resize(model_->columnCount(), false);
  hiddenWidthPx_.resize(model_->columnCount(), horizontalHeader()->defaultSectionSize());
}

bool FlexGrid::ColHidden(int col) const {
  if (col == 0) return verticalHeader()->isHidden();
  return col > 0 && col < Cols() && isColumnHidden(col - 1);
}

void FlexGrid::SetColHidden(int col, bool hidden) {
  if (col == 0)
    verticalHeader()->setVisible(!hidden);
  else if (col > 0 && col < Cols() && hidden != isColumnHidden(col - 1)) {
    if (hidden) hiddenWidthPx_[col - 1] = horizontalHeader()->sectionSize(col - 1);
    setColumnHidden(col - 1, hidden);
    if (hidden) MoveCurrentOffHiddenColumn();
  }
}

// The view's arrow keys do not move a current cell that lies in a hidden
// column: it moves to the first shown column of its row, the selection kept.
void FlexGrid::MoveCurrentOffHiddenColumn() {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !isColumnHidden(current.column())) return;
  for (int c = 0; c < model_->columnCount(); ++c)
    if (!isColumnHidden(c)) {
      selectionModel()->setCurrentIndex(model_->index(current.row(), c),
                                        QItemSelectionModel::NoUpdate);
      return;
    }
}

int FlexGrid::ColWidth(int col) const {
  if (col == 0) return Twips::FromPx(verticalHeader()->width());
  if (col < 0 || col >= Cols()) return 0;
  if (isColumnHidden(col - 1)) return Twips::FromPx(hiddenWidthPx_[col - 1]);
  return Twips::FromPx(horizontalHeader()->sectionSize(col - 1));
}

void FlexGrid::SetColWidth(int col, int twips) {
  const int px = std::max(0, Twips::ToPx(twips));
  if (col == 0) {
    verticalHeader()->setFixedWidth(px);
  } else if (col > 0 && col < Cols()) {
    fitting_ = true;
    horizontalHeader()->resizeSection(col - 1, px);
    fitting_ = false;
    hiddenWidthPx_[col - 1] = px;
    sizedByHand_[col - 1] = true;
  }
}

int FlexGrid::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : -1;
}

void FlexGrid::SetRow(int row) {
  if (row < 1 || row >= Rows()) {
    selectionModel()->clear();
    return;
  }
  int column = 0;
  while (column < model_->columnCount() - 1 && isColumnHidden(column)) ++column;
  const QModelIndex index = model_->index(row - 1, column);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

const std::vector<int>& FlexGrid::SelectedRowList() const {
  if (selectedStale_) {
    selected_.clear();
    for (const QItemSelectionRange& range : selectionModel()->selection())
      for (int r = range.top(); r <= range.bottom(); ++r) selected_.push_back(r + 1);
    std::sort(selected_.begin(), selected_.end());
    selected_.erase(std::unique(selected_.begin(), selected_.end()), selected_.end());
    selectedStale_ = false;
  }
  return selected_;
}

int FlexGrid::SelectedRows() const { return int(SelectedRowList().size()); }

int FlexGrid::SelectedRow(int i) const {
  const std::vector<int>& rows = SelectedRowList();
  return i >= 0 && i < int(rows.size()) ? rows[i] : -1;
}

int FlexGrid::ActionRow() const {
  const QModelIndex current = currentIndex();
  if (current.isValid() && selectionModel()->isRowSelected(current.row())) return current.row() + 1;
  return SelectedRow(0);
}

void FlexGrid::Refresh() {
  FitColumns();
  viewport()->update();
}

void FlexGrid::FitColumns() {
  QHeaderView* heads = horizontalHeader();
  const QFontMetrics metrics = fontMetrics();
  const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
  const int measured = std::min(model_->rowCount(), kRowsMeasured);
  fitting_ = true;
  for (int c = 0; c < model_->columnCount(); ++c) {
    if (c < int(sizedByHand_.size()) && sizedByHand_[c]) continue;
    int px = heads->fontMetrics().horizontalAdvance(model_->TextMatrix(0, c + 1)) + margin +
             kSortIndicatorPx;
    for (int r = 0; r < measured; ++r)
      px = std::max(px, metrics.horizontalAdvance(model_->TextMatrix(r + 1, c + 1)) + margin);
    px = std::clamp(px, kMinFittedPx, kMaxFittedPx);
    heads->resizeSection(c, px);
    hiddenWidthPx_[c] = px;
  }
  fitting_ = false;
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  const int row = rowAt(event->position().toPoint().y());
  emit DblClick(row >= 0 ? row + 1 : -1);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
  readBlocked_ = false;
  QTableView::mousePressEvent(event);
  ReadShown();
  const int row = rowAt(event->position().toPoint().y());
  emit MouseDown(event->button(), row >= 0 ? row + 1 : -1);
}

}  // namespace rd
