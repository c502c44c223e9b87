#include "platform/db/SqlScript.h"

#include <QFile>
#include <QFileInfo>

namespace rd {

QStringList SplitSqlScript(const QString& script) {
  QStringList out;
  QString current;
  QChar quote;
  for (int i = 0; i < script.size(); ++i) {
    const QChar c = script[i];
    if (quote.isNull() && c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      while (i < script.size() && script[i] != '\n') ++i;
      current += '\n';
      continue;
    }
    if (quote.isNull() && (c == '\'' || c == '"' || c == '[')) {
      quote = c == '[' ? QChar(']') : c;
    } else if (!quote.isNull() && c == quote) {
      quote = QChar();
    } else if (quote.isNull() && c == ';') {
      if (!current.trimmed().isEmpty()) out << current.trimmed();
      current.clear();
      continue;
    }
    current += c;
  }
  if (!current.trimmed().isEmpty()) out << current.trimmed();
  return out;
}

bool CreateSqliteDatabase(const QString& path, const QStringList& scripts, QString* error) {
  if (QFileInfo::exists(path)) {
    if (error) *error = QStringLiteral("The file already exists: %1").arg(path);
    return false;
  }
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
      if (error) *error = f.errorString();
      return false;
    }
  }
  bool ok = false;
  {
    auto c = Connection::OpenSqlite(path, error);
    if (c) {
      Transaction t(*c);
      ok = true;
      for (const QString& script : scripts) {
        for (const QString& statement : SplitSqlScript(script)) {
          if (!c->Execute(statement)) {
            if (error) *error = c->LastError() + "\n" + statement;
            ok = false;
            break;
          }
        }
        if (!ok) break;
      }
      ok = ok && t.Commit();
      if (!ok && error && error->isEmpty()) *error = c->LastError();
    }
  }
  if (!ok) QFile::remove(path);
  return ok;
}

}  // namespace rd
