#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

// Lets the user correct the server settings when start-up cannot connect,
// and create the database. OK with settings that connect saves them and
// accepts; Cancel, Esc and the close box drop any connection that OK did
// not make (one left on "master" by a creation among them).
class frmConnect : public QDialog {
  Q_OBJECT

 public:
  explicit frmConnect(QWidget* parent = nullptr);

  QLabel* lblServerName;
  QLabel* lblUserID;
  QLabel* lblPassword;
  QLabel* lblDatabase;
  QLineEdit* txtServerName;
  QLineEdit* txtUserID;
  QLineEdit* txtPassword;
  QLineEdit* txtDatabase;
  QPushButton* cmdCreateDB;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 public slots:
  void cmdOK_Click();
  void cmdCreateDB_Click();
  void reject() override;
};

}  // namespace rd
