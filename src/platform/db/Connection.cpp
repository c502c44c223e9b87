#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <unordered_map>

#include "platform/db/QueryGuard.h"
#include "platform/db/SqliteDialect.h"
#include "platform/db/SqliteStatement.h"

namespace rd {
namespace {

QString newConnectionName() {
  static QAtomicInt counter;
  return QStringLiteral("rd_connection_%1").arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError& e) {
  QString t = e.databaseText().trimmed();
  if (t.isEmpty()) t = e.text().trimmed();
  return t;
}

QString braced(const QString& v) {
  QString t = v;
  t.replace("}", "}}");
  return "{" + t + "}";
}

const QString kOnlyQueries = QStringLiteral("Only queries can be read into a recordset.");

QStringList columnNames(sqlite3_stmt* stmt) {
  QStringList names;
  for (int i = 0; i < sqlite3_column_count(stmt); ++i)
    names << QString::fromUtf8(sqlite3_column_name(stmt, i));
  return names;
}

QStringList fieldNames(const QSqlRecord& record) {
  QStringList names;
  for (int i = 0; i < record.count(); ++i) names << record.fieldName(i);
  return names;
}

// Kept statements are dropped all at once past this many distinct texts.
constexpr size_t kMaxKept = 64;

// Pragmas a read may run: those that only report. The first take a table
// or index name as their argument; the others set a value when given one.
const QStringList kNamedReadingPragmas = {"table_info", "table_xinfo", "index_list",
                                          "index_info", "index_xinfo", "foreign_key_list"};
const QStringList kBareReadingPragmas = {"page_count",     "page_size",      "user_version",
                                         "encoding",       "freelist_count", "schema_version",
                                         "application_id", "data_version"};

bool isReadingPragma(const char* name, const char* value) {
  const QString pragma = QString::fromUtf8(name).toLower();
  return kNamedReadingPragmas.contains(pragma) || (!value && kBareReadingPragmas.contains(pragma));
}

// A table-valued pragma ("select * from pragma_optimize") reaches the
// authorizer as a read of a table of that name; its own PRAGMA is prepared
// only when the read is stepped, and is checked then as well.
bool isRefusedPragmaTable(const char* table) {
  static const QLatin1String prefix("pragma_");
  const QString name = QString::fromUtf8(table).toLower();
  if (!name.startsWith(prefix)) return false;
  const QString pragma = name.mid(prefix.size());
  return !kNamedReadingPragmas.contains(pragma) && !kBareReadingPragmas.contains(pragma);
}

// Virtual-machine steps between two looks at a read's deadline.
constexpr int kStepsPerLook = 1000;

int& readBound(Connection::ReadKind kind) {
  static int lookup = 10000;
  static int recordSource = 60000;
  return kind == Connection::ReadKind::Lookup ? lookup : recordSource;
}

int& busyWait() {
  static int milliseconds = 5000;
  return milliseconds;
}

struct KeptQuery {
  QSqlQuery query;
  int placeholders;
};

// Statements by their text. The one used last is found again by comparing
// the text alone, so that a statement run line after line is not hashed
// for every line.
template <class Statement>
class KeptByText {
 public:
  Statement* Find(const QString& sql) {
    if (last_ && *lastText_ == sql) return last_;
    auto it = byText_.find(sql);
    return it == byText_.end() ? nullptr : Remember(*it);
  }
  Statement* Add(const QString& sql, Statement statement) {
    if (byText_.size() >= kMaxKept) Clear();
    return Remember(*byText_.emplace(sql, std::move(statement)).first);
  }
  void Clear() {
    last_ = nullptr;
    lastText_ = nullptr;
    byText_.clear();
  }

 private:
  // Elements stay where they are when the map grows.
  Statement* Remember(std::pair<const QString, Statement>& entry) {
    lastText_ = &entry.first;
    return last_ = &entry.second;
  }

