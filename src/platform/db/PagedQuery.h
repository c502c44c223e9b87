#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "platform/db/QueryResult.h"

namespace rd {

class Connection;

// The rows of a query read as they are asked for. The number of rows comes
// from a count query; the rows are read in order from the first, each read
// a statement of its own that is finished before the call returns, so no
// read stays open between two calls and a save never meets one. What has
// been read is kept until the object goes; a read after another user's
// change sees the database as it is then.
class PagedQuery {
 public:
  // SQLite's LIMIT ... OFFSET, or the server's OFFSET ... FETCH.
  enum class Syntax { Limit, OffsetFetch };
  // Asked at every read, so that a reconnect never leaves a dangling connection.
  using ConnectionSource = std::function<Connection*()>;

  // Reads the first page of query (a select with its condition, no order)
  // in orderBy ("" or an ORDER BY clause) and counts its rows; null, with
  // *error, when either fails.
  static std::shared_ptr<PagedQuery> Open(ConnectionSource connection, Syntax syntax,
                                          const QString& query, const QString& orderBy,
                                          QString* error);
  // The same rows ordered by a result column (0-based), then by the ID
  // column; texts compared without regard to case. Counted once: the new
  // query keeps this one's row count. Null, with *error, when it fails.
  std::shared_ptr<PagedQuery> Sorted(int column, bool descending, QString* error) const;

  // The statements sent for a count and for rows [offset, offset + limit),
  // limit -1 meaning all the rest.
  static QString CountStatement(Syntax syntax, const QString& query, int columns);
  static QString PageStatement(Syntax syntax, const QString& query, const QString& orderBy,
                               int offset, int limit);
  // ORDER BY a result column (1-based), then by the ID column unless it is 0
  // or the same.
  static QString OrderByColumn(Syntax syntax, int column, bool descending, int idColumn);

  int RowCount() const { return count_; }
  // The rows read so far; the same object grows as more are read.
  std::shared_ptr<const QueryResult> Rows() const { return rows_; }
  // Reads on to include row (0-based), a page or more at a time; false when
  // the row is beyond the rows there are or a read failed. A failed or
  // short read ends the reading: later calls return at once.
  bool Reach(int row);
  // Reads every row not yet read.
  bool ReadAll();
  QString LastError() const { return error_; }

 private:
  PagedQuery() = default;
  // Reads up to limit more rows (-1: all); false on a failed read.
  bool ReadMore(int limit);
  int Read() const { return rows_->rowCount(); }

  ConnectionSource connection_;
  Syntax syntax_ = Syntax::Limit;
  QString query_, orderBy_;
  int count_ = 0;
  std::shared_ptr<QueryResult> rows_ = std::make_shared<QueryResult>();
  bool ended_ = false;
  QString error_;
};

}  // namespace rd
