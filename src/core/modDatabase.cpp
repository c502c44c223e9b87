#include "core/modDatabase.h"

#include <QDir>
#include <algorithm>
#include <functional>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/text/AnsiText.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"

namespace rd {
namespace {

constexpr int kNoConnection = 1208;
constexpr int kNulCharacter = 1271;
constexpr int kDamaged = 1277;

// The error of a failed write, which its caller shows: a damage it names
// needs no telling by a later read.
bool WriteFailed(QString* error) {
  if (error) *error = DbConnection->LastError();
  if (DbConnection->Damaged()) DbConnection->TakeDamageNotice();
  return false;
}

}  // namespace

std::unique_ptr<Connection> ConnectDatabase(const QString& serverType,
                                            const QString& dataBaseName,
                                            const QString& password, const QString& serverName,
                                            const QString& userID, int* errorCode) {
  if (errorCode) *errorCode = 0;
  if (serverType == "SQLSERVER")
    return Connection::OpenOdbc(
        Connection::SqlServerConnectionString(serverName, dataBaseName, userID, password));
  if (serverType == "ACCESS") {
    if (dataBaseName.isEmpty()) return nullptr;
    return Connection::OpenSqlite(ProgramFolder::File(dataBaseName), nullptr, errorCode);
  }
  return nullptr;
}

bool OpenConnection(const QString& serverType, const QString& dataBaseName,
                    const QString& password, const QString& serverName, const QString& userID) {
  return DatabaseConnector::Open(serverType, dataBaseName, password, serverName, userID);
}

void CloseConnection() { DbConnection.reset(); }

QString ReadFailureText() { return FailureToTell(DbConnection->LastError()); }

QString FailureToTell(const QString& error) {
  if (!DbConnection || !DbConnection->Damaged() || error != DbConnection->DamagedText())
    return error;
  return DbConnection->TakeDamageNotice() ? error : QString();
}

QString DamagedDatabaseText(const QString& file) {
  return ReplaceParams(GetLangString(kDamaged), {QDir::toNativeSeparators(file)});
}

Connection* ConnectionOrError(QString* error) {
  if (!DbConnection && error) *error = GetLangString(kNoConnection);
  return DbConnection.get();
}

namespace {

// Runs read on DbConnection; a failure shows its error in a critical box,
// except a damage of the file the user was told of already.
bool ShownRead(const std::function<bool()>& read) {
  QString error;
  if (!DbConnection)
    error = GetLangString(kNoConnection);
  else if (read())
    return true;
  else
    error = ReadFailureText();
  if (!error.isEmpty()) MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, AppTitle);
  return false;
}

}  // namespace

bool OpenRecordset(const QString& sql, Recordset& rs, int /*lockType*/) {
  rs.Close();
  return ShownRead([&] { return rs.Open(sql, *DbConnection); });
}

bool OpenColumns(const QString& sql, QStringList* names) {
  names->clear();
  return ShownRead([&] { return DbConnection->QueryColumns(sql, names); });
}

std::shared_ptr<PagedQuery> OpenPagedQuery(const QString& query, const QString& orderBy,
                                           PagedQuery::Failure* failure) {
  PagedQuery::Failure ignored;
  if (!failure) failure = &ignored;
  *failure = {};
  if (query.contains(QChar(0))) return nullptr;
  const PagedQuery::Syntax syntax = ServerType == QLatin1String("SQLSERVER")
                                        ? PagedQuery::Syntax::OffsetFetch
                                        : PagedQuery::Syntax::Limit;
  return PagedQuery::Open([] { return DbConnection.get(); }, syntax, query, orderBy, failure);
}

QString NullLiteralsToNull(const QString& sql) {
  QString out;
  out.reserve(sql.size());
  qsizetype i = 0;
  while (i < sql.size()) {
    if (sql[i] != '\'') {
      out += sql[i++];
      continue;
    }
    // A literal runs to the quote that is not doubled.
    qsizetype end = i + 1;
    while (end < sql.size()) {
      if (sql[end] == '\'') {
        if (end + 1 < sql.size() && sql[end + 1] == '\'') {
          end += 2;
          continue;
        }
        break;
      }
      ++end;
    }
    const QString literal = sql.mid(i, end - i + 1);
    out += literal == QLatin1String("'null'") ? QStringLiteral("null") : literal;
    i = end + 1;
  }
  return out;
}

bool ExecuteSQL(const QString& sql, QString* error, int* rowsAffected) {
  if (!DbConnection) {
    if (error) *error = GetLangString(kNoConnection);
    return false;
  }
  if (sql.contains(QChar(0))) {
    if (error) *error = GetLangString(kNulCharacter);
    return false;
  }
  if (DbConnection->Execute(NullLiteralsToNull(sql), rowsAffected)) return true;
  return WriteFailed(error);
}

RepeatedSQL::RepeatedSQL(const QString& sql) : holdsNul_(sql.contains(QChar(0))) {
  if (!holdsNul_) sql_ = NullLiteralsToNull(sql);
}

bool RepeatedSQL::Execute(const QVariantList& values, QString* error) const {
  if (!DbConnection) {
    if (error) *error = GetLangString(kNoConnection);
    return false;
  }
  const auto holdsNul = [](const QVariant& v) {
    return v.typeId() == QMetaType::QString &&
           static_cast<const QString*>(v.constData())->contains(QChar(0));
  };
  if (holdsNul_ || std::any_of(values.cbegin(), values.cend(), holdsNul)) {
    if (error) *error = GetLangString(kNulCharacter);
    return false;
  }
  if (DbConnection->ExecuteRepeated(sql_, values)) return true;
  return WriteFailed(error);
}

QString SqlStr(const QString& text) {
  QString t = text;
  t.remove(QChar(Connection::TextMark));
  t.replace("'", "''");
  if (t.isEmpty()) return QStringLiteral("null");
  // The typed word stays a word: only an empty value becomes NULL.
  if (t == QLatin1String("null")) t += QChar(Connection::TextMark);
  return t;
}

QString SqlLiteral(const QString& text) {
  return QLatin1Char('\'') + (text.isEmpty() ? QString() : SqlStr(text)) + QLatin1Char('\'');
}

QString QuoteName(const QString& name) {
  return QLatin1Char('[') + QString(name).replace(QLatin1Char(']'), QLatin1String("]]")) +
         QLatin1Char(']');
}

QString NullToStr(const QVariant& value) { return VariantText(value); }

QString GetServerDate(const QString& serverType) {
  QString sql;
  if (serverType == "SQLSERVER")
    sql = "select Getdate()";
  else if (serverType == "ACCESS")
    sql = "select now()";
  else
    return QString();
  Recordset rs;
  if (!OpenRecordset(sql, rs, 1)) return QString();
  return NullToStr(rs.Fields(0).Value);
}

QString GetFieldCaption(const QString& field) {
  Recordset rs;
  if (!OpenRecordset("select top 1 [Language] from tblRecordset where Field=" + SqlLiteral(field) +
                         " order by id desc",
                     rs, 1))
    return QString();
  return rs.RecordCount() > 0 ? NullToStr(rs.Fields(0).Value) : QString();
}

}  // namespace rd