  std::unordered_map<QString, Statement> byText_;
  const QString* lastText_ = nullptr;
  Statement* last_ = nullptr;
};

}  // namespace

struct Connection::Kept {
  KeptByText<SqliteStatement> sqlite;
  KeptByText<KeptQuery> odbc;
};

Connection::Connection() : kept_(std::make_unique<Kept>()) {}

Connection::~Connection() {
  ReleaseKept();
  if (!name_.isEmpty()) {
    if (depth_ > 0) Rollback();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
  }
}

void Connection::SetBusyWait(int milliseconds) { busyWait() = milliseconds; }

void Connection::SetReadBound(ReadKind kind, int milliseconds) {
  readBound(kind) = milliseconds;
}

int Connection::ReadBound(ReadKind kind) { return readBound(kind); }

int Connection::ReadBoundNow() const { return readBound(readKind_); }

Connection::BoundedRead::BoundedRead(Connection* c, ReadKind kind) : c_(c) {
  if (!c_) return;
  kept_ = c_->readKind_;
  c_->readKind_ = kind;
}

Connection::BoundedRead::~BoundedRead() {
  if (c_) c_->readKind_ = kept_;
}

bool Connection::IsInterruptedCode(int code) { return code == SQLITE_INTERRUPT; }

std::unique_ptr<Connection> Connection::OpenSqlite(const QString& path, QString* error,
                                                   int* code) {
  if (code) *code = 0;
  QFileInfo info(path);
  if (!info.isFile()) {
    if (error) *error = QStringLiteral("The database file does not exist: %1").arg(path);
    return nullptr;
  }
  std::unique_ptr<Connection> c(new Connection);
  c->name_ = newConnectionName();
  c->sqlite_ = true;
  c->filePath_ = info.absoluteFilePath();
  c->db_ = QSqlDatabase::addDatabase("QSQLITE", c->name_);
  c->db_.setDatabaseName(c->filePath_);
  c->db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyWait()));
  if (!c->db_.open()) {
    if (error) *error = errorText(c->db_.lastError());
    return nullptr;
  }
  QVariant handle = c->db_.driver()->handle();
  c->handle_ = *static_cast<sqlite3* const*>(handle.data());
  if (!c->handle_) {
    if (error) *error = QStringLiteral("The database cannot be opened: %1").arg(path);
    return nullptr;
  }
  SqliteDialect::RegisterFunctions(c->handle_);
  // A sort of the whole list (a caption sort) may share its work among
  // helper threads; it changes no result.
  sqlite3_exec(c->handle_, "PRAGMA threads = 4", nullptr, nullptr, nullptr);
  sqlite3_set_authorizer(c->handle_, &Connection::Authorize, c.get());
  sqlite3_progress_handler(c->handle_, kStepsPerLook, &Connection::Progress, c.get());
  QueryResult probe;
  if (!c->Query("select count(*) from sqlite_master", &probe)) {
    if (error) *error = c->LastError();
    if (code) *code = c->LastErrorCode();
    return nullptr;
  }
  return c;
}

std::unique_ptr<Connection> Connection::OpenOdbc(const QString& connectionString,
                                                 QString* error) {
  std::unique_ptr<Connection> c(new Connection);
  c->name_ = newConnectionName();
  c->db_ = QSqlDatabase::addDatabase("QODBC", c->name_);
  c->db_.setDatabaseName(connectionString);
  if (!c->db_.open()) {
    if (error) *error = errorText(c->db_.lastError());
    return nullptr;
  }
  return c;
}

QString Connection::SqlServerConnectionString(const QString& server, const QString& database,
                                              const QString& user, const QString& password) {
  return QStringLiteral("DRIVER={FreeTDS};SERVER=%1;DATABASE=%2;UID=%3;PWD=%4;"
                        "TDS_Version=7.4;ClientCharset=UTF-8")
      .arg(braced(server), braced(database), braced(user), braced(password));
}

QString Connection::Dialect(const QString& sql) const {
  const QString plain = sql.contains(QChar(TextMark)) ? QString(sql).remove(QChar(TextMark)) : sql;
  return sqlite_ ? SqliteDialect::Translate(plain) : plain;
}

bool Connection::IsBusyCode(int code) { return code == SQLITE_BUSY || code == SQLITE_LOCKED; }

void Connection::SetSqliteError(const QString& e) {
  const int code = sqlite3_errcode(handle_) & 0xff;
  if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
    damaged_ = true;
    SetError(damagedText_, code);
    return;
  }
  SetError(e, code);
}

void Connection::SetWriteError(const QString& e) {
  const int code = sqlite3_errcode(handle_) & 0xff;
  if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN)
    SetError(readOnlyText_, code);
  else if (code == SQLITE_FULL)
    SetError(fullText_, code);
  else
    SetSqliteError(e);
}

int Connection::Authorize(void* self, int action, const char* name, const char* value,
                          const char*, const char*) {
  auto* c = static_cast<Connection*>(self);
  if (!c->reading_) return SQLITE_OK;
  const bool refused = (action == SQLITE_PRAGMA && !isReadingPragma(name, value)) ||
                       (action == SQLITE_READ && isRefusedPragmaTable(name));
  if (!refused) return SQLITE_OK;
  c->pragmaRefused_ = true;
  return SQLITE_DENY;
}

