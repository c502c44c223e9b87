#include "platform/db/PagedQuery.h"

#include <algorithm>

#include "platform/db/Connection.h"

namespace rd {

namespace {
constexpr int kPageRows = 100;
// Pages held at once beyond those asked for last: 4,000 rows.
constexpr size_t kMaxPages = 40;
const QString kClosed = QStringLiteral("The connection is closed.");
const QString kMoving = QStringLiteral("The rows keep moving.");
// Reads tried before a database that keeps changing is given up.
constexpr int kAttempts = 3;
}  // namespace

bool PagedQuery::Failure::Busy() const { return Connection::IsBusyCode(code); }

QString PagedQuery::CountStatement(Syntax syntax, const QString& query, int columns) {
  // On its own line, so that a comment ending the query cannot swallow it.
  QString sql = QStringLiteral("select count(*) from (") + query + QStringLiteral("\n) rdCount");
  if (syntax == Syntax::Limit || columns < 1) return sql;
  // The server takes no unnamed or twice named column in a derived table:
  // every column is named anew.
  QStringList names;
  for (int c = 1; c <= columns; ++c) names << QStringLiteral("c%1").arg(c);
  return sql + '(' + names.join(',') + ')';
}

QString PagedQuery::PageStatement(Syntax syntax, const QString& query, const QString& orderBy,
                                  int offset, int limit) {
  QString sql = query;
  if (!orderBy.isEmpty()) sql += QLatin1Char('\n') + orderBy;
  if (syntax == Syntax::Limit)
    return sql + QStringLiteral("\nLIMIT %1 OFFSET %2").arg(limit).arg(offset);
  // The server pages only an ordered query; the first column (most often
  // the ID) keeps the pages apart.
  if (orderBy.isEmpty()) sql += QStringLiteral("\nORDER BY 1");
  sql += QStringLiteral("\nOFFSET %1 ROWS").arg(offset);
  if (limit >= 0) sql += QStringLiteral(" FETCH NEXT %1 ROWS ONLY").arg(limit);
  return sql;
}

QString PagedQuery::SortedQuery(Syntax syntax, const QString& query, int columns,
                                const QString& select) {
  if (syntax != Syntax::Limit) return query;
  // Named by position, so that twice named or unnamed columns sort too.
  QStringList names;
  for (int c = 1; c <= columns; ++c) names << QStringLiteral("c%1").arg(c);
  return QStringLiteral("WITH rdSorted(%1) AS (\n%2\n)\nSELECT %3 FROM rdSorted")
      .arg(names.join(','), query, select);
}

QString PagedQuery::OrderByColumn(Syntax syntax, int column, bool descending, int idColumn) {
  const bool sqlite = syntax == Syntax::Limit;
  const QString name = sqlite ? QStringLiteral("c%1") : QStringLiteral("%1");
  const QString direction = descending ? QStringLiteral(" DESC") : QString();
  const QString c = name.arg(column);
  QString order = QStringLiteral("ORDER BY ") + c + direction;
  if (sqlite)
    order = QStringLiteral("ORDER BY (%1 IS NULL OR %1 = '')%2, %1 COLLATE NOCASE%3")
                .arg(c, descending ? QString() : QStringLiteral(" DESC"), direction);
  if (idColumn > 0 && idColumn != column) order += ", " + name.arg(idColumn) + direction;
  return order;
}

std::shared_ptr<PagedQuery> PagedQuery::Open(ConnectionSource connection, Syntax syntax,
                                             const QString& query, const QString& orderBy,
                                             Failure* failure) {
  std::shared_ptr<PagedQuery> paged(new PagedQuery);
  paged->connection_ = std::move(connection);
  paged->syntax_ = syntax;
  paged->query_ = query;
  paged->orderBy_ = orderBy;
  if (!paged->ReadFirstPage()) {
    *failure = paged->failure_;
    return nullptr;
  }
  return paged;
}

std::shared_ptr<PagedQuery> PagedQuery::Sorted(int column, bool descending,
                                               Failure* failure) const {
  *failure = {};
  std::shared_ptr<PagedQuery> sorted(new PagedQuery(Unread()));
  sorted->unsorted_ = query_;
  sorted->idsRefused_ = false;
  sorted->query_ = SortedQuery(syntax_, query_, int(columns_.size()));
  sorted->orderBy_ = OrderByColumn(syntax_, column + 1, descending, idColumn_ + 1);
  Connection* db = connection_();
  if (!db) {
    failure->error = kClosed;
    return nullptr;
  }
  // A query the database cannot order so fails to prepare, and says nothing.
  QStringList names;
  if (!db->QueryColumns(PageStatement(syntax_, sorted->query_, sorted->orderBy_, 0, 1), &names)) {
    const Failure refused{db->LastError(), db->LastErrorCode()};
    if (refused.Busy()) *failure = refused;
    return nullptr;
  }
  if (!sorted->ReadFirstPage()) {
    *failure = sorted->failure_;
    return nullptr;
  }
  return sorted;
}

bool PagedQuery::ReadFirstPage() {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    Connection::ChangeStamp before, after;
    auto first = std::make_shared<QueryResult>();
    if (!ReadStamp(&before) || !ReadPages(0, 0, first.get())) return false;
    // The first read names the columns, even of an empty result; a sorted
    // copy keeps them, as its own are only numbered.
    if (columns_.isEmpty()) {
      columns_ = first->columns;
      for (int i = 0; i < columns_.size() && idColumn_ < 0; ++i)
        if (columns_[i].compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) idColumn_ = i;
    }
    if (!Count() || !ReadStamp(&after)) return false;
    if (before != after) continue;
    stamp_ = before;
    pages_.clear();
    bool more = false;
    TakePage(0, {first, 0, 0}, &more);
    return true;
  }
  failure_ = {kMoving, 0};
  return false;
}

