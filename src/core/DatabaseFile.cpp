#include "core/DatabaseFile.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rd::DatabaseFile {

bool IsSameFile(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

bool IsUsableBackup(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  sqlite3* db = nullptr;
  const QByteArray name = QFile::encodeName(path);
  bool usable = false;
  if (sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select count(*) from tblUser", -1, &stmt, nullptr) == SQLITE_OK)
      usable = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
  return usable;
}

bool CopyOver(const QString& from, const QString& to, QString* error) {
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) {
    if (error) *error = source.errorString();
    return false;
  }
  QSaveFile target(to);
  if (!target.open(QIODevice::WriteOnly)) {
    if (error) *error = target.errorString();
    return false;
  }
  QByteArray chunk;
  while (!(chunk = source.read(1 << 20)).isEmpty()) {
    if (target.write(chunk) != chunk.size()) break;
  }
  if (source.error() != QFileDevice::NoError) {
    if (error) *error = source.errorString();
    target.cancelWriting();
    return false;
  }
  if (!target.commit()) {
    if (error) *error = target.errorString();
    return false;
  }
  return true;
}

void RemoveSidecars(const QString& path) {
  for (const char* suffix : {"-journal", "-wal", "-shm"}) QFile::remove(path + suffix);
}

}  // namespace rd::DatabaseFile