int Connection::Progress(void* self) {
  auto* c = static_cast<Connection*>(self);
  return c->reading_ && c->deadline_.hasExpired() ? 1 : 0;
}

Connection::ReadingScope::ReadingScope(Connection& c) : c_(c) {
  c_.reading_ = true;
  c_.pragmaRefused_ = false;
  const int bound = c_.ReadBoundNow();
  c_.deadline_ = bound > 0 ? QDeadlineTimer(bound) : QDeadlineTimer(QDeadlineTimer::Forever);
}

Connection::ReadingScope::~ReadingScope() { c_.reading_ = false; }

void Connection::SetReadError(const QString& e) {
  if (pragmaRefused_) {
    SetError(kOnlyQueries);
    return;
  }
  if ((sqlite3_errcode(handle_) & 0xff) == SQLITE_INTERRUPT) {
    const int bound = ReadBoundNow();
    SetError(QString(interruptedText_).replace("@1", QString::number((bound + 999) / 1000)),
             SQLITE_INTERRUPT);
    return;
  }
  SetSqliteError(e);
}

bool Connection::TakeDamageNotice() {
  if (!damaged_ || damageTold_) return false;
  damageTold_ = true;
  return true;
}

bool Connection::RefuseWhenDamaged() {
  if (!damaged_) return false;
  SetError(damagedText_, SQLITE_CORRUPT);
  return true;
}

bool Connection::Prepare(QSqlQuery& q, const QString& sql) {
  q.setForwardOnly(true);
  if (!q.prepare(Dialect(sql))) {
    SetError(errorText(q.lastError()));
    return false;
  }
  return true;
}

bool Connection::Execute(const QString& sql, int* rowsAffected) {
  return ExecuteBound(sql, {}, rowsAffected);
}

bool Connection::ExecuteBound(const QString& sql, const QVariantList& values,
                              int* rowsAffected) {
  if (!db_.isOpen()) {
    SetError(QStringLiteral("The connection is closed."));
    return false;
  }
  if (RefuseWhenDamaged()) {
    if (depth_ > 0) failed_ = true;
    return false;
  }
  const bool ok = sqlite_ ? ExecuteSqlite(sql, values, rowsAffected)
                          : ExecuteOdbc(sql, values, rowsAffected);
  if (!ok && depth_ > 0) failed_ = true;
  return ok;
}

bool Connection::ExecuteSqlite(const QString& sql, const QVariantList& values,
                               int* rowsAffected) {
  QString error;
  SqliteStatement stmt = PrepareSqlite(handle_, Dialect(sql), &error);
  if (!stmt || !RunSqlite(handle_, stmt.get(), values, rowsAffected, &error)) {
    SetWriteError(error);
    return false;
  }
  return true;
}

bool Connection::ExecuteOdbc(const QString& sql, const QVariantList& values, int* rowsAffected) {
  const int placeholders = PlaceholderCount(sql);
  if (!CheckPlaceholders(placeholders, values)) return false;
  QSqlQuery q(db_);
  bool ok;
  if (values.isEmpty()) {
    q.setForwardOnly(true);
    ok = q.exec(Dialect(sql));
  } else {
    ok = Prepare(q, sql);
    if (!ok) return false;
    for (const QVariant& v : values) q.addBindValue(v);
    ok = q.exec();
  }
  return Finish(q, ok, rowsAffected);
}

bool Connection::CheckPlaceholders(int placeholders, const QVariantList& values) {
  // What the SQLite path knows from its prepared statement, checked on the text.
  if (placeholders < 0) {
    SetError(QStringLiteral("The statement is empty."));
    return false;
  }
  if (placeholders != values.size()) {
    SetError(QStringLiteral("Parameter count mismatch"));
    return false;
  }
  return true;
}

bool Connection::Finish(QSqlQuery& q, bool executed, int* rowsAffected) {
  if (!executed) {
    SetError(errorText(q.lastError()));
    return false;
  }
  if (rowsAffected) *rowsAffected = q.numRowsAffected();
  // Statements such as BACKUP answer with several result sets through ODBC;
  // all of them must be read before the statement is done.
  while (q.nextResult()) {
  }
  return true;
}

bool Connection::CanRepeat() const { return db_.isOpen(); }

