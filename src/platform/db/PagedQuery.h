#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/QueryResult.h"

namespace rd {

// The rows of a query read a page at a time, only the pages asked for. The
// number of rows comes from a count query. Every read is a statement of its
// own, finished before the call returns, so no read stays open between two
// calls and a save never meets one.
//
// A sorted copy reads its first page by ORDER BY ... LIMIT; once a page
// beyond is asked for, it reads the IDs of the whole order in one
// statement and every page from then on by its IDs, so that a sort costs
// one sort, not one per page.
//
// All rows held come from one state of the database. On SQLite the
// connection's change stamp is read before and after every read; when it
// moved since the held rows were read, every held row is let go, the rows
// are counted again and the rows in view read again in one statement, and
// the read says so where those rows are other records now. Where the
// database keeps no such stamp (the server), a page is read with one row
// more at each end, and where a neighbouring page is held that row must be
// the neighbour's row at the seam (the same ID), or the rows moved and are
// read again alike. Pages far from the last rows asked for are let go; a
// page read past the end corrects the count.
class PagedQuery {
 public:
  // SQLite's LIMIT ... OFFSET, or the server's OFFSET ... FETCH.
  enum class Syntax { Limit, OffsetFetch };
  // Asked at every read, so that a reconnect never leaves a dangling connection.
  using ConnectionSource = std::function<Connection*()>;
  // What a read did: the rows asked for are held (Read), or held after the
  // rows moved and were read again (Moved), or a statement failed and every
  // row held before stays as it was (Failed), or the database changed since
  // the held rows were read and nothing new is taken (Stale: ReadAgain).
  enum class Status { Read, Moved, Failed, Stale };
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
  static QString SortedQuery(Syntax syntax, const QString& query, int columns,
                             const QString& select = QStringLiteral("*"));
  static QString OrderByColumn(Syntax syntax, int column, bool descending, int idColumn);

  int RowCount() const { return count_; }
  const QStringList& Columns() const { return columns_; }
  // The result holding row (0-based) and the row's index in it; null when
  // the row is not held.
  const QueryResult* Held(int row, int* at) const;
  // Whether every row of [first, last] within the count is held.
  bool Holds(int first, int last) const;
  // Reads the pages of rows [first, last] that are not held; Stale, with
  // nothing taken, once the database changed since the held rows were read.
  Status Reach(int first, int last);
  // Whether the database is as it was when the held rows were read (one
  // cheap look); false, with LastFailure(), when that cannot be read.
  bool IsCurrent(bool* current);
  // The same query counted again, with rows [first, last] (or as many of
  // the last rows, where fewer are left) read in one statement; *moved
  // tells whether a row held there is another record now. Null, with
  // *failure, when a read fails.
  std::shared_ptr<PagedQuery> ReadAgain(int first, int last, bool* moved,
                                        Failure* failure) const;
  // The key of a held row (its ID, or all its texts where there is no ID
  // column); empty when the row is not held.
  QString KeyAt(int row) const;
  // The rows holding the records of keys (see KeyAt): among the rows held,
  // else, on SQLite, among the IDs of the whole order, read once in the
  // state of the held rows. A key not found has no row.
  QHash<QString, int> RowsOf(const QSet<QString>& keys);
  // Reads every row in one statement; they replace the pages.
  Status ReadAll();
  // After ReadAll: keeps the pages of rows [first, last] only.
  void LetGoOfAll(int first, int last);
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
  // Whether pages from firstPage on are read by their IDs in the sorted
  // order: a sorted copy on SQLite, past its first page or once the IDs
  // are held.
  bool ReadsById(int firstPage) const;
  // Rows [offset, offset + limit) read by their IDs, the order's IDs read
  // first where they are not held; *read false, with nothing taken, where
  // the rows cannot be read so (an ID not a whole number, or of two rows).
  bool ReadById(int offset, int limit, QueryResult* rows, bool* read);
  // The IDs of the whole order, in it.
  QString IdsStatement() const;
  // Reads the order's IDs where they are not held, in the state of the held
  // rows; false where they cannot be (no ID column, not SQLite, not whole
  // numbers, another state), with LastFailure() where a read failed.
  bool HoldIds();
  // Reads the pages of rows [first, last] that are not held; Stale when a
  // seam row disagrees with a held neighbour. *taken gets the pages taken.
  Status ReadMissing(int first, int last, std::vector<int>* taken);
  // Counts and reads rows [first, last] into a query holding none.
  bool ReadRange(int first, int last);
  bool ReadStamp(Connection::ChangeStamp* stamp);
  // Takes a page from rows read, its first row at read.lead; false when
  // the seam rows disagree with a held neighbour. *more tells whether a row
  // follows the page.
  bool TakePage(int page, const Page& read, bool* more);
  bool Count();
  void LetGo(int firstPage, int lastPage);
  QString RowKey(const QueryResult& rows, int row) const;
  bool Fail(Connection* db);

  ConnectionSource connection_;
  Syntax syntax_ = Syntax::Limit;
  QString query_, orderBy_;
  // Of a sorted copy: the query it orders.
  QString unsorted_;
  // The order's IDs, 8 bytes a row: of a sorted copy once a page past the
  // first was asked for (one sort for the whole order), of any query once
  // a record not held was looked for. idsRefused_ once they proved unfit.
  std::shared_ptr<const QueryResult> ids_;
  bool idsRefused_ = false;
  QStringList columns_;
  int idColumn_ = -1;
  int count_ = 0;
  std::map<int, Page> pages_;
  std::shared_ptr<const QueryResult> all_;
  Failure failure_;
  // The database's state the held rows were read in; stale_ when a read
  // may have met another.
  Connection::ChangeStamp stamp_;
  bool stale_ = false;
};

}  // namespace rd
