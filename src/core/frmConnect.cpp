#include "core/frmConnect.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/modBackup.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/PasswordBox.h"

namespace rd {
namespace {
constexpr int kWidth = 5280, kHeight = 3195;
constexpr int kLabelLeft = 120, kBoxLeft = 1440, kRowHeight = 375;
constexpr int kLabelWidth = 1335, kBoxWidth = 3015;
}  // namespace

frmConnect::frmConnect(QWidget* parent) : QDialog(parent) {
  setFixedSize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  setWindowTitle(GetLangString(1064));

  QLabel** labels[] = {&lblServerName, &lblUserID, &lblPassword, &lblDatabase};
  QLineEdit** boxes[] = {&txtServerName, &txtUserID, &txtPassword, &txtDatabase};
  const char* keys[] = {"ServerName", "UserID", "Password", "DataBaseName"};
  for (int row = 0; row < 4; ++row) {
    const int top = 240 + row * 600;
    auto* label = new QLabel(GetLangString(1065 + row), this);
    label->setGeometry(Twips::ToPx(kLabelLeft, top, kLabelWidth, kRowHeight));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    *labels[row] = label;
    auto* box = new QLineEdit(GetIniString("System", keys[row], ConfigFile), this);
    box->setGeometry(Twips::ToPx(kBoxLeft, top, kBoxWidth, kRowHeight));
    *boxes[row] = box;
  }
  MaskAsPassword(txtPassword);

  cmdCreateDB = new QPushButton(GetLangString(1114), this);
  cmdCreateDB->setGeometry(Twips::ToPx(240, 2640, 1575, kRowHeight));
  cmdOK = new QPushButton(GetLangString(1038), this);
  cmdOK->setGeometry(Twips::ToPx(2040, 2640, 1335, kRowHeight));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(GetLangString(1039), this);
  cmdCancel->setGeometry(Twips::ToPx(3720, 2640, 1335, kRowHeight));
  for (QPushButton* b : {cmdCreateDB, cmdCancel}) b->setAutoDefault(false);

  setTabOrder(txtServerName, txtUserID);
  setTabOrder(txtUserID, txtPassword);
  setTabOrder(txtPassword, txtDatabase);
  setTabOrder(txtDatabase, cmdOK);
  setTabOrder(cmdOK, cmdCancel);
  setTabOrder(cmdCancel, cmdCreateDB);
  txtServerName->setFocus();

  connect(cmdOK, &QPushButton::clicked, this, &frmConnect::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmConnect::reject);
  connect(cmdCreateDB, &QPushButton::clicked, this, &frmConnect::cmdCreateDB_Click);
}

void frmConnect::cmdOK_Click() {
  const QString server = TrimAll(txtServerName->text());
  const QString user = TrimAll(txtUserID->text());
  const QString password = TrimAll(txtPassword->text());
  const QString database = TrimAll(txtDatabase->text());
  if (!DatabaseConnector::Open(ServerType, database, password, server, user)) {
    MsgBox(GetLangString(1031), MsgIcon::Exclamation, MsgButtons::OkOnly, AppTitle, this);
    txtServerName->setFocus();
    return;
  }
  const std::pair<const char*, QString> saved[] = {
      {"ServerName", server}, {"UserID", user}, {"Password", password}, {"DataBaseName", database}};
  for (const auto& [key, value] : saved)
    if (!SaveSetting("System", key, value, this)) break;
  accept();
}

void frmConnect::cmdCreateDB_Click() { CreateDatabase(*this); }

void frmConnect::reject() {
  // Only a successful OK leaves a connection for start-up to go on with.
  CloseConnection();
  QDialog::reject();
}

}  // namespace rd
