#include "core/modBackup.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

#include "core/DatabaseConnector.h"
#include "core/DatabaseFile.h"
#include "core/Globals.h"
#include "core/OpenDataWindows.h"
#include "core/ServerBackupSql.h"
#include "core/frmConnect.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"

namespace rd {
namespace {

const char* const kFilter = "Backup Files(*.bak);;All Files(*.*)";
const char* const kDefaultSuffix = ".bak";

enum Message {
  kNoFileName = 1100,
  kBackedUp = 1101,
  kBackupCopyFailed = 1102,
  kReplaceFile = 1103,
  kNoBackupFile = 1104,
  kRestored = 1105,
  kRestoreCopyFailed = 1106,
  kNoMaster = 1107,
  kConfirmRestore = 1108,
  kConfirmCreate = 1109,
  kDatabaseExists = 1110,
  kCreated = 1111,
  kBackupNotWritten = 1294,
  kCannotOpen = 1031,
};

MsgResult Tell(int key, MsgIcon icon, MsgButtons buttons = MsgButtons::OkOnly) {
  return MsgBox(GetLangString(key), icon, buttons, AppTitle);
}

void ShowError(const QString& description) {
  // An empty description means the failing read has shown its own box.
  if (!description.isEmpty()) MsgBox(description, MsgIcon::Critical, MsgButtons::OkOnly, AppTitle);
}

// The hourglass on a window while the object lives, unless reset earlier.
class WaitCursor {
 public:
  explicit WaitCursor(QWidget* w) : w_(w) {
    if (w_) w_->setCursor(Qt::WaitCursor);
  }
  ~WaitCursor() { Reset(); }
  void Reset() {
    if (w_) w_->unsetCursor();
    w_ = nullptr;
  }

 private:
  QWidget* w_;
};

struct Settings {
  QString serverName, userID, password, dataBaseName;

  static Settings Read() {
    return {GetIniString("System", "ServerName", ConfigFile),
            GetIniString("System", "UserID", ConfigFile),
            GetIniString("System", "Password", ConfigFile),
            GetIniString("System", "DataBaseName", ConfigFile)};
  }
  bool Reopen() const {
    return DatabaseConnector::Open(ServerType, dataBaseName, password, serverName, userID);
  }
};

QString SuggestedFile() {
  QString name = GetIniString("System", "DataBaseName", ConfigFile);
  // A database file's own extension would hide the backup from the filter.
  if (ServerType == "ACCESS") name = QFileInfo(name).completeBaseName();
  return BackupFolder() + ProposedBackupName(name, GetServerDate(ServerType)) + kDefaultSuffix;
}

// On the server's "master" database: ends every process on the database
// and builds the statement that restores file into it. False with the
// reason in *error ("" when a failed read showed it already).
bool PrepareServerRestore(const QString& database, const QString& file, QString* sql,
                          QString* error) {
  Recordset rs;
  if (!OpenRecordset(ServerBackupSql::DataFolderQuery(), rs)) return false;
  const QString folder = ServerBackupSql::FolderOf(rs.Text("filename"));

  if (!OpenRecordset(ServerBackupSql::ProcessesQuery(database), rs)) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    bool isNumber = false;
    const qint64 spid = rs.Text("spid").toLongLong(&isNumber);
    if (isNumber && !ExecuteSQL(ServerBackupSql::Kill(spid), error)) return false;
  }

  if (!OpenRecordset(ServerBackupSql::FileListQuery(file), rs)) return false;
  QList<ServerBackupSql::BackupFile> files;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
    files.append({rs.Text("LogicalName"), rs.Text("PhysicalName")});
  *sql = ServerBackupSql::Restore(database, file, folder, files);
  return true;
}

bool BackupServer(const QString& database, const QString& file, bool overwrite) {
  QString error;
  if (!ExecuteSQL(ServerBackupSql::Backup(database, file, overwrite), &error)) {
    ShowError(error);
    return false;
  }
  Tell(kBackedUp, MsgIcon::Information);
  return true;
}

bool BackupFile(const QString& database, const QString& file) {
  const QString live = ProgramFolder::File(database);
  // Never write onto the open database itself.
  if (DatabaseFile::IsSameFile(file, live)) {
    Tell(kBackupCopyFailed, MsgIcon::Information);
    return false;
  }
  QString error;
  if (!DatabaseFile::CopyOver(live, file, &error)) {
    MsgBox(ReplaceParams(GetLangString(kBackupNotWritten), {QDir::toNativeSeparators(file), error}),
           MsgIcon::Critical, MsgButtons::OkOnly, AppTitle);
    return false;
  }
  Tell(kBackedUp, MsgIcon::Information);
  return true;
}

bool RestoreServer(const Settings& s, const QString& file, WaitCursor& wait) {
  if (!DatabaseConnector::Open(ServerType, "master", s.password, s.serverName, s.userID)) {
    s.Reopen();
    wait.Reset();
    Tell(kNoMaster, MsgIcon::Exclamation);
    return false;
  }
  QString sql, error;
  if (!PrepareServerRestore(s.dataBaseName, file.trimmed(), &sql, &error) ||
      !ExecuteSQL(sql, &error)) {
    wait.Reset();
    s.Reopen();
    ShowError(error);
    return false;
  }
  if (!s.Reopen()) {
    wait.Reset();
    Tell(kCannotOpen, MsgIcon::Exclamation);
    return false;
  }
  Tell(kRestored, MsgIcon::Information);
  return true;
}

bool RestoreFile(const Settings& s, const QString& file, WaitCursor& wait) {
  const QString live = ProgramFolder::File(s.dataBaseName);
  if (DatabaseFile::IsSameFile(file, live) || !DatabaseFile::IsUsableBackup(file)) {
    wait.Reset();
    Tell(kRestoreCopyFailed, MsgIcon::Information);
    return false;
  }
  CloseConnection();
  const bool copied = DatabaseFile::CopyOver(file, live);
  if (copied) DatabaseFile::RemoveSidecars(live);
  const bool reopened = s.Reopen();
  if (!copied) {
    wait.Reset();
    Tell(kRestoreCopyFailed, MsgIcon::Information);
  }
  if (!reopened) {
    wait.Reset();
    Tell(kCannotOpen, MsgIcon::Exclamation);
  }
  if (!copied || !reopened) return false;
  Tell(kRestored, MsgIcon::Information);
  return true;
}

}  // namespace

