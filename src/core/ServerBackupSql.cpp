#include "core/ServerBackupSql.h"

#include <algorithm>

#include "core/modDatabase.h"

namespace rd::ServerBackupSql {

QString Literal(const QString& text) {
  return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) +
         QLatin1Char('\'');
}

QString Backup(const QString& database, const QString& file, bool overwrite) {
  QString sql = "BACKUP DATABASE " + QuoteName(database) + "   TO DISK = " + Literal(file);
  if (overwrite) sql += " WITH INIT";
  return sql;
}

QString DataFolderQuery() { return QStringLiteral("select filename from sysfiles"); }

QString ProcessesQuery(const QString& database) {
  return "select spid from  sysprocesses where  dbid=db_id(" + Literal(database) + ")";
}

QString Kill(qint64 spid) { return "kill " + QString::number(spid); }

QString FileListQuery(const QString& file) {
  return "restore filelistonly from disk=" + Literal(file);
}

QString DatabaseExistsQuery(const QString& database) {
  return "select 1 from sysdatabases  where name=" + Literal(database);
}

QString Restore(const QString& database, const QString& file, const QString& dataFolder,
                const QList<BackupFile>& files) {
  QString sql = "restore  database " + QuoteName(database) + " from   disk=" + Literal(file) +
                " with REPLACE ";
  for (const BackupFile& f : files)
    sql += ",move " + Literal(f.LogicalName) + " to " +
           Literal(dataFolder + database + ExtensionOf(f.PhysicalName));
  return sql;
}

QString FolderOf(const QString& serverFileName) {
  const qsizetype cut = std::max(serverFileName.lastIndexOf(QLatin1Char('\\')),
                                 serverFileName.lastIndexOf(QLatin1Char('/')));
  return serverFileName.left(cut + 1);
}

QString ExtensionOf(const QString& physicalName) {
  const qsizetype dot = physicalName.lastIndexOf(QLatin1Char('.'));
  // A dot in a folder name is no extension.
  if (dot < FolderOf(physicalName).size()) return QString();
  return physicalName.mid(dot);
}

}  // namespace rd::ServerBackupSql