bool PagedQuery::ReadStamp(Connection::ChangeStamp* stamp) {
  Connection* db = connection_ ? connection_() : nullptr;
  if (!db) return Fail(nullptr);
  return db->ReadChangeStamp(stamp) || Fail(db);
}

PagedQuery PagedQuery::Unread() const {
  PagedQuery query = *this;
  query.pages_.clear();
  query.all_.reset();
  query.ids_.reset();
  query.failure_ = {};
  query.stamp_ = {};
  query.stale_ = false;
  return query;
}

bool PagedQuery::Fail(Connection* db) {
  failure_ = db ? Failure{db->LastError(), db->LastErrorCode()} : Failure{kClosed, 0};
  return false;
}

bool PagedQuery::ReadPages(int firstPage, int lastPage, QueryResult* rows) {
  const int lead = firstPage > 0 ? 1 : 0;
  const int offset = firstPage * kPageRows - lead;
  const int limit = (lastPage - firstPage + 1) * kPageRows + lead + 1;
  if (ReadsById(firstPage)) {
    bool read = false;
    if (!ReadById(offset, limit, rows, &read)) return false;
    if (read) return true;
  }
  Connection* db = connection_ ? connection_() : nullptr;
  if (!db) return Fail(nullptr);
  return db->Query(PageStatement(syntax_, query_, orderBy_, offset, limit), rows) || Fail(db);
}

bool PagedQuery::ReadsById(int firstPage) const {
  // The stamp keeps the IDs and the pages read by them of one state.
  return !unsorted_.isEmpty() && syntax_ == Syntax::Limit && idColumn_ >= 0 && !idsRefused_ &&
         stamp_.Known() && (ids_ || firstPage > 0);
}

