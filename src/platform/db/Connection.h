#pragma once
#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "platform/db/QueryResult.h"
#include "platform/db/SqliteStatement.h"

struct sqlite3;

namespace rd {

// The one open database: a SQLite file (the "ACCESS" type) or SQL Server
// through ODBC. Statements run one at a time; transactions nest by joining,
// so a routine that must be atomic joins the save that calls it: only the
// outermost commit commits and any rollback rolls the whole back.
// Virtual so that tests can record the statements sent to a server.
class Connection {
 public:
  // Written after the text of a literal 'null' that holds the word null, so
  // that it is not taken for the empty value; removed from every statement
  // before it runs.
  static constexpr char16_t TextMark = 0xFDD0;

  virtual ~Connection();

  // Fails (null) when the file is missing or is not a database; never
  // creates or alters the file. *code gets SQLite's primary result code of
  // the failure (SQLITE_BUSY while another program holds the file locked),
  // 0 when the file is missing.
  static std::unique_ptr<Connection> OpenSqlite(const QString& path, QString* error = nullptr,
                                                int* code = nullptr);
  // How long a SQLite connection opened later waits for another program's
  // lock before it fails with SQLITE_BUSY.
  static void SetBusyWait(int milliseconds);

  // Every SQLite read is stopped once it runs longer than the bound of its
  // kind (0: never) and fails with SQLITE_INTERRUPT and InterruptedText(),
  // having read nothing that stays. A read is a record source's unless a
  // BoundedRead names it otherwise.
  enum class ReadKind { RecordSource, Lookup };
  static void SetReadBound(ReadKind kind, int milliseconds);
  static int ReadBound(ReadKind kind);
  static bool IsInterruptedCode(int code);
  // While it lives, the reads of c are of that kind.
  class BoundedRead {
   public:
    BoundedRead(Connection* c, ReadKind kind);
    ~BoundedRead();
    BoundedRead(const BoundedRead&) = delete;
    BoundedRead& operator=(const BoundedRead&) = delete;

   private:
    Connection* c_;
    ReadKind kept_ = ReadKind::RecordSource;
  };
  static std::unique_ptr<Connection> OpenOdbc(const QString& connectionString,
                                              QString* error = nullptr);
  // A FreeTDS connection string; every value brace-quoted.
  static QString SqlServerConnectionString(const QString& server, const QString& database,
                                           const QString& user, const QString& password);

  // Runs a statement; a failure leaves the text in LastError().
  virtual bool Execute(const QString& sql, int* rowsAffected = nullptr);
  // Runs a statement with "?" placeholders bound to values.
  virtual bool ExecuteBound(const QString& sql, const QVariantList& values,
                            int* rowsAffected = nullptr);
  // Runs a statement as ExecuteBound does; inside a transaction it stays
  // prepared for further runs of the same text until the outermost
  // transaction ends.
  virtual bool ExecuteRepeated(const QString& sql, const QVariantList& values,
                               int* rowsAffected = nullptr);
  // Whether ExecuteRepeated reaches a database of this connection's own; a
  // stand-in that only records text says no, and is sent whole statements.
  virtual bool CanRepeat() const;
  // Runs a query and fetches every row. SQLite refuses a statement that
  // would write.
  virtual bool Query(const QString& sql, QueryResult* out);
  // As Query, but adds the rows to those out holds; a result of another
  // number of columns is refused. The rows read before a failure stay.
  virtual bool QueryAppend(const QString& sql, QueryResult* out);
  // The names of the columns a query returns, as typed, without reading a
  // row; what Query refuses is refused alike. A stand-in with no database
  // of its own answers with the columns of its Query.
  virtual bool QueryColumns(const QString& sql, QStringList* names);
  // What a reader compares to learn whether the database changed since it
  // last looked: SQLite's data_version (another connection committed) and
  // this connection's own change count. Unknown (Known() false) where the
  // database keeps no such counter. False, the error set, when the file
  // cannot be read (another program locks it).
  struct ChangeStamp {
    qint64 version = -1, changes = -1;
    bool Known() const { return version >= 0; }
    bool operator==(const ChangeStamp&) const = default;
  };
  virtual bool ReadChangeStamp(ChangeStamp* stamp);

  virtual bool BeginTrans();
  virtual bool CommitTrans();
  virtual void RollbackTrans();
  int TransactionDepth() const { return depth_; }
  // True inside a transaction that an inner rollback has doomed.
  bool RollbackOnly() const { return depth_ > 0 && failed_; }

