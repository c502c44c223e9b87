#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

// Changes the current user's password: the old one must match and the new
// one must be typed twice alike. An empty new password is stored as NULL,
// anything else as typed. The opener gives the caption.
class frmChangePwd : public QDialog {
  Q_OBJECT

 public:
  explicit frmChangePwd(QWidget* parent = nullptr);

  QLineEdit* txtOldPwd;
  QLineEdit* txtNewPwd;
  QLineEdit* txtConfirmPwd;
  QLabel* lblOldPwd;
  QLabel* lblNewPwd;
  QLabel* lblConfirmPwd;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 public slots:
  void cmdOK_Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Warn(const QString& text);
};

}  // namespace rd
