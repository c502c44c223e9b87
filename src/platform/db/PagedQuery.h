#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

#include "platform/db/QueryResult.h"

namespace rd {

class Connection;

// The rows of a query read a page at a time, only the pages asked for. The
// number of rows comes from a count query. Every read is a statement of its
// own, finished before the call returns, so no read stays open between two
// calls and a save never meets one.
//
// A page is read with one row more at each end; where a neighbouring page
// is held, that row must be the neighbour's row at the seam (the same ID),
// or other users' inserts and deletes have moved the rows: everything is
// then read again from the start, and the read says so. Held pages thus
// never leave a record out or show one twice. Pages far from the last rows
// asked for are let go; a page read past the end corrects the count.
class PagedQuery {
 public:
  // SQLite's LIMIT ... OFFSET, or the server's OFFSET ... FETCH.
  enum class Syntax { Limit, OffsetFetch };
  // Asked at every read, so that a reconnect never leaves a dangling connection.
  using ConnectionSource = std::function<Connection*()>;
  // What a read did: the rows asked for are held (Read), or held after the
  // rows moved and were read again from the start (Moved), or a statement
  // failed and every row held before stays as it was (Failed).
  enum class Status { Read, Moved, Failed };
  // Why a read failed: the database's error and SQLite's result code.
  struct Failure {
    QString error;
    int code = 0;
    // Another user holds the database.
    bool Busy() const;
  };

  // Reads the first page of query (a select with its condition, no order)
  // in orderBy ("" or an ORDER BY clause) and counts its rows; null, with
  // *failure, when either fails.
  static std::shared_ptr<PagedQuery> Open(ConnectionSource connection, Syntax syntax,
                                          const QString& query, const QString& orderBy,
                                          Failure* failure);
  // The same rows in the order of a result column (0-based), then by the
  // ID column; counted anew. Null, with *failure, when it fails; *failure
  // stays empty when the query cannot be ordered by that column.
  std::shared_ptr<PagedQuery> Sorted(int column, bool descending, Failure* failure) const;

  // The statements sent for a count and for rows [offset, offset + limit),
  // limit -1 meaning all the rest.
  static QString CountStatement(Syntax syntax, const QString& query, int columns);
  static QString PageStatement(Syntax syntax, const QString& query, const QString& orderBy,
                               int offset, int limit);
  // The query with its columns named c1, c2, ... and the ORDER BY of a
  // result column (1-based): on SQLite empty (NULL or '') first, then
  // numbers by value, then texts as NOCASE compares them, then the ID
  // column unless it is 0 or the same; on the server by its own order.
  static QString SortedQuery(Syntax syntax, const QString& query, int columns);
  static QString OrderByColumn(Syntax syntax, int column, bool descending, int idColumn);

  int RowCount() const { return count_; }
  const QStringList& Columns() const { return columns_; }
  // The result holding row (0-based) and the row's index in it; null when
  // the row is not held.
  const QueryResult* Held(int row, int* at) const;
  // Whether every row of [first, last] within the count is held.
  bool Holds(int first, int last) const;
  // Reads the pages of rows [first, last] that are not held.
  Status Reach(int first, int last);
  // Reads every row in one statement; they replace the pages.
  Status ReadAll();
  // Every row, once ReadAll succeeded; null before.
  std::shared_ptr<const QueryResult> AllRows() const { return all_; }
  // The number of rows kept in memory.
  int HeldRows() const;
  const Failure& LastFailure() const { return failure_; }

 private:
  // A page's rows as read, after its leading seam row (lead 1) or not
  // (lead 0, the first page); size rows of them belong to the page.
  struct Page {
    std::shared_ptr<const QueryResult> rows;
    int lead = 0, size = 0;
  };
  PagedQuery() = default;
  // The same query with no row read.
  PagedQuery Unread() const;
  // Reads the first page and counts the rows; false when either fails.
  bool ReadFirstPage();
  // Pages [firstPage, lastPage] read in one statement with a seam row at
  // each end; false when it fails.
  bool ReadPages(int firstPage, int lastPage, QueryResult* rows);
  // Takes a page from rows read, its first row at read.lead; false when
  // the seam rows disagree with a held neighbour. *more tells whether a row
  // follows the page.
  bool TakePage(int page, const Page& read, bool* more);
  bool Count();
  Status Restart(int first, int last);
  void LetGo(int firstPage, int lastPage);
  QString RowKey(const QueryResult& rows, int row) const;
  bool Fail(Connection* db);

  ConnectionSource connection_;
  Syntax syntax_ = Syntax::Limit;
  QString query_, orderBy_;
  QStringList columns_;
  int idColumn_ = -1;
  int count_ = 0;
  std::map<int, Page> pages_;
  std::shared_ptr<const QueryResult> all_;
  Failure failure_;
};

}  // namespace rd
