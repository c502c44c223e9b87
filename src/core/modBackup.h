#pragma once
#include <QString>

class QWidget;

namespace rd {

class frmConnect;

// Writes a backup file of the configured database; owner shows the file
// dialog. True when a backup was made (or the server type has none).
bool BackupDatabase(QWidget* owner);
// Replaces the configured database by a backup file and reconnects to it;
// true when the database was restored and is open again.
bool RestoreDatabase(QWidget* owner);
// Makes the SQL Server database named in the dialog from the template
// backup; DbConnection is then on the server's "master" database.
bool CreateDatabase(frmConnect& dialog);

// The folder the file dialogs start in, with a trailing "/".
QString BackupFolder();
// The database name followed by the server time as yyyyMMddhhmmss.
QString ProposedBackupName(const QString& dataBaseName, const QString& serverDate);
// The template backup for the language, or the one of 1033 when absent.
QString TemplateBackupPath(const QString& languageID);

}  // namespace rd
