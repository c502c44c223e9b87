#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "platform/db/Connection.h"
#include "platform/db/PagedQuery.h"
#include "platform/db/Recordset.h"
#include "core/modDatabase.h"

namespace rd {

// A new connection for the settings (*errorCode, when given, gets SQLite's
// result code of a failure, 0 for any other): "ACCESS" is a database file in the
// program folder, "SQLSERVER" a server (compared exactly); null on any
// failure or any other type. Leaves DbConnection alone.
std::unique_ptr<Connection> ConnectDatabase(const QString& serverType,
                                            const QString& dataBaseName,
                                            const QString& password, const QString& serverName,
                                            const QString& userID, int* errorCode = nullptr);

// Replaces DbConnection by a new connection made by DatabaseConnector;
// true when it is open. A failure leaves DbConnection null and shows nothing.
bool OpenConnection(const QString& serverType, const QString& dataBaseName,
                    const QString& password, const QString& serverName, const QString& userID);
void CloseConnection();

// The error of the last failed read on DbConnection, to be shown; "" when
// it met a damage of the file that the user has been told of already.
QString ReadFailureText();
// The same for a read's error kept elsewhere.
QString FailureToTell(const QString& error);

// Message 1277: the database file is damaged; file named as the system
// writes paths.
QString DamagedDatabaseText(const QString& file);

// DbConnection; null, with text 1208 in *error (when given), when no
// database is open.
Connection* ConnectionOrError(QString* error);

// Reads sql into rs (closed first) on DbConnection. A failure shows the
// database's error in a critical box and leaves rs closed. Recordsets are
// read-only: lockType is kept for the callers' sake only.
bool OpenRecordset(const QString& sql, Recordset& rs, int lockType = 1);

// The names of the columns sql returns, as typed, read on DbConnection
// without its rows; a failure shows as OpenRecordset shows it.
bool OpenColumns(const QString& sql, QStringList* names);

// The rows of query (a select with its condition) in orderBy ("" or an
// ORDER BY clause), counted and read page by page on DbConnection as they
// are asked for; null, showing nothing, when the database refuses the
// count or the first page (a query it cannot count or page, or a busy
// database: *failure says which).
std::shared_ptr<PagedQuery> OpenPagedQuery(const QString& query, const QString& orderBy,
                                           PagedQuery::Failure* failure = nullptr);

// The statement as ExecuteSQL runs it: every literal that is exactly
// 'null' becomes the bare word null.
QString NullLiteralsToNull(const QString& sql);

// Runs a write on DbConnection after NullLiteralsToNull. A failure returns
// false with the database's error in *error; statements already run stay
// done. *rowsAffected, when given, counts the rows the statement changed.
bool ExecuteSQL(const QString& sql, QString* error = nullptr, int* rowsAffected = nullptr);

// A statement whose "?" are bound to values, run like ExecuteSQL for any
// number of lines: NullLiteralsToNull and the check of its text are done
// once, so that a run only binds its values. Inside a transaction
// DbConnection keeps it prepared for the next run. A NUL in the statement
// or in a text value is refused alike.
class RepeatedSQL {
 public:
  explicit RepeatedSQL(const QString& sql);
  bool Execute(const QVariantList& values, QString* error = nullptr) const;

 private:
  QString sql_;  // as DbConnection runs it
  bool holdsNul_;
};

// Text for a quoted SQL literal: quotes doubled, empty text the word null
// (which ExecuteSQL turns into NULL); the typed text "null" stays text.
QString SqlStr(const QString& text);
// text as a whole SQL literal: quoted, quotes doubled; empty text gives ''.
QString SqlLiteral(const QString& text);
// A name as a bracketed SQL identifier: [name] with every "]" doubled.
QString QuoteName(const QString& name);
// A stored value as text; null is "".
QString NullToStr(const QVariant& value);

// The server's clock as text; "" for an unknown type or a failed read.
QString GetServerDate(const QString& serverType);
// Caption of the newest field definition of that name; "" when none.
QString GetFieldCaption(const QString& field);

}  // namespace rd
