#include "platform/db/SqliteStatement.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QDateTime>
#include <QVarLengthArray>

namespace rd {
namespace {

bool bindsNull(const QVariant& v) {
  if (v.isNull()) return true;
  switch (v.typeId()) {
    case QMetaType::QString:
      return v.toString().isNull();
    case QMetaType::QByteArray:
      return v.toByteArray().isNull();
    case QMetaType::QDate:
      return v.toDate().isNull();
    case QMetaType::QTime:
      return v.toTime().isNull();
    case QMetaType::QDateTime:
      return v.toDateTime().isNull();
    default:
      return false;
  }
}

// Texts bind as the UTF-8 the file stores, held in utf8 until the run has
// been reset.
int bindText(sqlite3_stmt* stmt, int index, const QString& text, QByteArray& utf8) {
  utf8 = text.toUtf8();
  return sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

int bindValue(sqlite3_stmt* stmt, int index, const QVariant& v, QByteArray& utf8) {
  if (bindsNull(v)) return sqlite3_bind_null(stmt, index);
  switch (v.typeId()) {
    case QMetaType::QByteArray: {
      const QByteArray data = v.toByteArray();
      return sqlite3_bind_blob(stmt, index, data.constData(), int(data.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
      return sqlite3_bind_int64(stmt, index, v.toLongLong());
    case QMetaType::Float:
    case QMetaType::Double:
      return sqlite3_bind_double(stmt, index, v.toDouble());
    case QMetaType::QDateTime:
      return bindText(stmt, index, v.toDateTime().toString(Qt::ISODateWithMs), utf8);
    case QMetaType::QTime:
      return bindText(stmt, index, v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")), utf8);
    case QMetaType::QString:
      return bindText(stmt, index, *static_cast<const QString*>(v.constData()), utf8);
    default:
      return bindText(stmt, index, v.toString(), utf8);
  }
}

bool bindAndStep(sqlite3* handle, sqlite3_stmt* stmt, const QVariantList& values,
                 QVarLengthArray<QByteArray, 16>& texts, int* rowsAffected, QString* error) {
  if (sqlite3_bind_parameter_count(stmt) != values.size()) {
    *error = QStringLiteral("Parameter count mismatch");
    return false;
  }
  texts.resize(values.size());
  for (int i = 0; i < values.size(); ++i) {
    if (bindValue(stmt, i + 1, values[i], texts[i]) != SQLITE_OK) {
      *error = QString::fromUtf8(sqlite3_errmsg(handle));
      return false;
    }
  }
  const int changesBefore = sqlite3_total_changes(handle);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    *error = QString::fromUtf8(sqlite3_errmsg(handle));
    return false;
  }
  // sqlite3_changes() keeps the count of the last insert, update or delete,
  // so a statement that changed nothing reports its own zero.
  if (rowsAffected)
    *rowsAffected = sqlite3_total_changes(handle) == changesBefore ? 0 : sqlite3_changes(handle);
  return true;
}

}  // namespace

void SqliteFinalizer::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

SqliteStatement PrepareSqlite(sqlite3* handle, const QString& sql, QString* error) {
  const QByteArray text = sql.toUtf8();
  const char* const end = text.constData() + text.size();
  const char* tail = nullptr;
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &raw, &tail);
  SqliteStatement stmt(raw);
  if (rc != SQLITE_OK) {
    *error = QString::fromUtf8(sqlite3_errmsg(handle));
    return nullptr;
  }
  while (tail < end && (*tail == ' ' || (*tail >= '\t' && *tail <= '\r'))) ++tail;
  if (tail < end) {
    sqlite3_stmt* next = nullptr;
    const int nextRc = sqlite3_prepare_v2(handle, tail, int(end - tail), &next, nullptr);
    sqlite3_finalize(next);
    if (nextRc != SQLITE_OK || next) {
      *error = QStringLiteral("Unable to execute multiple statements at a time.");
      return nullptr;
    }
  }
  if (!stmt) *error = QStringLiteral("The statement is empty.");
  return stmt;
}

bool SqliteParses(const QString& sql) {
  sqlite3* handle = nullptr;
  const bool opened = sqlite3_open(":memory:", &handle) == SQLITE_OK;
  QString error;
  const bool parses = opened && PrepareSqlite(handle, sql, &error) != nullptr;
  sqlite3_close(handle);
  return parses;
}

bool RunSqlite(sqlite3* handle, sqlite3_stmt* stmt, const QVariantList& values,
               int* rowsAffected, QString* error) {
  QVarLengthArray<QByteArray, 16> texts;
  const bool ok = bindAndStep(handle, stmt, values, texts, rowsAffected, error);
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  return ok;
}

}  // namespace rd
