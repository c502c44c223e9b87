#include "core/frmChangePwd.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modUser.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/PasswordBox.h"

namespace rd {
namespace {
constexpr int kWidth = 6000, kHeight = 2940, kLabelLeft = 480, kBoxLeft = 2400;
}

frmChangePwd::frmChangePwd(QWidget* parent) : QDialog(parent) {
  setFixedSize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  QLabel** labels[] = {&lblOldPwd, &lblNewPwd, &lblConfirmPwd};
  QLineEdit** boxes[] = {&txtOldPwd, &txtNewPwd, &txtConfirmPwd};
  const int keys[] = {1090, 1091, 1092};
  for (int i = 0; i < 3; ++i) {
    const int top = 300 + i * 480;
    QLabel* label = *labels[i] = new QLabel(GetLangString(keys[i]), this);
    label->setGeometry(Twips::ToPx(kLabelLeft, top + 45, kBoxLeft - kLabelLeft - 60, 300));
    QLineEdit* box = *boxes[i] = new QLineEdit(this);
    MaskAsPassword(box);
    box->setGeometry(Twips::ToPx(kBoxLeft, top, kWidth - kBoxLeft - 480, 375));
  }
  cmdOK = new QPushButton(GetLangString(1038), this);
  cmdCancel = new QPushButton(GetLangString(1039), this);
  const int buttonWidth = 1200, buttonTop = kHeight - 420 - 300;
  cmdCancel->setGeometry(Twips::ToPx(kWidth - 480 - buttonWidth, buttonTop, buttonWidth, 420));
  cmdOK->setGeometry(Twips::ToPx(kWidth - 480 - 2 * buttonWidth - 180, buttonTop, buttonWidth, 420));
  cmdOK->setDefault(true);
  cmdCancel->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, &frmChangePwd::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChangePwd::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

void frmChangePwd::cmdOK_Click() {
  const QString oldPwd = TrimAll(txtOldPwd->text());
  const QString newPwd = TrimAll(txtNewPwd->text());
  const QString confirm = TrimAll(txtConfirmPwd->text());
  const QString user = UserInfo ? UserInfo->LoginUser : QString();
  if (!CheckUser(user, oldPwd)) {
    Warn(GetLangString(1041));
    txtOldPwd->setFocus();
    return;
  }
  if (confirm != newPwd) {
    Warn(GetLangString(1042));
    txtNewPwd->setFocus();
    return;
  }
  // Bound, so that only an empty password becomes NULL.
  const QVariant stored = newPwd.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : newPwd;
  if (!DbConnection ||
      !DbConnection->ExecuteBound("update tblUser set [Password]=? where UserName=?",
                                  {stored, user})) {
    MsgBox(DbConnection ? DbConnection->LastError() : QString(), MsgIcon::Critical,
           MsgButtons::OkOnly, windowTitle(), this);
    return;
  }
  accept();
}

void frmChangePwd::showEvent(QShowEvent* e) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
  QDialog::showEvent(e);
}

}  // namespace rd
