#include "platform/widgets/FlexGridModel.h"

#include <QLocale>
#include <algorithm>
#include <numeric>

namespace rd {

namespace {

struct CellKey {
  bool empty = true;
  bool number = false;
  double value = 0;
  QString text;
};

int CompareKeys(const CellKey& a, const CellKey& b) {
  if (a.empty || b.empty) return int(b.empty) - int(a.empty);
  if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
  if (a.number != b.number) return a.number ? -1 : 1;  // numbers before texts
  return a.text.compare(b.text);  // both case-folded
}

}  // namespace

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) { cols_.resize(1); }

void FlexGridModel::Bind(std::shared_ptr<const QueryResult> rows) {
  beginResetModel();
  Take(std::move(rows));
  endResetModel();
}

void FlexGridModel::Take(std::shared_ptr<const QueryResult> rows) {
  // What is replaced goes first, so that two bindings are never held at once.
  paged_.reset();
  sortKey_.clear();
  rows_ = {};
  own_ = {};
  bound_ = std::move(rows);
  cols_.assign(1, Column());
  if (bound_) {
    for (int f = 0; f < bound_->columns.size(); ++f)
      cols_.push_back({bound_->columns[f], bound_->columns[f], f, {}});
    rows_.resize(size_t(bound_->rowCount()));
    std::iota(rows_.begin(), rows_.end(), 0);
  }
}

void FlexGridModel::BindPaged(std::shared_ptr<PagedQuery> rows) {
  if (!rows) return Bind(nullptr);
  beginResetModel();
  Take(rows->Rows());
  rows_ = {};
  pagedRows_ = rows->RowCount();
  paged_ = std::move(rows);
  endResetModel();
}

bool FlexGridModel::FinishRead(QString* error) {
  if (!paged_ || paged_->ReadAll()) return true;
  if (error) *error = paged_->LastError();
  return false;
}

void FlexGridModel::Detach() {
  if (!paged_) return;
  paged_->ReadAll();
  // Every row is still its record: rows another user added or removed
  // since the count are taken in or left out at the end.
  const int read = bound_->rowCount();
  const int now = pagedRows_;
  rows_.resize(size_t(now));
  std::iota(rows_.begin(), rows_.end(), 0);
  paged_.reset();
  sortKey_.clear();
  if (read < now) {
    beginRemoveRows(QModelIndex(), read, now - 1);
    rows_.resize(size_t(read));
    endRemoveRows();
  } else if (read > now) {
    beginInsertRows(QModelIndex(), now, read - 1);
    rows_.resize(size_t(read));
    std::iota(rows_.begin() + now, rows_.end(), now);
    endInsertRows();
  }
}

bool FlexGridModel::SetRows(int rows) {
  if (rows < 1) return false;
  Detach();
  const int now = Rows();
  if (rows > now) {
    beginInsertRows(QModelIndex(), now - 1, rows - 2);
    rows_.resize(size_t(rows - 1), kEmptyRow);
    endInsertRows();
  } else if (rows < now) {
    beginRemoveRows(QModelIndex(), rows - 1, now - 2);
    rows_.resize(size_t(rows - 1));
    endRemoveRows();
  }
  return true;
}

bool FlexGridModel::SetCols(int cols) {
  if (cols < 1) return false;
  const int now = Cols();
  if (cols > now) {
    beginInsertColumns(QModelIndex(), now - 1, cols - 2);
    cols_.resize(cols);
    endInsertColumns();
  } else if (cols < now) {
    beginRemoveColumns(QModelIndex(), cols - 1, now - 2);
    cols_.resize(cols);
    for (QStringList& texts : own_)
      if (texts.size() > cols) texts.resize(cols);
    endRemoveColumns();
  }
  return true;
}

const QueryResult* FlexGridModel::Record(int record) const {
  if (record < 0) return nullptr;
  if (paged_ && record >= bound_->rowCount()) paged_->Reach(record);
  return bound_.get();
}

bool FlexGridModel::IsBoundNumber(int row, int col) const {
  const int field = cols_[col].field;
  const QueryResult* rows = field >= 0 ? Record(At(row)) : nullptr;
  return rows && rows->IsNumber(At(row), field);
}

bool FlexGridModel::ShowsNumber(int row, int col) const {
  if (At(row) >= 0) return IsBoundNumber(row, col);
  // A text written into a cell lines up as a read value would.
  const QStringList& texts = OwnTexts(row);
  bool number = false;
  if (col < texts.size()) QLocale::c().toDouble(texts[col], &number);
  return number;
}

const QStringList& FlexGridModel::OwnTexts(int row) const {
  static const QStringList none;
  const int at = At(row);
  return at == kEmptyRow || at >= 0 ? none : own_[size_t(-1 - at)];
}

QString FlexGridModel::CellText(int row, int col) const {
  const int record = At(row);
  if (record >= 0) {
    const int field = cols_[col].field;
    const QueryResult* rows = field >= 0 ? Record(record) : nullptr;
    return rows ? rows->Text(record, field) : QString();
  }
  const QStringList& texts = OwnTexts(row);
  return col < texts.size() ? texts[col] : QString();
}

QStringList& FlexGridModel::MakeOwn(int row) {
  if (rows_[row] < 0 && rows_[row] != kEmptyRow) return own_[size_t(-1 - rows_[row])];
  QStringList texts;
  if (rows_[row] >= 0) {
    texts.reserve(Cols());
    for (int c = 0; c < Cols(); ++c) texts << CellText(row, c);
  }
  own_.push_back(std::move(texts));
  rows_[row] = -int(own_.size());
  return own_.back();
}

