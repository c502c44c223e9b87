#include "core/frmChangeUser.h"

#include <QLineEdit>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/frmMain.h"
#include "core/modCommon.h"
#include "core/modUser.h"
#include "platform/widgets/WindowActivation.h"

namespace rd {

frmChangeUser::frmChangeUser(QWidget* mainWindow)
    : UserPasswordDialog(5400, 2400, 300, nullptr),
      mainWindow_(mainWindow ? mainWindow : frmMain::Current()) {
  setAttribute(Qt::WA_DeleteOnClose);
}

void frmChangeUser::cmdOK_Click() {
  QString user, password;
  if (!ReadBoxes(&user, &password, txtUserName)) return;
  if (!CheckUser(user, password)) {
    Warn(1032);
    txtUserName->setFocus();
    return;
  }
  const QString type = GetIniString("System", "ServerType", ConfigFile);
  auto fresh = DatabaseConnector::Connect(type, GetIniString("System", "DataBaseName", ConfigFile),
                                         GetIniString("System", "Password", ConfigFile),
                                         GetIniString("System", "ServerName", ConfigFile),
                                         GetIniString("System", "UserID", ConfigFile));
  if (!fresh) {
    Warn(1031);
    return;
  }
  // The old window releases the old connection and user as it closes.
  if (mainWindow_ && !mainWindow_->close()) return;
  SaveSetting("System", "LoginUser", user, this);
  ServerType = type;
  DbConnection = std::move(fresh);
  UserInfo = std::make_unique<clsUserInfo>();
  SetLoginUser(user);
  finished_ = true;
  WindowActivation::ShowMaximized(new frmMain);
  accept();
}

void frmChangeUser::reject() {
  if (!finished_) {
    finished_ = true;
    if (mainWindow_) mainWindow_->show();
  }
  UserPasswordDialog::reject();
}

}  // namespace rd
