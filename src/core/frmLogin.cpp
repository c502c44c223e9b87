#include "core/frmLogin.h"

#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modUser.h"
#include "platform/ui/Twips.h"

namespace rd {
namespace {
constexpr int kWidth = 6000, kHeight = 3660, kBannerHeight = 1260;
}

frmLogin::frmLogin(QWidget* parent) : UserPasswordDialog(kWidth, kHeight, kBannerHeight + 360, parent) {
  Label1 = new QLabel(this);
  lblDesc = new QLabel(this);
  Label1->setGeometry(Twips::ToPx(360, 180, kWidth - 720, 480));
  lblDesc->setGeometry(Twips::ToPx(360, 690, kWidth - 720, 420));
  lblDesc->setWordWrap(true);
  QFont title = Label1->font();
  title.setPointSizeF(title.pointSizeF() * 1.6);
  title.setBold(true);
  Label1->setFont(title);
  for (QLabel* l : {Label1, lblDesc}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
  }
}

void frmLogin::OnLoad() {
  Label1->setText(GetLangString(1000));
  lblDesc->setText(GetLangString(1113));
}

void frmLogin::paintEvent(QPaintEvent*) {
  // The fixed background picture: a banner above a light pane.
  QPainter p(this);
  const int banner = Twips::ToPx(kBannerHeight);
  QLinearGradient g(0, 0, width(), banner);
  g.setColorAt(0, QColor(24, 60, 120));
  g.setColorAt(1, QColor(52, 110, 180));
  p.fillRect(0, 0, width(), banner, g);
  QLinearGradient pane(0, banner, 0, height());
  pane.setColorAt(0, QColor(246, 248, 252));
  pane.setColorAt(1, QColor(226, 232, 242));
  p.fillRect(0, banner, width(), height() - banner, pane);
  p.setPen(QColor(190, 200, 215));
  p.drawLine(0, banner, width(), banner);
}

void frmLogin::cmdOK_Click() {
  QString user, password;
  if (!ReadBoxes(&user, &password, txtUserName)) return;
  if (!CheckUser(user, password)) {
    Warn(1032);
    txtUserName->setFocus();
    return;
  }
  SaveSetting("System", "LoginUser", user, this);
  SetLoginUser(user);
  accept();
}

void frmLogin::reject() {
  UserInfo.reset();
  CloseConnection();
  UserPasswordDialog::reject();
}

}  // namespace rd