QString BackupFolder() { return ProgramFolder::File("Backup/"); }

QString ProposedBackupName(const QString& dataBaseName, const QString& serverDate) {
  QDateTime at = QDateTime::fromString(serverDate, "yyyy-MM-dd hh:mm:ss");
  if (!at.isValid()) at = QDateTime::fromString(serverDate, Qt::ISODate);
  if (!at.isValid()) at = QDateTime(QDate::fromString(serverDate, "yyyy-MM-dd"), QTime(0, 0));
  return dataBaseName + (at.isValid() ? at.toString("yyyyMMddhhmmss") : QString());
}

QString TemplateBackupPath(const QString& languageID) {
  const QString own = ProgramFolder::File("Database/SQLSERVER/" + languageID + ".bak");
  return QFileInfo(own).isFile() ? own : ProgramFolder::File("Database/SQLSERVER/1033.bak");
}

bool BackupDatabase(QWidget* owner) {
  // A damaged file makes no backup.
  if (DbConnection && DbConnection->Damaged()) {
    MsgBox(DbConnection->DamagedText(), MsgIcon::Critical, MsgButtons::OkOnly, AppTitle, owner);
    return false;
  }
  QString file = Ui::Instance().GetSaveFileName(QString(), SuggestedFile(), kFilter, owner);
  if (file.isEmpty()) return false;  // cancelled
  const QFileInfo chosen(file);
  if (TrimAll(chosen.fileName()).isEmpty() || chosen.isDir()) {
    Tell(kNoFileName, MsgIcon::Exclamation);
    return false;
  }
  if (chosen.suffix().isEmpty()) file += kDefaultSuffix;
  const bool overwrite = QFileInfo::exists(file);
  if (overwrite && Tell(kReplaceFile, MsgIcon::Question, MsgButtons::OkCancel) != MsgResult::Ok)
    return false;

  const QString database = GetIniString("System", "DataBaseName", ConfigFile);
  if (ServerType == "SQLSERVER") return BackupServer(database, file, overwrite);
  if (ServerType == "ACCESS") return BackupFile(database, file);
  return true;
}

bool RestoreDatabase(QWidget* owner) {
  if (Tell(kConfirmRestore, MsgIcon::Question, MsgButtons::OkCancel) != MsgResult::Ok) return false;
  const QString file = Ui::Instance().GetOpenFileName(QString(), SuggestedFile(), kFilter, owner);
  if (file.isEmpty()) return false;  // cancelled
  if (!QFileInfo(file).isFile()) {
    Tell(kNoBackupFile, MsgIcon::Exclamation);
    return false;
  }

  ServerType = GetIniString("System", "ServerType", ConfigFile);
  const Settings settings = Settings::Read();
  if (ServerType != "SQLSERVER" && ServerType != "ACCESS") return true;
  WaitCursor wait(owner);
  const bool restored = ServerType == "SQLSERVER" ? RestoreServer(settings, file, wait)
                                                  : RestoreFile(settings, file, wait);
  if (restored) ReloadOpenWindows();
  return restored;
}

bool CreateDatabase(frmConnect& dialog) {
  if (Tell(kConfirmCreate, MsgIcon::Question, MsgButtons::OkCancel) != MsgResult::Ok) return false;
  ServerType = GetIniString("System", "ServerType", ConfigFile);
  // Trimmed as OK trims them, so the database made is the one OK opens.
  const QString server = TrimAll(dialog.txtServerName->text());
  const QString user = TrimAll(dialog.txtUserID->text());
  const QString password = TrimAll(dialog.txtPassword->text());
  const QString database = TrimAll(dialog.txtDatabase->text());
  const QString templateFile = TemplateBackupPath(LanguageID);
  if (ServerType != "SQLSERVER") return true;

  WaitCursor wait(&dialog);
  auto refuse = [&](int key, MsgIcon icon) {
    wait.Reset();
    Tell(key, icon);
    dialog.txtServerName->setFocus();
    return false;
  };
  if (!DatabaseConnector::Open(ServerType, "master", password, server, user))
    return refuse(kCannotOpen, MsgIcon::Exclamation);
  Recordset rs;
  if (!OpenRecordset(ServerBackupSql::DatabaseExistsQuery(database), rs)) return false;
  if (rs.RecordCount() > 0) return refuse(kDatabaseExists, MsgIcon::Critical);

  QString sql, error;
  if (!PrepareServerRestore(database, templateFile, &sql, &error) || !ExecuteSQL(sql, &error)) {
    wait.Reset();
    ShowError(error);
    return false;
  }
  Tell(kCreated, MsgIcon::Information);
  return true;
}

}  // namespace rd