bool PagedQuery::ReadById(int offset, int limit, QueryResult* rows, bool* read) {
  *read = false;
  Connection* db = connection_ ? connection_() : nullptr;
  if (!db) return Fail(nullptr);
  // Unfit IDs fall back to reading by position; a failed read fails.
  if (!HoldIds()) return failure_.error.isEmpty();
  QStringList wanted;
  for (int i = offset; i < std::min(ids_->rowCount(), offset + limit); ++i)
    wanted << ids_->Text(i, 0);
  // Whole numbers only: nothing of the rows' own reaches the statement.
  QueryResult found;
  const QString sql = SortedQuery(syntax_, unsorted_, int(columns_.size())) +
                      QStringLiteral("\nWHERE c%1 IN (%2)").arg(idColumn_ + 1).arg(wanted.join(','));
  if (!db->Query(sql, &found)) return Fail(db);
  QHash<QString, int> rowOfId;
  for (int row = 0; row < found.rowCount(); ++row) rowOfId.insert(found.Text(row, idColumn_), row);
  // An ID of two rows (or one gone): the rows are read by their position.
  if (found.rowCount() != wanted.size() || rowOfId.size() != wanted.size()) {
    idsRefused_ = true;
    ids_.reset();
    return true;
  }
  rows->columns = found.columns;
  for (const QString& key : wanted) rows->AppendRowOf(found, rowOfId.value(key));
  *read = true;
  return true;
}

bool PagedQuery::Count() {
  Connection* db = connection_ ? connection_() : nullptr;
  if (!db) return Fail(nullptr);
  QueryResult counted;
  if (!db->Query(CountStatement(syntax_, query_, int(columns_.size())), &counted) ||
      counted.rowCount() != 1)
    return Fail(db);
  count_ = std::max(0, counted.Cell(0, 0).toInt());
  return true;
}

QString PagedQuery::RowKey(const QueryResult& rows, int row) const {
  if (idColumn_ >= 0) return rows.Text(row, idColumn_);
  QStringList cells;
  for (int c = 0; c < rows.columns.size(); ++c) cells << rows.Text(row, c);
  return cells.join(QChar(0x1f));
}

bool PagedQuery::TakePage(int page, const Page& read, bool* more) {
  const QueryResult& rows = *read.rows;
  const int lead = read.lead;
  const int got = rows.rowCount() - lead;
  // With a stamp every held row is of the same state: no seam to check.
  const bool seams = !stamp_.Known();
  const auto before = pages_.find(page - 1);
  if (seams && before != pages_.end()) {
    const Page& prev = before->second;
    if (lead == 0 || rows.rowCount() < lead || prev.size != kPageRows ||
        RowKey(rows, lead - 1) != RowKey(*prev.rows, prev.lead + prev.size - 1))
      return false;
  }
  const auto after = pages_.find(page + 1);
  if (seams && after != pages_.end() &&
      (got <= kPageRows ||
       RowKey(rows, lead + kPageRows) != RowKey(*after->second.rows, after->second.lead)))
    return false;
  *more = got > kPageRows;
  const int size = std::clamp(got, 0, kPageRows);
  if (size > 0) pages_[page] = {read.rows, lead, size};
  if (!*more) {
    // The rows end here: the count and the pages beyond follow.
    count_ = page * kPageRows + size;
    pages_.erase(pages_.upper_bound(page), pages_.end());
  }
  return true;
}

PagedQuery::Status PagedQuery::Reach(int first, int last) {
  failure_ = {};
  if (all_) return Status::Read;
  if (stale_ || Holds(first, last)) return stale_ ? Status::Stale : Status::Read;
  // Read only in the state the held rows came from.
  Connection::ChangeStamp before, after;
  if (!ReadStamp(&before)) return Status::Failed;
  stale_ = before != stamp_;
  if (stale_) return Status::Stale;
  std::vector<int> taken;
  const Status status = ReadMissing(first, last, &taken);
  if (status == Status::Failed || !ReadStamp(&after)) return Status::Failed;
  // A seam that disagrees, or a commit during the read: what it took goes.
  stale_ = status == Status::Stale || after != stamp_;
  if (stale_) {
    for (int page : taken) pages_.erase(page);
    return Status::Stale;
  }
  LetGo(std::max(first, 0) / kPageRows, std::max(last, 0) / kPageRows);
  return Status::Read;
}

bool PagedQuery::IsCurrent(bool* current) {
  failure_ = {};
  Connection::ChangeStamp now;
  if (!ReadStamp(&now)) return false;
  *current = all_ || (!stale_ && now == stamp_);
  return true;
}

