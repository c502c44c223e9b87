#include "core/frmLockScreen.h"

#include <QLineEdit>

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "core/modUser.h"

namespace rd {

frmLockScreen::frmLockScreen(QWidget* parent) : UserPasswordDialog(5400, 2400, 300, parent) {
  txtUserName->setReadOnly(true);
  txtUserName->setFocusPolicy(Qt::NoFocus);
  QPalette p = txtUserName->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Window));
  txtUserName->setPalette(p);
}

void frmLockScreen::OnLoad() {
  txtUserName->setText(UserInfo ? UserInfo->LoginUser : QString());
  txtPassword->setFocus();
  locked_ = true;
}

void frmLockScreen::cmdOK_Click() {
  QString user, password;
  if (!ReadBoxes(&user, &password, txtPassword)) return;
  if (!CheckUser(user, password)) {
    Warn(1032);
    txtPassword->setFocus();
    return;
  }
  locked_ = false;
  accept();
}

void frmLockScreen::reject() {
  if (locked_) {
    locked_ = false;
    CloseConnection();
    EndProgram();
  }
  UserPasswordDialog::reject();
}

}  // namespace rd
