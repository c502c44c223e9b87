#pragma once
#include "core/UserPasswordDialog.h"

namespace rd {

// Locks the program over the main window until the current user's password
// is given. Leaving it any other way (Exit, Esc, the close box) ends the
// program.
class frmLockScreen : public UserPasswordDialog {
  Q_OBJECT

 public:
  explicit frmLockScreen(QWidget* parent = nullptr);
  bool Locked() const { return locked_; }

 public slots:
  void cmdOK_Click() override;
  void reject() override;

 protected:
  void OnLoad() override;

 private:
  bool locked_ = false;
};

}  // namespace rd
