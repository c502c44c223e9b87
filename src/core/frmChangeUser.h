#pragma once
#include <QPointer>

#include "core/UserPasswordDialog.h"

namespace rd {

// Changes the logged-in user while the main window is hidden. Shown
// modeless and without a parent (the main window it replaces is deleted);
// it deletes itself when it closes. OK with a good name and password opens
// a new connection, replaces the main window, the connection and UserInfo;
// a connection that cannot be opened changes nothing. Cancel, Esc and the
// close box show the old main window again.
class frmChangeUser : public UserPasswordDialog {
  Q_OBJECT

 public:
  explicit frmChangeUser(QWidget* mainWindow = nullptr);

 public slots:
  void cmdOK_Click() override;
  void reject() override;

 private:
  QPointer<QWidget> mainWindow_;
  bool finished_ = false;
};

}  // namespace rd