PagedQuery::Status PagedQuery::ReadMissing(int first, int last, std::vector<int>* taken) {
  first = std::max(first, 0);
  const int firstPage = first / kPageRows;
  int lastPage = std::min(last, count_ - 1) / kPageRows;
  for (int page = firstPage; page <= lastPage && first < count_; ++page) {
    if (pages_.count(page)) continue;
    // The pages missing from here on, read in one statement.
    int run = page;
    while (run < lastPage && !pages_.count(run + 1)) ++run;
    auto rows = std::make_shared<QueryResult>();
    if (!ReadPages(page, run, rows.get())) return Status::Failed;
    bool more = true;
    for (int lead = page > 0 ? 1 : 0; page <= run && more; ++page, lead += kPageRows) {
      if (!TakePage(page, {rows, lead, 0}, &more)) return Status::Stale;
      taken->push_back(page);
      // Rows added after the count: counted again.
      if (more && (page + 1) * kPageRows >= count_ && !Count()) return Status::Failed;
    }
    --page;
    lastPage = std::min(last, count_ - 1) / kPageRows;
  }
  return Status::Read;
}

std::shared_ptr<PagedQuery> PagedQuery::ReadAgain(int first, int last, bool* moved,
                                                  Failure* failure) const {
  *moved = false;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::shared_ptr<PagedQuery> fresh(new PagedQuery(Unread()));
    Connection::ChangeStamp after;
    if (!fresh->ReadStamp(&fresh->stamp_) || !fresh->ReadRange(first, last) ||
        !fresh->ReadStamp(&after)) {
      *failure = fresh->failure_;
      return nullptr;
    }
    if (after != fresh->stamp_) continue;
    // A row seen before that is another record now, or gone.
    for (int row = std::max(first, 0); row <= last && !*moved; ++row) {
      const QString was = KeyAt(row);
      *moved = !was.isNull() && was != fresh->KeyAt(row);
    }
    return fresh;
  }
  *failure = {kMoving, 0};
  return nullptr;
}

QString PagedQuery::IdsStatement() const {
  if (!unsorted_.isEmpty())
    return SortedQuery(syntax_, unsorted_, int(columns_.size()),
                       QStringLiteral("c%1").arg(idColumn_ + 1)) +
           '\n' + orderBy_;
  // The order's own names stay those of the query's columns.
  return QStringLiteral("SELECT \"%1\" FROM (\n%2\n)")
      .arg(QString(columns_[idColumn_]).replace('"', QLatin1String("\"\"")),
           PageStatement(syntax_, query_, orderBy_, 0, -1));
}

bool PagedQuery::HoldIds() {
  failure_ = {};
  if (ids_) return true;
  if (idsRefused_ || idColumn_ < 0 || syntax_ != Syntax::Limit || !stamp_.Known()) return false;
  Connection::ChangeStamp before, after;
  auto ids = std::make_shared<QueryResult>();
  Connection* db = connection_ ? connection_() : nullptr;
  if (!ReadStamp(&before) || !db->Query(IdsStatement(), ids.get()) || !ReadStamp(&after)) {
    if (failure_.error.isEmpty()) Fail(db);
    return false;
  }
  // Of another state than the held rows: of no use to them.
  if (before != stamp_ || after != stamp_) return false;
  idsRefused_ = !ids->IsWholeNumbers(0);
  if (!idsRefused_) ids_ = std::move(ids);
  return ids_ != nullptr;
}

QHash<QString, int> PagedQuery::RowsOf(const QSet<QString>& keys) {
  QHash<QString, int> rows;
  // False once every key is found.
  const auto look = [&](int row, const QString& key) {
    if (keys.contains(key)) rows.insert(key, row);
    return rows.size() < keys.size();
  };
  if (keys.isEmpty()) return rows;
  if (all_) {
    for (int row = 0; row < all_->rowCount(); ++row)
      if (!look(row, RowKey(*all_, row))) break;
    return rows;
  }
  for (const auto& [page, held] : pages_)
    for (int i = 0; i < held.size; ++i)
      if (!look(page * kPageRows + i, RowKey(*held.rows, held.lead + i))) return rows;
  if (!HoldIds()) return rows;
  for (int row = 0; row < ids_->rowCount(); ++row)
    if (!look(row, ids_->Text(row, 0))) break;
  return rows;
}