bool Connection::ExecuteRepeated(const QString& sql, const QVariantList& values,
                                 int* rowsAffected) {
  if (depth_ == 0 || !db_.isOpen() || damaged_) return ExecuteBound(sql, values, rowsAffected);
  const bool ok = sqlite_ ? RepeatSqlite(sql, values, rowsAffected)
                          : RepeatOdbc(sql, values, rowsAffected);
  if (!ok) failed_ = true;
  return ok;
}

bool Connection::RepeatSqlite(const QString& sql, const QVariantList& values, int* rowsAffected) {
  QString error;
  SqliteStatement* kept = kept_->sqlite.Find(sql);
  if (!kept) {
    SqliteStatement stmt = PrepareSqlite(handle_, Dialect(sql), &error);
    if (!stmt) {
      SetSqliteError(error);
      return false;
    }
    kept = kept_->sqlite.Add(sql, std::move(stmt));
  }
  if (RunSqlite(handle_, kept->get(), values, rowsAffected, &error)) return true;
  SetWriteError(error);
  return false;
}

bool Connection::RepeatOdbc(const QString& sql, const QVariantList& values, int* rowsAffected) {
  KeptQuery* kept = kept_->odbc.Find(sql);
  if (!kept) {
    const int placeholders = PlaceholderCount(sql);
    if (!CheckPlaceholders(placeholders, values)) return false;
    KeptQuery fresh{QSqlQuery(db_), placeholders};
    if (!Prepare(fresh.query, sql)) return false;
    kept = kept_->odbc.Add(sql, std::move(fresh));
  }
  if (!CheckPlaceholders(kept->placeholders, values)) return false;
  for (int i = 0; i < values.size(); ++i) kept->query.bindValue(i, values[i]);
  return Finish(kept->query, kept->query.exec(), rowsAffected);
}

void Connection::ReleaseKept() {
  kept_->sqlite.Clear();
  kept_->odbc.Clear();
}

bool Connection::Query(const QString& sql, QueryResult* out) {
  out->Clear();
  if (Read(sql, out)) return true;
  out->Clear();
  return false;
}

bool Connection::QueryAppend(const QString& sql, QueryResult* out) { return Read(sql, out); }

bool Connection::QueryColumns(const QString& sql, QStringList* names) {
  names->clear();
  if (!db_.isOpen()) {  // a stand-in answers through its own Query
    QueryResult r;
    if (!Query(sql, &r)) return false;
    *names = r.columns;
    return true;
  }
  if (!CanRead(sql)) return false;
  if (sqlite_) {
    SqliteStatement stmt = PrepareQuery(sql);
    if (!stmt) return false;
    *names = columnNames(stmt.get());
    return true;
  }
  QSqlQuery q(db_);
  if (!ExecOdbcQuery(q, sql)) return false;
  *names = fieldNames(q.record());
  q.finish();  // closes the cursor unread
  return true;
}

bool Connection::ReadChangeStamp(ChangeStamp* stamp) {
  *stamp = {};
  if (!sqlite_ || !db_.isOpen()) return true;
  QString error;
  SqliteStatement stmt = PrepareSqlite(handle_, QStringLiteral("PRAGMA data_version"), &error);
  if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
    SetSqliteError(stmt ? QString::fromUtf8(sqlite3_errmsg(handle_)) : error);
    return false;
  }
  stamp->version = sqlite3_column_int64(stmt.get(), 0);
  stamp->changes = sqlite3_total_changes64(handle_);
  return true;
}

bool Connection::CanRead(const QString& sql) {
  if (!db_.isOpen()) {
    SetError(QStringLiteral("The connection is closed."));
    return false;
  }
  if (sql.contains(QChar(0))) {
    SetError(nulText_);
    return false;
  }
  return true;
}

bool Connection::Read(const QString& sql, QueryResult* out) {
  if (!CanRead(sql)) return false;
  return sqlite_ ? QuerySqlite(sql, out) : QueryOdbc(sql, out);
}

bool Connection::TakeColumns(const QStringList& names, QueryResult* out) {
  if (out->columns.isEmpty()) {
    out->columns = names;
    return true;
  }
  if (out->columns.size() == names.size()) return true;
  SetError(QStringLiteral("The query no longer has the columns it had."));
  return false;
}

