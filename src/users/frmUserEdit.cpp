#include "users/frmUserEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/ModuleWindow.h"
#include "core/modCommon.h"
#include "core/modUser.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ButtonRow.h"
#include "users/UserStore.h"

namespace rd {

namespace {
constexpr int kUserName = 1052;
constexpr int kPassword = 1053;
constexpr int kValid = 1054;
constexpr int kAdmin = 1055;
constexpr int kSave = 1056;
constexpr int kSaveAndAdd = 1057;
constexpr int kCancel = 1039;
constexpr int kNameMissing = 1058;
constexpr int kUserGone = 1216;
constexpr int kNameTaken = 1218;
constexpr int kLineBreak = 1270;
}  // namespace

frmUserEdit::frmUserEdit(QWidget* parent)
    : QDialog(parent),
      lblUserID_(new QLabel(this)),
      txtUserID_(new QLineEdit(this)),
      lblPassword_(new QLabel(this)),
      txtPassword_(new QLineEdit(this)),
      chkValid_(new QCheckBox(this)),
      chkAdmin_(new QCheckBox(this)),
      cmdSave_(new QPushButton(this)),
      cmdAdd_(new QPushButton(this)),
      cmdCancel_(new QPushButton(this)) {
  txtUserID_->setObjectName(QStringLiteral("txtUserID"));
  txtPassword_->setObjectName(QStringLiteral("txtPassword"));
  chkValid_->setObjectName(QStringLiteral("chkValid"));
  chkAdmin_->setObjectName(QStringLiteral("chkAdmin"));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  lblUserID_->setBuddy(txtUserID_);
  lblPassword_->setBuddy(txtPassword_);

  auto* fields = new QGridLayout;
  fields->addWidget(lblUserID_, 0, 0);
  fields->addWidget(txtUserID_, 0, 1);
  fields->addWidget(lblPassword_, 1, 0);
  fields->addWidget(txtPassword_, 1, 1);
  fields->addWidget(chkValid_, 2, 1);
  fields->addWidget(chkAdmin_, 3, 1);
  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdAdd_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  setTabOrder(txtUserID_, txtPassword_);
  setTabOrder(txtPassword_, chkValid_);
  setTabOrder(chkValid_, chkAdmin_);
  setTabOrder(chkAdmin_, cmdSave_);
  setTabOrder(cmdSave_, cmdAdd_);
  setTabOrder(cmdAdd_, cmdCancel_);
  cmdAdd_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &frmUserEdit::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmUserEdit::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

  InitCaptions();
  chkValid_->setChecked(true);
  chkAdmin_->setChecked(false);
}

void frmUserEdit::InitCaptions() {
  lblUserID_->setText(GetLangString(kUserName));
  lblPassword_->setText(GetLangString(kPassword));
  chkValid_->setText(GetLangString(kValid));
  chkAdmin_->setText(GetLangString(kAdmin));
  cmdSave_->setText(GetLangString(kSave));
  cmdAdd_->setText(GetLangString(kSaveAndAdd));
  cmdCancel_->setText(GetLangString(kCancel));
}

bool frmUserEdit::GetData() {
  UserRecord user;
  QString error;
  if (!UserStore::Load(id_, user, &error)) {
    if (error.isEmpty())
      Warn(GetLangString(kUserGone));
    else
      ShowError(error);
    return false;
  }
  txtUserID_->setText(user.userName);
  txtPassword_->setText(user.password);
  chkValid_->setChecked(user.isEnable);
  chkAdmin_->setChecked(user.isAdmin);
  return true;
}

bool frmUserEdit::ValidateData() {
  if (txtUserID_->text().trimmed().isEmpty()) {
    Warn(GetLangString(kNameMissing));
    txtUserID_->setFocus();
    return false;
  }
  // The name is written into the settings at login, one line per value.
  const QString name = txtUserID_->text().trimmed();
  if (name.contains('\n') || name.contains('\r')) {
    Warn(ReplaceParams(GetLangString(kLineBreak), {lblUserID_->text()}));
    txtUserID_->setFocus();
    return false;
  }
  return true;
}

bool frmUserEdit::SaveData() {
  if (!ValidateData()) return false;
  UserRecord user;
  user.userName = txtUserID_->text().trimmed();
  user.password = txtPassword_->text().trimmed();
  user.isEnable = chkValid_->isChecked();
  user.isAdmin = chkAdmin_->isChecked();
  QString error;
  const std::optional<bool> taken =
      UserStore::NameTaken(user.userName, editMode_ == 0 ? 0 : id_, &error);
  if (!taken) {
    ShowError(error);
    return false;
  }
  if (*taken) {
    Warn(ReplaceParams(GetLangString(kNameTaken), {user.userName}));
    txtUserID_->setFocus();
    return false;
  }
  const bool saved = editMode_ == 0 ? UserStore::Add(user, &error)
                                    : UserStore::Modify(id_, oldUserName_, user, &error);
  if (!saved) {
    if (error.isEmpty())
      Warn(GetLangString(kUserGone));
    else
      ShowError(error);
    return false;
  }
  if (editMode_ != 0) RenameLoginUser(oldUserName_, user.userName);
  if (form_) form_->RefreshData(QString());
  return true;
}

void frmUserEdit::ClearFields() {
  txtUserID_->clear();
  txtPassword_->clear();
  chkValid_->setChecked(true);
  chkAdmin_->setChecked(false);
  txtUserID_->setFocus();
}

void frmUserEdit::cmdSave_Click() {
  if (SaveData()) accept();
}

void frmUserEdit::cmdAdd_Click() {
  if (!SaveData()) return;
  ClearFields();
  editMode_ = 0;
}

void frmUserEdit::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

void frmUserEdit::ShowError(const QString& error) {
  MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

}  // namespace rd
