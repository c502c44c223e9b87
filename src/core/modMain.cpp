#include "core/modMain.h"

#include <QApplication>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/StartupSteps.h"
#include "core/SystemTables.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modUser.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"

namespace rd {
namespace {

constexpr int kCannotOpen = 1031;
constexpr int kBusy = 1275;
constexpr int kSqliteCorrupt = 11;

// Why the database did not open, as far as SQLite said; a file that is no
// database at all is not called damaged.
QString OpenFailureText(const QString& dataBaseName) {
  const int code = DatabaseConnector::LastFailureCode();
  if (Connection::IsBusyCode(code)) return GetLangString(kCannotOpen) + '\n' + GetLangString(kBusy);
  if (code == kSqliteCorrupt) return DamagedDatabaseText(ProgramFolder::File(dataBaseName));
  return GetLangString(kCannotOpen);
}

}  // namespace

StartupOutcome Main(StartupSteps& steps) {
  UserInfo = std::make_unique<clsUserInfo>();
  ConfigFile = ProgramFolder::File("Config.ini");
  QString unreadable;
  LanguageFile = GetLanguageFile(GetIniString("System", "Language", ConfigFile), &unreadable);
  AppTitle = GetLangString(1000);
  if (!unreadable.isEmpty())
    MsgBox(ReplaceParams(GetLangString(1272), {unreadable}), MsgIcon::Exclamation,
           MsgButtons::OkOnly, AppTitle);
  else if (const int lacking = MissingMessageKeys(LanguageFile).size(); lacking > 0)
    MsgBox(ReplaceParams(GetLangString(1279), {LanguageFile, QString::number(lacking)}),
           MsgIcon::Exclamation, MsgButtons::OkOnly, AppTitle);

  ServerType = GetIniString("System", "ServerType", ConfigFile);
  const QString serverName = GetIniString("System", "ServerName", ConfigFile);
  const QString userID = GetIniString("System", "UserID", ConfigFile);
  const QString password = GetIniString("System", "Password", ConfigFile);
  const QString dataBaseName = GetIniString("System", "DataBaseName", ConfigFile);

  if (!OpenConnection(ServerType, dataBaseName, password, serverName, userID)) {
    const bool offered = ServerType == "SQLSERVER" && steps.ShowConnect();
    if (!offered)
      MsgBox(OpenFailureText(dataBaseName), MsgIcon::Exclamation, MsgButtons::OkOnly, AppTitle);
    if (!DbConnection) {
      ReleaseGlobals();
      return StartupOutcome::Failed;
    }
  }
  if (const QString missing = MissingSystemTable(); !missing.isEmpty()) {
    DbConnection->TakeDamageNotice();
    MsgBox(missing, MsgIcon::Critical, MsgButtons::OkOnly, AppTitle);
    ReleaseGlobals();
    return StartupOutcome::Failed;
  }

  const bool autoLogin = TextToBoolean(GetIniString("System", "AutoLogin", ConfigFile));
  const QString loginUser = GetIniString("System", "LoginUser", ConfigFile);
  const QString loginPassword = GetIniString("System", "LoginPassword", ConfigFile);
  if (autoLogin && CheckUser(loginUser, loginPassword)) {
    SetLoginUser(loginUser);
  } else if (!steps.ShowLogin(loginUser, loginPassword)) {
    ReleaseGlobals();
    return StartupOutcome::Cancelled;
  }

  steps.ShowMain();
  return StartupOutcome::Running;
}

int RunApplication(QApplication& app) {
  StartupSteps steps;
  switch (Main(steps)) {
    case StartupOutcome::Running: {
      const int code = app.exec();
      ReleaseGlobals();
      return code;
    }
    case StartupOutcome::Cancelled: return 0;
    case StartupOutcome::Failed: break;
  }
  return 1;
}

}  // namespace rd
