#include "platform/db/PagedQuery.h"

#include <algorithm>

#include "platform/db/Connection.h"

namespace rd {

namespace {
constexpr int kPageRows = 100;
}  // namespace

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

QString PagedQuery::OrderByColumn(Syntax syntax, int column, bool descending, int idColumn) {
  // SQLite compares texts by the column's collation; the server by its own,
  // which ignores case.
  QString order = QStringLiteral("ORDER BY %1").arg(column);
  if (syntax == Syntax::Limit) order += QStringLiteral(" COLLATE NOCASE");
  if (descending) order += QStringLiteral(" DESC");
  if (idColumn > 0 && idColumn != column) order += QStringLiteral(", %1").arg(idColumn);
  return order;
}

std::shared_ptr<PagedQuery> PagedQuery::Open(ConnectionSource connection, Syntax syntax,
                                             const QString& query, const QString& orderBy,
                                             QString* error) {
  Connection* db = connection ? connection() : nullptr;
  if (!db) {
    *error = QStringLiteral("The connection is closed.");
    return nullptr;
  }
  std::shared_ptr<PagedQuery> paged(new PagedQuery);
  paged->connection_ = std::move(connection);
  paged->syntax_ = syntax;
  paged->query_ = query;
  paged->orderBy_ = orderBy;
  // The first page names the columns, even of an empty result.
  if (!paged->ReadMore(kPageRows)) {
    *error = paged->error_;
    return nullptr;
  }
  QueryResult counted;
  const int columns = int(paged->rows_->columns.size());
  if (!db->Query(CountStatement(syntax, query, columns), &counted) || counted.rowCount() != 1) {
    *error = db->LastError();
    return nullptr;
  }
  paged->count_ = std::max(0, counted.Cell(0, 0).toInt());
  return paged;
}

std::shared_ptr<PagedQuery> PagedQuery::Sorted(int column, bool descending,
                                               QString* error) const {
  int idColumn = 0;
  for (int i = 0; i < rows_->columns.size() && idColumn == 0; ++i)
    if (rows_->columns[i].compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) idColumn = i + 1;
  std::shared_ptr<PagedQuery> sorted(new PagedQuery);
  sorted->connection_ = connection_;
  sorted->syntax_ = syntax_;
  sorted->query_ = query_;
  sorted->orderBy_ = OrderByColumn(syntax_, column + 1, descending, idColumn);
  sorted->count_ = count_;
  if (!sorted->ReadMore(kPageRows)) {
    *error = sorted->error_;
    return nullptr;
  }
  return sorted;
}

bool PagedQuery::ReadMore(int limit) {
  Connection* db = connection_();
  if (!db) {
    error_ = QStringLiteral("The connection is closed.");
  } else {
    const int before = Read();
    const bool read =
        db->QueryAppend(PageStatement(syntax_, query_, orderBy_, before, limit), rows_.get());
    if (read) {
      if (limit >= 0 && Read() - before < limit) ended_ = true;
      return true;
    }
    error_ = db->LastError();
  }
  ended_ = true;
  return false;
}

bool PagedQuery::Reach(int row) {
  if (row < Read()) return true;
  if (ended_ || row < 0) return false;
  // Pages grow with what has been read, so that reading on to any row costs
  // a handful of statements.
  const int wanted = row + 1 - Read() + std::max(kPageRows, Read() / 2);
  return ReadMore(wanted) && row < Read();
}

bool PagedQuery::ReadAll() {
  if (!ended_ && ReadMore(-1)) ended_ = true;
  return error_.isEmpty();
}

}  // namespace rd
