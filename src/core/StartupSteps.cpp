#include "core/StartupSteps.h"

#include <QDialog>
#include <memory>

#include "core/WindowRegistry.h"
#include "core/frmLogin.h"
#include "core/frmMain.h"
#include "platform/widgets/WindowActivation.h"

namespace rd {

bool StartupSteps::ShowConnect() {
  std::unique_ptr<QWidget> w(WindowRegistry::Create("frmConnect"));
  auto* dialog = qobject_cast<QDialog*>(w.get());
  if (!dialog) return false;
  dialog->exec();
  return true;
}

bool StartupSteps::ShowLogin(const QString& user, const QString& password) {
  frmLogin login;
  login.SetUserName(user);
  login.SetPassword(password);
  return login.exec() == QDialog::Accepted;
}

void StartupSteps::ShowMain() { WindowActivation::ShowMaximized(new frmMain); }

}  // namespace rd