  QString LastError() const { return lastError_; }
  // SQLite's primary result code of the last failure (SQLITE_BUSY,
  // SQLITE_CORRUPT, ...); 0 where the program refused the statement itself
  // or the database is reached through ODBC. A write refused because the
  // file is damaged keeps SQLITE_CORRUPT.
  int LastErrorCode() const { return lastErrorCode_; }
  // Whether a result code says another program holds the database
  // (SQLITE_BUSY or SQLITE_LOCKED).
  static bool IsBusyCode(int code);
  // Set once a statement found the file damaged (SQLITE_CORRUPT,
  // SQLITE_NOTADB). From then on every write and every transaction is
  // refused with DamagedText(), as is every read that meets the damage;
  // other reads still run.
  bool Damaged() const { return damaged_; }
  // True the first time it is asked after the damage was found: whoever
  // tells the user of it tells once.
  bool TakeDamageNotice();
  // The owner's words for the damage and for a NUL in a read.
  void SetDamagedText(const QString& text) { damagedText_ = text; }
  QString DamagedText() const { return damagedText_; }
  void SetNulText(const QString& text) { nulText_ = text; }
  // The owner's words for a write refused because the file or its folder
  // cannot be written (SQLITE_READONLY, SQLITE_CANTOPEN) or the disk is
  // full (SQLITE_FULL).
  void SetReadOnlyText(const QString& text) { readOnlyText_ = text; }
  void SetFullText(const QString& text) { fullText_ = text; }
  // The owner's words for a read stopped at its bound; @1 is the seconds.
  void SetInterruptedText(const QString& text) { interruptedText_ = text; }
  bool IsSqlite() const { return sqlite_; }
  QString FilePath() const { return filePath_; }
  // The statement as this database must see it (SQLite rewrites a few
  // forms its parser lacks).
  QString Dialect(const QString& sql) const;

 protected:
  Connection();
  void SetError(const QString& e, int code = 0) {
    lastError_ = e;
    lastErrorCode_ = code;
  }

 private:
  struct Kept;  // the statements ExecuteRepeated keeps prepared, by text
  // Sets the error with the result code SQLite holds for it.
  void SetSqliteError(const QString& e);
  // The same for a write: a file that cannot be written or a full disk
  // get the owner's words.
  void SetWriteError(const QString& e);
  // False, with DamagedText() as the error, once the file is damaged.
  bool RefuseWhenDamaged();
  bool Prepare(class QSqlQuery& q, const QString& sql);
  bool ExecuteSqlite(const QString& sql, const QVariantList& values, int* rowsAffected);
  bool ExecuteOdbc(const QString& sql, const QVariantList& values, int* rowsAffected);
  bool RepeatSqlite(const QString& sql, const QVariantList& values, int* rowsAffected);
  bool RepeatOdbc(const QString& sql, const QVariantList& values, int* rowsAffected);
  bool CheckPlaceholders(int placeholders, const QVariantList& values);
  // Reads what an executed ODBC query answered.
  bool Finish(class QSqlQuery& q, bool executed, int* rowsAffected);
  void ReleaseKept();
  // False, the error set, when the database is closed or sql holds a NUL.
  bool CanRead(const QString& sql);
  bool Read(const QString& sql, QueryResult* out);
  // SQLite's authorizer: while a read is prepared or stepped, refuses every
  // pragma but those that only report, in either form.
  static int Authorize(void* self, int action, const char* name, const char* value,
                       const char* database, const char* trigger);
  // SQLite's progress handler: stops a read past its deadline.
  static int Progress(void* self);
  int ReadBoundNow() const;
  // Marks a read under way and starts its clock.
  class ReadingScope {
   public:
    explicit ReadingScope(Connection& c);
    ~ReadingScope();

   private:
    Connection& c_;
  };
  // The error of a read: a refused pragma, a read stopped at its bound, or
  // what SQLite said.
  void SetReadError(const QString& e);
  bool QuerySqlite(const QString& sql, QueryResult* out);
  bool QueryOdbc(const QString& sql, QueryResult* out);
  // The statement of a query that only reads; null, the error set, otherwise.
  SqliteStatement PrepareQuery(const QString& sql);
  // Runs a single query forward-only; false, the error set, otherwise.
  bool ExecOdbcQuery(class QSqlQuery& q, const QString& sql);
  // Names the result's columns in an empty out; false when out has another number.
  bool TakeColumns(const QStringList& names, QueryResult* out);
  // BEGIN, COMMIT and ROLLBACK; SQLite runs them itself, never through
  // QSqlDatabase, so that both never disagree about an open transaction.
  bool Begin();
  bool Commit();
  void Rollback();
  sqlite3* handle_ = nullptr;
  QString name_;
  QSqlDatabase db_;
  bool sqlite_ = false;
  QString filePath_;
  QString lastError_;
  int lastErrorCode_ = 0;
  bool reading_ = false;
  ReadKind readKind_ = ReadKind::RecordSource;
  QDeadlineTimer deadline_;
  bool pragmaRefused_ = false;
  bool damaged_ = false;
  bool damageTold_ = false;
  QString damagedText_ = QStringLiteral("The database file is damaged.");
  QString nulText_ = QStringLiteral("A value holds the character NUL.");
  QString readOnlyText_ = QStringLiteral("The database file cannot be written.");
  QString fullText_ = QStringLiteral("The disk is full.");
  QString interruptedText_ = QStringLiteral("The read took longer than @1 seconds and was stopped.");
  int depth_ = 0;
  bool failed_ = false;
  std::unique_ptr<Kept> kept_;
};

// Joins or starts a transaction; rolls back unless Commit() succeeded.
class Transaction {
 public:
  explicit Transaction(Connection& c) : c_(c) { ok_ = c_.BeginTrans(); }
  ~Transaction() {
    if (!done_) c_.RollbackTrans();
  }
  bool Started() const { return ok_; }
  bool Commit() {
    done_ = true;
    return c_.CommitTrans();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

 private:
  Connection& c_;
  bool ok_ = false;
  bool done_ = false;
};

}  // namespace rd
