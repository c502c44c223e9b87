#include "platform/db/QueryGuard.h"

#include <QStringList>

namespace rd {

namespace {

// Words that write, or that start a statement of their own: the server
// runs statements one after another without a ";" between them.
const QStringList kWritingWords = {
    "into",     "insert",   "update",      "delete",   "merge",    "exec",
    "execute",  "drop",     "create",      "alter",    "truncate", "grant",
    "revoke",   "deny",     "backup",      "restore",  "begin",    "commit",
    "rollback", "save",     "kill",        "shutdown", "dbcc",     "use",
    "waitfor",  "checkpoint", "reconfigure", "declare", "bulk",    "deallocate"};

// Index just past a quoted part or a comment beginning at i, or i itself.
qsizetype skipQuotedOrComment(const QString& s, qsizetype i) {
  const QChar c = s[i];
  const QChar next = i + 1 < s.size() ? s[i + 1] : QChar();
  if (c == '\'' || c == '"' || c == '[') {
    const QChar close = c == '[' ? QChar(']') : c;
    for (qsizetype j = i + 1; j < s.size(); ++j) {
      if (s[j] != close) continue;
      if (j + 1 < s.size() && s[j + 1] == close) {  // doubled: part of the text
        ++j;
        continue;
      }
      return j + 1;
    }
    return s.size();
  }
  if (c == '-' && next == '-') {
    const qsizetype end = s.indexOf('\n', i);
    return end < 0 ? s.size() : end + 1;
  }
  if (c == '/' && next == '*') {
    const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
    return end < 0 ? s.size() : end + 2;
  }
  return i;
}

}  // namespace

int PlaceholderCount(const QString& sql) {
  int count = 0;
  bool statement = false;
  for (qsizetype i = 0; i < sql.size();) {
    const qsizetype skipped = skipQuotedOrComment(sql, i);
    if (skipped != i) {
      statement = statement || sql[i] == '\'' || sql[i] == '"' || sql[i] == '[';
      i = skipped;
      continue;
    }
    if (sql[i] == '?') ++count;
    if (!sql[i].isSpace() && sql[i] != ';') statement = true;
    ++i;
  }
  return statement ? count : -1;
}

bool IsSingleQuery(const QString& sql) {
  QStringList words;
  int depth = 0;
  bool ended = false;
  for (qsizetype i = 0; i < sql.size();) {
    const qsizetype skipped = skipQuotedOrComment(sql, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    const QChar c = sql[i];
    if (c.isSpace()) {
      ++i;
      continue;
    }
    if (ended) return false;  // something after the closing ";"
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) return false;
    } else if (c == ';' && depth == 0) {
      ended = true;
    } else if (c.isLetter() || c == '_') {
      qsizetype j = i;
      while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == '_')) ++j;
      if (depth == 0) words << sql.mid(i, j - i).toLower();
      i = j;
      continue;
    }
    ++i;
  }
  if (depth != 0 || words.isEmpty() || (words.first() != QLatin1String("select") &&
                          words.first() != QLatin1String("with")))
    return false;
  for (const QString& word : words)
    if (kWritingWords.contains(word)) return false;
  return true;
}

}  // namespace rd
