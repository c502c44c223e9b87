#include "platform/widgets/FlexGridModel.h"

#include <QLocale>
#include <algorithm>
#include <numeric>

namespace rd {

namespace {

struct SortKey {
  bool empty = true;
  bool number = false;
  double value = 0;
  QString text;
};

int CompareKeys(const SortKey& a, const SortKey& b) {
  if (a.empty || b.empty) return int(b.empty) - int(a.empty);
  if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
  if (a.number != b.number) return a.number ? -1 : 1;  // numbers before texts
  return a.text.compare(b.text);  // both case-folded
}

}  // namespace

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) { cols_.resize(1); }

void FlexGridModel::Bind(std::shared_ptr<const QueryResult> rows) {
  beginResetModel();
  bound_ = std::move(rows);
  cols_.assign(1, Column());
  rows_.clear();
  if (bound_) {
    for (int f = 0; f < bound_->columns.size(); ++f)
      cols_.push_back({bound_->columns[f], bound_->columns[f], f, {}});
    const int n = bound_->rowCount();
    rows_.resize(n);
    for (int r = 0; r < n; ++r) rows_[r].bound = r;
  }
  endResetModel();
}

bool FlexGridModel::SetRows(int rows) {
  if (rows < 1) return false;
  const int now = Rows();
  if (rows > now) {
    beginInsertRows(QModelIndex(), now - 1, rows - 2);
    rows_.resize(rows - 1);
    endInsertRows();
  } else if (rows < now) {
    beginRemoveRows(QModelIndex(), rows - 1, now - 2);
    rows_.resize(rows - 1);
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
    for (Row& row : rows_)
      if (row.texts.size() > cols) row.texts.resize(cols);
    endRemoveColumns();
  }
  return true;
}

bool FlexGridModel::IsBoundNumber(const Row& row, int col) const {
  const int field = cols_[col].field;
  return row.bound >= 0 && field >= 0 && bound_->IsNumber(row.bound, field);
}

bool FlexGridModel::ShowsNumber(const Row& row, int col) const {
  if (row.bound >= 0) return IsBoundNumber(row, col);
  // A text written into a cell lines up as a read value would.
  bool number = false;
  if (col < row.texts.size()) QLocale::c().toDouble(row.texts[col], &number);
  return number;
}

QString FlexGridModel::CellText(const Row& row, int col) const {
  if (row.bound >= 0) {
    const int field = cols_[col].field;
    return field >= 0 ? bound_->Text(row.bound, field) : QString();
  }
  return col < row.texts.size() ? row.texts[col] : QString();
}

void FlexGridModel::MakeOwn(Row& row) const {
  if (row.bound < 0) return;
  QStringList texts;
  texts.reserve(Cols());
  for (int c = 0; c < Cols(); ++c) texts << CellText(row, c);
  row.texts = std::move(texts);
  row.bound = -1;
}

QString FlexGridModel::TextMatrix(int row, int col) const {
  if (!IsColumn(col) || row < 0 || row >= Rows()) return QString();
  return row == 0 ? cols_[col].caption : CellText(rows_[row - 1], col);
}

bool FlexGridModel::SetTextMatrix(int row, int col, const QString& text) {
  if (!IsColumn(col) || row < 0 || row >= Rows()) return false;
  if (row == 0) {
    cols_[col].caption = text;
    if (col > 0) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    return true;
  }
  Row& r = rows_[row - 1];
  MakeOwn(r);
  while (r.texts.size() <= col) r.texts << QString();
  r.texts[col] = text;
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
  if (col > 0 && !rows_.empty())
    emit dataChanged(index(0, col - 1), index(int(rows_.size()) - 1, col - 1),
                     {Qt::TextAlignmentRole});
  return true;
}

bool FlexGridModel::AddItem(const QString& item, int position) {
  if (position == -1) position = Rows();
  if (position < 1 || position > Rows()) return false;
  Row row;
  if (!item.isEmpty()) row.texts = item.split('\t').mid(0, Cols());
  beginInsertRows(QModelIndex(), position - 1, position - 1);
  rows_.insert(rows_.begin() + (position - 1), std::move(row));
  endInsertRows();
  return true;
}

bool FlexGridModel::RemoveItem(int row) {
  if (!IsDataRow(row)) return false;
  beginRemoveRows(QModelIndex(), row - 1, row - 1);
  rows_.erase(rows_.begin() + (row - 1));
  endRemoveRows();
  return true;
}

bool FlexGridModel::MoveRow(int row, int position) {
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
  return parent.isValid() ? 0 : int(rows_.size());
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Cols() - 1;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
  const Row& row = rows_[index.row()];
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
  return section >= 0 && section < int(rows_.size()) ? CellText(rows_[section], 0) : QVariant();
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FlexGridModel::sort(int column, Qt::SortOrder order) {
  const int col = column + 1;
  if (column < 0 || col >= Cols() || rows_.size() < 2) return;
  const int n = int(rows_.size());
  std::vector<SortKey> keys(n);
  for (int r = 0; r < n; ++r) {
    SortKey& key = keys[r];
    if (IsBoundNumber(rows_[r], col)) {
      key.empty = false;
      key.number = true;
      key.value = bound_->Cell(rows_[r].bound, cols_[col].field).toDouble();
    } else {
      key.text = CellText(rows_[r], col);
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
  std::vector<Row> sorted;
  sorted.reserve(n);
  for (int i = 0; i < n; ++i) {
    newRowOf[perm[i]] = i;
    sorted.push_back(std::move(rows_[perm[i]]));
  }
  rows_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& i : before) after << index(newRowOf[i.row()], i.column());
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace rd
