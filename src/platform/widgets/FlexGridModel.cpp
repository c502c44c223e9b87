#include "platform/widgets/FlexGridModel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QLocale>
#include <QPalette>
#include <algorithm>
#include <functional>
#include <numeric>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace rd {

namespace {

// A cell as a sort sees it, in SQLite's order: NULL, empty, a number, or
// a text as NOCASE compares it (UTF-8 bytes, ASCII letters folded to lower
// case).
struct CellKey {
  enum Kind { Null, Empty, Number, Text } kind = Empty;
  double value = 0;
  // Integers compare as integers, exactly beyond 2^53.
  bool isInteger = false;
  qint64 integer = 0;
  QByteArray text;
  qint64 id = 0;
};

int CompareNumbers(const CellKey& a, const CellKey& b) {
  if (a.isInteger && b.isInteger) return a.integer < b.integer ? -1 : (a.integer > b.integer);
  return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
}

QByteArray NoCaseBytes(const QString& text) {
  QByteArray bytes = text.toUtf8();
  for (char& c : bytes)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return bytes;
}

int CompareKeys(const CellKey& a, const CellKey& b) {
  if (a.kind != b.kind) return a.kind < b.kind ? -1 : 1;
  int c = 0;
  if (a.kind == CellKey::Number) c = CompareNumbers(a, b);
  if (a.kind == CellKey::Text) c = a.text.compare(b.text);
  return c != 0 ? c : (a.id < b.id ? -1 : (a.id > b.id));
}

// Rows beyond those in view that a read of whole pages may hold.
constexpr int kReadAround = 100;

// The wait cursor while a paged read runs.
struct WaitCursor {
  WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

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
  heldKeys_.clear();
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
  Take(nullptr);
  const QStringList& names = rows->Columns();
  for (int f = 0; f < names.size(); ++f) cols_.push_back({names[f], names[f], f, {}});
  pagedRows_ = rows->RowCount();
  paged_ = std::move(rows);
  viewFirst_ = viewLast_ = 0;
  endResetModel();
}

std::shared_ptr<const QueryResult> FlexGridModel::BoundRows() const {
  return paged_ ? paged_->AllRows() : bound_;
}

PagedQuery::Status FlexGridModel::FetchRows(int first, int last) {
  viewFirst_ = first;
  viewLast_ = last;
  return Fetch(first, last);
}

PagedQuery::Status FlexGridModel::Fetch(int first, int last) {
  if (!paged_ || changing_ || paged_->Holds(first, last)) return PagedQuery::Status::Read;
  WaitCursor wait;
  bool moved = false;
  for (int attempt = 0; attempt < 3; ++attempt) {
    bool current = false;
    if (!paged_->IsCurrent(&current)) break;
    bool changed = false;
    if (!current && !ReadAgain(&changed)) return PagedQuery::Status::Failed;
    moved = moved || changed;
    // The read may let pages go: the records of their persistent rows stay known.
    NoteKeys();
    const PagedQuery::Status status = paged_->Reach(first, last);
    if (status == PagedQuery::Status::Stale) continue;
    Report(status);
    if (status == PagedQuery::Status::Read && moved) emit RowsReread();
    return moved && status == PagedQuery::Status::Read ? PagedQuery::Status::Moved : status;
  }
  Report(PagedQuery::Status::Failed);
  return PagedQuery::Status::Failed;
}

PagedQuery::Status FlexGridModel::FollowDatabase() {
  if (!paged_ || changing_) return PagedQuery::Status::Read;
  bool current = false;
  if (!paged_->IsCurrent(&current)) {
    Report(PagedQuery::Status::Failed);
    return PagedQuery::Status::Failed;
  }
  if (current) return PagedQuery::Status::Read;
  WaitCursor wait;
  bool moved = false;
  if (!ReadAgain(&moved)) return PagedQuery::Status::Failed;
  if (!moved) return PagedQuery::Status::Read;
  emit RowsReread();
  return PagedQuery::Status::Moved;
}

bool FlexGridModel::ReadAgain(bool* moved) {
  PagedQuery::Failure failure;
  std::shared_ptr<PagedQuery> fresh = paged_->ReadAgain(viewFirst_, viewLast_, moved, &failure);
  if (!fresh) {
    emit ReadFailed(failure.error, failure.code);
    return false;
  }
  FollowKeys([&] { paged_ = std::move(fresh); });
  return true;
}

void FlexGridModel::FollowKeys(const std::function<void()>& change) {
  changing_ = true;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  QStringList keys;
  keys.reserve(before.size());
  for (const QModelIndex& i : before) keys << KeyOf(i.row());
  const int counted = pagedRows_;
  change();
  pagedRows_ = paged_->RowCount();
  QSet<QString> wanted(keys.begin(), keys.end());
  wanted.remove(QString());
  const QHash<QString, int> rowOfKey = paged_->RowsOf(wanted);
  QModelIndexList after;
  after.reserve(before.size());
  heldKeys_.clear();
  for (int i = 0; i < before.size(); ++i) {
    const int row = keys[i].isNull() ? -1 : rowOfKey.value(keys[i], -1);
    after << (row >= 0 ? index(row, before[i].column()) : QModelIndex());
    if (row >= 0) heldKeys_.insert(row, keys[i]);
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  changing_ = false;
  if (pagedRows_ != counted) emit RecordCountChanged(pagedRows_);
}

PagedQuery::Status FlexGridModel::FinishRead() {
  if (!paged_ || paged_->AllRows()) return PagedQuery::Status::Read;
  bool moved = FollowDatabase() == PagedQuery::Status::Moved;
  if (!paged_->AllRows()) {
    WaitCursor wait;
    // Rows that moved since they were read: the selection follows its records.
    PagedQuery::Status status = PagedQuery::Status::Read;
    FollowKeys([&] { status = paged_->ReadAll(); });
    Report(status);
    if (status == PagedQuery::Status::Failed) return status;
    moved = moved || status == PagedQuery::Status::Moved;
  }
  return moved ? PagedQuery::Status::Moved : PagedQuery::Status::Read;
}

void FlexGridModel::LetGoOfRows() {
  if (!paged_) return;
  NoteKeys();
  paged_->LetGoOfAll(viewFirst_ - kReadAround, viewLast_ + kReadAround);
#ifdef __GLIBC__
  // The rows and the database's sort of them were freed in large blocks,
  // some on its sort threads: give their pages back to the system.
  malloc_trim(0);
#endif
}

QString FlexGridModel::KeyOf(int row) const {
  const QString key = paged_->KeyAt(row);
  return key.isNull() ? heldKeys_.value(row) : key;
}

void FlexGridModel::NoteKeys() {
  QHash<int, QString> keys;
  for (const QModelIndex& i : persistentIndexList())
    if (const QString key = KeyOf(i.row()); !key.isNull()) keys.insert(i.row(), key);
  heldKeys_ = std::move(keys);
}

void FlexGridModel::Report(PagedQuery::Status status) {
  if (status == PagedQuery::Status::Failed) {
    emit ReadFailed(paged_->LastFailure().error, paged_->LastFailure().code);
    return;
  }
  FollowCount();
  if (DataRows() > 0) emit dataChanged(index(0, 0), index(DataRows() - 1, columnCount() - 1));
  if (status == PagedQuery::Status::Moved) emit RowsReread();
}

void FlexGridModel::FollowCount() {
  // Whatever the view does inside the change reads nothing; the count
  // changes until it is the one counted last.
  if (changing_) return;
  const int counted = pagedRows_;
  changing_ = true;
  for (int now = paged_->RowCount(); now != pagedRows_; now = paged_->RowCount()) {
    if (now < pagedRows_) {
      beginRemoveRows(QModelIndex(), now, pagedRows_ - 1);
      pagedRows_ = now;
      endRemoveRows();
    } else {
      beginInsertRows(QModelIndex(), pagedRows_, now - 1);
      pagedRows_ = now;
      endInsertRows();
    }
  }
  changing_ = false;
  if (pagedRows_ != counted) emit RecordCountChanged(pagedRows_);
}

bool FlexGridModel::Detach() {
  if (!paged_) return true;
  if (FinishRead() == PagedQuery::Status::Failed) return false;
  // Every row is read and still its record.
  bound_ = paged_->AllRows();
  rows_.resize(size_t(pagedRows_));
  std::iota(rows_.begin(), rows_.end(), 0);
  paged_.reset();
  heldKeys_.clear();
  sortKey_.clear();
  return true;
}

bool FlexGridModel::SetRows(int rows) {
  if (rows < 1 || !Detach()) return false;
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

bool FlexGridModel::IsUnread(int row) const {
  int at = 0;
  return paged_ && !paged_->Held(row, &at);
}

const QueryResult* FlexGridModel::Record(int record, int* at) const {
  if (paged_) return paged_->Held(record, at);
  if (record < 0) return nullptr;
  *at = record;
  return bound_.get();
}

bool FlexGridModel::IsBoundNumber(int row, int col) const {
  const int field = cols_[col].field;
  int at = 0;
  const QueryResult* rows = field >= 0 ? Record(At(row), &at) : nullptr;
  return rows && rows->IsNumber(at, field);
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
    int at = 0;
    const QueryResult* rows = field >= 0 ? Record(record, &at) : nullptr;
    return rows ? rows->Text(at, field) : QString();
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
  // A reader of a row reads its page; the view never comes here.
  if (row > 0 && paged_) const_cast<FlexGridModel*>(this)->Fetch(row - 1, row - 1);
  if (row >= Rows()) return QString();
  return row == 0 ? cols_[col].caption : CellText(row - 1, col);
}

bool FlexGridModel::SetTextMatrix(int row, int col, const QString& text) {
  if (!IsColumn(col) || row < 0 || row >= Rows()) return false;
  if (row == 0) {
    cols_[col].caption = text;
    if (col > 0) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    return true;
  }
  if (!Detach() || row >= Rows()) return false;
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
  if (!Detach()) return false;
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
  if (!Detach() || !IsDataRow(row)) return false;
  beginRemoveRows(QModelIndex(), row - 1, row - 1);
  rows_.erase(rows_.begin() + (row - 1));
  endRemoveRows();
  return true;
}

bool FlexGridModel::MoveRow(int row, int position) {
  if (!Detach() || !IsDataRow(row) || !IsDataRow(position)) return false;
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
  if (IsUnread(row)) {
    if (role == Qt::DisplayRole) return QString(kUnreadMark);
    if (role == Qt::ForegroundRole)
      return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    return QVariant();
  }
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
  if (paged_ && cols_[col].field >= 0 && SortPaged(col, order)) return;
  if (!Detach()) {
    emit SortRefused();
    return;
  }
  SortInMemory(col, order);
}

void FlexGridModel::SortInMemory(int col, Qt::SortOrder order) {
  if (rows_.size() < 2) return;
  int idCol = 0;
  for (int c = 1; c < Cols() && idCol == 0; ++c)
    if (cols_[c].key.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) idCol = c;
  const int n = int(rows_.size());
  std::vector<CellKey> keys(n);
  for (int r = 0; r < n; ++r) {
    CellKey& key = keys[r];
    if (idCol > 0 && idCol != col) key.id = CellText(r, idCol).toLongLong();
    const QString text = CellText(r, col);
    int at = 0;
    const QueryResult* bound = cols_[col].field >= 0 ? Record(At(r), &at) : nullptr;
    if (text.isEmpty()) {
      if (bound && bound->Cell(at, cols_[col].field).isNull()) key.kind = CellKey::Null;
      continue;
    }
    bool number = IsBoundNumber(r, col);
    if (number) {
      const QVariant cell = bound->Cell(at, cols_[col].field);
      key.value = cell.toDouble();
      key.isInteger = cell.typeId() == QMetaType::LongLong || cell.typeId() == QMetaType::Int;
      key.integer = cell.toLongLong();
    } else if (!bound) {
      key.value = QLocale::c().toDouble(text, &number);
      key.integer = QLocale::c().toLongLong(text, &key.isInteger);
    }
    key.kind = number ? CellKey::Number : CellKey::Text;
    if (!number) key.text = NoCaseBytes(text);
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

bool FlexGridModel::SortPaged(int col, Qt::SortOrder order) {
  PagedQuery::Failure failure;
  std::shared_ptr<PagedQuery> sorted;
  {
    WaitCursor wait;
    sorted = paged_->Sorted(cols_[col].field, order == Qt::DescendingOrder, &failure);
  }
  if (!sorted) {
    // A query the database cannot order by the column is sorted here.
    if (failure.error.isEmpty()) return false;
    emit ReadFailed(failure.error, failure.code);
    emit SortRefused();
    return true;
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  paged_ = std::move(sorted);
  heldKeys_.clear();
  sortKey_ = cols_[col].key;
  sortOrder_ = order;
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  FollowCount();
  emit RowsReplaced();
  return true;
}

}  // namespace rd