void PagedQuery::LetGoOfAll(int first, int last) {
  if (!all_) return;
  const int n = all_->rowCount();
  for (int page = std::max(first, 0) / kPageRows; page * kPageRows <= std::min(last, n - 1);
       ++page) {
    auto rows = std::make_shared<QueryResult>();
    rows->columns = all_->columns;
    const int end = std::min(n, (page + 1) * kPageRows);
    for (int row = page * kPageRows; row < end; ++row) rows->AppendRowOf(*all_, row);
    pages_[page] = {rows, 0, end - page * kPageRows};
  }
  all_.reset();
}

bool PagedQuery::ReadRange(int first, int last) {
  if (!Count()) return false;
  const int span = std::max(0, last - first);
  first = std::clamp(first, 0, std::max(0, count_ - 1 - span));
  last = std::min(first + span, count_ - 1);
  if (last < first) return true;
  const int firstPage = first / kPageRows, lastPage = last / kPageRows;
  auto rows = std::make_shared<QueryResult>();
  if (!ReadPages(firstPage, lastPage, rows.get())) return false;
  bool more = true;
  for (int page = firstPage, lead = page > 0 ? 1 : 0; page <= lastPage && more;
       ++page, lead += kPageRows)
    TakePage(page, {rows, lead, 0}, &more);
  return true;
}

QString PagedQuery::KeyAt(int row) const {
  int at = 0;
  const QueryResult* rows = Held(row, &at);
  return rows ? RowKey(*rows, at) : QString();
}

void PagedQuery::LetGo(int firstPage, int lastPage) {
  while (pages_.size() > kMaxPages) {
    const int low = pages_.begin()->first, high = pages_.rbegin()->first;
    if (firstPage - low >= high - lastPage && low < firstPage)
      pages_.erase(pages_.begin());
    else if (high > lastPage)
      pages_.erase(std::prev(pages_.end()));
    else
      return;
  }
}

PagedQuery::Status PagedQuery::ReadAll() {
  failure_ = {};
  if (all_) return Status::Read;
  Connection* db = connection_ ? connection_() : nullptr;
  auto rows = std::make_shared<QueryResult>();
  Connection::ChangeStamp now;
  if (!db || !db->ReadChangeStamp(&now) ||
      !db->Query(PageStatement(syntax_, query_, orderBy_, 0, -1), rows.get())) {
    Fail(db);
    return Status::Failed;
  }
  // Held rows of the same state as the rows read are the same rows.
  bool moved = false;
  if (now.Known() && now == stamp_ && !stale_) pages_.clear();
  for (const auto& [page, held] : pages_)
    for (int i = 0; i < held.size && !moved; ++i) {
      const int row = page * kPageRows + i;
      moved = row >= rows->rowCount() || RowKey(*rows, row) != RowKey(*held.rows, held.lead + i);
    }
  pages_.clear();
  all_ = std::move(rows);
  count_ = all_->rowCount();
  // The rows kept when they are let go are of this state.
  stamp_ = now;
  stale_ = false;
  return moved ? Status::Moved : Status::Read;
}

const QueryResult* PagedQuery::Held(int row, int* at) const {
  if (row < 0 || row >= count_) return nullptr;
  if (all_) {
    *at = row;
    return all_.get();
  }
  const auto it = pages_.find(row / kPageRows);
  if (it == pages_.end() || row % kPageRows >= it->second.size) return nullptr;
  *at = it->second.lead + row % kPageRows;
  return it->second.rows.get();
}

bool PagedQuery::Holds(int first, int last) const {
  if (all_) return true;
  last = std::min(last, count_ - 1);
  for (int page = std::max(first, 0) / kPageRows; page * kPageRows <= last; ++page)
    if (!pages_.count(page)) return false;
  return true;
}

int PagedQuery::HeldRows() const {
  if (all_) return all_->rowCount();
  int rows = 0;
  for (const auto& entry : pages_) rows += entry.second.size;
  return rows;
}

}  // namespace rd