QString FlexGridModel::TextMatrix(int row, int col) const {
  if (!IsColumn(col) || row < 0 || row >= Rows()) return QString();
  return row == 0 ? cols_[col].caption : CellText(row - 1, col);
}

bool FlexGridModel::SetTextMatrix(int row, int col, const QString& text) {
  if (!IsColumn(col) || row < 0 || row >= Rows()) return false;
  if (row == 0) {
    cols_[col].caption = text;
    if (col > 0) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    return true;
  }
  Detach();
  if (row >= Rows()) return false;
  QStringList& texts = MakeOwn(row - 1);
  while (texts.size() <= col) texts << QString();
  texts[col] = text;
  if (col == 0)
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  else
    emit dataChanged(index(row - 1, col - 1), index(row - 1, col - 1));
  return true;
}

QString FlexGridModel::ColKey(int col) const { return IsColumn(col) ? cols_[col].key : QString(); }

bool FlexGridModel::SetColKey(int col, const QString& key) {
  if (!IsColumn(col)) return false;
  cols_[col].key = key;
  return true;
}

Qt::Alignment FlexGridModel::ColAlignment(int col) const {
  return IsColumn(col) ? cols_[col].alignment : Qt::Alignment();
}

bool FlexGridModel::SetColAlignment(int col, Qt::Alignment alignment) {
  if (!IsColumn(col)) return false;
  cols_[col].alignment = alignment;
  if (col > 0 && DataRows() > 0)
    emit dataChanged(index(0, col - 1), index(DataRows() - 1, col - 1),
                     {Qt::TextAlignmentRole});
  return true;
}

bool FlexGridModel::AddItem(const QString& item, int position) {
  Detach();
  if (position == -1) position = Rows();
  if (position < 1 || position > Rows()) return false;
  int row = kEmptyRow;
  if (!item.isEmpty()) {
    own_.push_back(item.split('\t').mid(0, Cols()));
    row = -int(own_.size());
  }
  beginInsertRows(QModelIndex(), position - 1, position - 1);
  rows_.insert(rows_.begin() + (position - 1), row);
  endInsertRows();
  return true;
}

bool FlexGridModel::RemoveItem(int row) {
  Detach();
  if (!IsDataRow(row)) return false;
  beginRemoveRows(QModelIndex(), row - 1, row - 1);
  rows_.erase(rows_.begin() + (row - 1));
  endRemoveRows();
  return true;
}

bool FlexGridModel::MoveRow(int row, int position) {
  Detach();
  if (!IsDataRow(row) || !IsDataRow(position)) return false;
  if (row == position) return true;
  const int from = row - 1, to = position - 1;
  beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
  if (to > from)
    std::rotate(rows_.begin() + from, rows_.begin() + from + 1, rows_.begin() + to + 1);
  else
    std::rotate(rows_.begin() + to, rows_.begin() + from, rows_.begin() + from + 1);
  endMoveRows();
  return true;
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : DataRows();
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Cols() - 1;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
  const int row = index.row();
  const int col = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return CellText(row, col);
    case Qt::TextAlignmentRole: {
      if (cols_[col].alignment) return QVariant::fromValue(cols_[col].alignment);
      const Qt::Alignment horizontal = ShowsNumber(row, col) ? Qt::AlignRight : Qt::AlignLeft;
      return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    default:
      return QVariant();
  }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QVariant();
  if (orientation == Qt::Horizontal)
    return section >= 0 && section + 1 < Cols() ? cols_[section + 1].caption : QVariant();
  return section >= 0 && section < DataRows() ? CellText(section, 0) : QVariant();
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FlexGridModel::sort(int column, Qt::SortOrder order) {
  const int col = column + 1;
  if (column < 0 || col >= Cols()) return;
  if (paged_ && cols_[col].field >= 0) return SortPaged(col, order);
  Detach();
  if (rows_.size() < 2) return;
  const int n = int(rows_.size());
  std::vector<CellKey> keys(n);
  for (int r = 0; r < n; ++r) {
    CellKey& key = keys[r];
    if (IsBoundNumber(r, col)) {
      key.empty = false;
      key.number = true;
      key.value = bound_->Cell(rows_[r], cols_[col].field).toDouble();
    } else {
      key.text = CellText(r, col);
      key.empty = key.text.isEmpty();
      bool ok = false;
      key.value = key.text.toDouble(&ok);
      key.number = ok;
      if (!ok) key.text = key.text.toCaseFolded();
    }
  }
  std::vector<int> perm(n);
  std::iota(perm.begin(), perm.end(), 0);
  std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) {
    const int c = CompareKeys(keys[a], keys[b]);
    return order == Qt::AscendingOrder ? c < 0 : c > 0;
  });

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRowOf(n);
  std::vector<int> sorted(n);
  for (int i = 0; i < n; ++i) {
    newRowOf[perm[i]] = i;
    sorted[i] = rows_[perm[i]];
  }
  rows_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& i : before) after << index(newRowOf[i.row()], i.column());
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FlexGridModel::SortPaged(int col, Qt::SortOrder order) {
  QString error;
  std::shared_ptr<PagedQuery> sorted =
      paged_->Sorted(cols_[col].field, order == Qt::DescendingOrder, &error);
  if (!sorted) {
    // A query the database cannot order by a column is sorted here.
    Detach();
    return sort(col - 1, order);
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  paged_ = std::move(sorted);
  bound_ = paged_->Rows();
  sortKey_ = cols_[col].key;
  sortOrder_ = order;
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  emit RowsReplaced();
}

}  // namespace rd
