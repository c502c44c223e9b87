#include "platform/db/SqliteDialect.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QRegularExpression>

namespace rd::SqliteDialect {
namespace {

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**) {
  QByteArray t = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss").toUtf8();
  sqlite3_result_text(ctx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
}

}  // namespace

void RegisterFunctions(sqlite3* db) {
  for (const char* name : {"now", "getdate"})
    sqlite3_create_function(db, name, 0, SQLITE_UTF8, nullptr, nowFunction, nullptr, nullptr);
}

QString Translate(const QString& sql) {
  // "select top N ..." becomes "select ... limit N".
  const QStringView text = QStringView(sql).trimmed();
  if (!text.startsWith(QLatin1String("select"), Qt::CaseInsensitive)) return sql;
  static const QRegularExpression top(R"(^(\s*select\s+(?:distinct\s+)?)top\s+(\d+)\s+)",
                                      QRegularExpression::CaseInsensitiveOption);
  QRegularExpressionMatch m = top.match(sql);
  if (!m.hasMatch()) return sql;
  QString rest = sql.mid(m.capturedEnd());
  while (rest.endsWith(';') || rest.endsWith(' ')) rest.chop(1);
  return m.captured(1) + rest + " limit " + m.captured(2);
}

}  // namespace rd::SqliteDialect
