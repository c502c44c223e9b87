#include "core/UserPasswordDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/PasswordBox.h"

namespace rd {

UserPasswordDialog::UserPasswordDialog(int width, int height, int rowsTop, QWidget* parent)
    : QDialog(parent) {
  setFixedSize(Twips::ToPx(width), Twips::ToPx(height));
  lblUserName = new QLabel(this);
  lblPassword = new QLabel(this);
  txtUserName = new QLineEdit(this);
  txtPassword = new QLineEdit(this);
  MaskAsPassword(txtPassword);
  cmdOK = new QPushButton(this);
  cmdCancel = new QPushButton(this);

  const int labelLeft = 480, boxLeft = 1800, boxWidth = width - boxLeft - 480;
  lblUserName->setGeometry(Twips::ToPx(labelLeft, rowsTop + 45, boxLeft - labelLeft - 60, 300));
  txtUserName->setGeometry(Twips::ToPx(boxLeft, rowsTop, boxWidth, 375));
  lblPassword->setGeometry(Twips::ToPx(labelLeft, rowsTop + 525, boxLeft - labelLeft - 60, 300));
  txtPassword->setGeometry(Twips::ToPx(boxLeft, rowsTop + 480, boxWidth, 375));
  const int buttonWidth = 1200, buttonTop = height - 420 - 360;
  cmdCancel->setGeometry(Twips::ToPx(width - 480 - buttonWidth, buttonTop, buttonWidth, 420));
  cmdOK->setGeometry(Twips::ToPx(width - 480 - 2 * buttonWidth - 180, buttonTop, buttonWidth, 420));

  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  cmdCancel->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void UserPasswordDialog::Load() {
  if (loaded_) return;
  loaded_ = true;
  setWindowTitle(GetLangString(1034));
  lblUserName->setText(GetLangString(1035));
  lblPassword->setText(GetLangString(1036));
  cmdOK->setText(GetLangString(1038));
  cmdCancel->setText(GetLangString(1039));
  txtUserName->setText(userName_);
  txtPassword->setText(password_);
  OnLoad();
}

bool UserPasswordDialog::ReadBoxes(QString* user, QString* password, QLineEdit* focusOnEmpty) {
  *user = TrimAll(txtUserName->text());
  *password = TrimAll(txtPassword->text());
  if (!user->isEmpty()) return true;
  Warn(1033);
  focusOnEmpty->setFocus();
  return false;
}

void UserPasswordDialog::Warn(int key) {
  MsgBox(GetLangString(key), MsgIcon::Exclamation, MsgButtons::OkOnly, AppTitle, this);
}

void UserPasswordDialog::showEvent(QShowEvent* e) {
  Load();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
  QDialog::showEvent(e);
}

}  // namespace rd
