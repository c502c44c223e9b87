#pragma once
#include <QList>
#include <QString>

namespace rd {

// The SQL Server statements of backup, restore and creation of a database.
// Database names are bracket-quoted, every other value is a quoted literal
// with its quotes doubled; the rest of each text is fixed.
namespace ServerBackupSql {

// One file of a backup, as "restore filelistonly" lists it.
struct BackupFile {
  QString LogicalName;
  QString PhysicalName;
};

// 'text' with every "'" doubled.
QString Literal(const QString& text);

// overwrite: the file exists and the user agreed to replace it, so the
// backup set replaces the file's content instead of joining it.
QString Backup(const QString& database, const QString& file, bool overwrite);
QString DataFolderQuery();
QString ProcessesQuery(const QString& database);
QString Kill(qint64 spid);
QString FileListQuery(const QString& file);
QString DatabaseExistsQuery(const QString& database);
// The restore head and one move clause per file, in order: every file takes
// the database's name and keeps its own extension.
QString Restore(const QString& database, const QString& file, const QString& dataFolder,
                const QList<BackupFile>& files);

// A server file name up to and including its last path separator.
QString FolderOf(const QString& serverFileName);
// From the last "." of the name to its end; "" when it has none.
QString ExtensionOf(const QString& physicalName);

}  // namespace ServerBackupSql

}  // namespace rd
