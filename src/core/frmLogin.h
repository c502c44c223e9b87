#pragma once
#include "core/UserPasswordDialog.h"

namespace rd {

// The login dialog of start-up. OK with a good name and password writes the
// name to Config.ini, fills UserInfo and accepts; Cancel, Esc and the close
// box release the user and the connection and reject, which ends start-up.
class frmLogin : public UserPasswordDialog {
  Q_OBJECT

 public:
  explicit frmLogin(QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* lblDesc;

 public slots:
  void cmdOK_Click() override;
  void reject() override;

 protected:
  void OnLoad() override;
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace rd