SqliteStatement Connection::PrepareQuery(const QString& sql) {
  QString error;
  SqliteStatement stmt;
  {
    ReadingScope reading(*this);
    stmt = PrepareSqlite(handle_, Dialect(sql), &error);
    if (pragmaRefused_ || !stmt) {
      SetReadError(error);
      return nullptr;
    }
  }
  // A read never writes, whatever text reaches it; attaching a file counts
  // as a write, and so does anything that returns no columns.
  if (!sqlite3_stmt_readonly(stmt.get()) || sqlite3_column_count(stmt.get()) == 0) {
    SetError(kOnlyQueries);
    return nullptr;
  }
  return stmt;
}

bool Connection::QuerySqlite(const QString& sql, QueryResult* out) {
  SqliteStatement stmt = PrepareQuery(sql);
  if (!stmt) return false;
  const int n = sqlite3_column_count(stmt.get());
  if (!TakeColumns(columnNames(stmt.get()), out)) return false;
  std::vector<QueryColumn*> columns;
  for (int i = 0; i < n; ++i) columns.push_back(&out->Column(i));
  ReadingScope reading(*this);
  int rc;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    for (int i = 0; i < n; ++i) {
      QueryColumn& column = *columns[size_t(i)];
      switch (sqlite3_column_type(stmt.get(), i)) {
        case SQLITE_INTEGER:
          column.AppendInteger(sqlite3_column_int64(stmt.get(), i));
          break;
        case SQLITE_FLOAT:
          column.AppendReal(sqlite3_column_double(stmt.get(), i));
          break;
        case SQLITE_TEXT: {
          const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), i));
          column.AppendText(utf8, sqlite3_column_bytes(stmt.get(), i));
          break;
        }
        case SQLITE_BLOB: {
          const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt.get(), i));
          column.AppendBlob(data, sqlite3_column_bytes(stmt.get(), i));
          break;
        }
        default:
          column.AppendNull();
      }
    }
    out->EndRow();
  }
  if (rc != SQLITE_DONE) {
    SetReadError(QString::fromUtf8(sqlite3_errmsg(handle_)));
    return false;
  }
  return true;
}

bool Connection::ExecOdbcQuery(QSqlQuery& q, const QString& sql) {
  if (!IsSingleQuery(sql)) {
    SetError(kOnlyQueries);
    return false;
  }
  q.setForwardOnly(true);
  if (q.exec(Dialect(sql))) return true;
  SetError(errorText(q.lastError()));
  return false;
}

bool Connection::QueryOdbc(const QString& sql, QueryResult* out) {
  QSqlQuery q(db_);
  if (!ExecOdbcQuery(q, sql)) return false;
  const int n = q.record().count();
  if (!TakeColumns(fieldNames(q.record()), out)) return false;
  while (q.next()) {
    for (int i = 0; i < n; ++i) out->Column(i).Append(q.value(i));
    out->EndRow();
  }
  if (q.lastError().isValid()) {
    SetError(errorText(q.lastError()));
    return false;
  }
  return true;
}

bool Connection::Begin() {
  if (sqlite_) {
    if (sqlite3_exec(handle_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    SetWriteError(QString::fromUtf8(sqlite3_errmsg(handle_)));
    return false;
  }
  if (db_.transaction()) return true;
  SetError(errorText(db_.lastError()));
  return false;
}

bool Connection::Commit() {
  if (sqlite_) {
    if (sqlite3_exec(handle_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    SetWriteError(QString::fromUtf8(sqlite3_errmsg(handle_)));
    return false;
  }
  if (db_.commit()) return true;
  SetError(errorText(db_.lastError()));
  return false;
}

void Connection::Rollback() {
  if (sqlite_) {
    // Fails harmlessly when SQLite already rolled the transaction back.
    sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
    return;
  }
  db_.rollback();
}

bool Connection::BeginTrans() {
  if (RefuseWhenDamaged()) {
    if (depth_ > 0) failed_ = true;
    return false;
  }
  if (depth_ == 0) {
    failed_ = false;
    if (!Begin()) return false;
  }
  ++depth_;
  return true;
}

bool Connection::CommitTrans() {
  if (depth_ == 0) return false;
  if (--depth_ > 0) return !failed_;
  ReleaseKept();
  if (failed_) {
    Rollback();
    failed_ = false;
    return false;
  }
  if (!Commit()) {
    Rollback();
    return false;
  }
  return true;
}

void Connection::RollbackTrans() {
  if (depth_ == 0) return;
  failed_ = true;
  if (--depth_ == 0) {
    ReleaseKept();
    Rollback();
    failed_ = false;
  }
}

}  // namespace rd
