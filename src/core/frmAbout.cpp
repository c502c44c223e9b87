#include "core/frmAbout.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "core/ContactAddresses.h"
#include "core/Globals.h"
#include "core/OpenAddress.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"

namespace rd {
namespace {
constexpr int kWidth = 6000, kHeight = 4200;
constexpr int kMargin = 240, kValueLeft = 1680, kRowHeight = 285;
}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  auto* border = new QFrame(this);
  border->setFrameShape(QFrame::Box);
  border->setGeometry(rect());

  lblProduct = AddLabel(kMargin, 240, kWidth - 2 * kMargin, 480);
  QFont title = lblProduct->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.5);
  lblProduct->setFont(title);

  Label1 = AddLabel(kMargin, 900, kValueLeft - kMargin, kRowHeight);
  txtVersion = new QLineEdit(this);
  txtVersion->setReadOnly(true);
  txtVersion->setGeometry(Twips::ToPx(kValueLeft, 855, 2000, 330));

  Label5 = AddLabel(kMargin, 1320, kValueLeft - kMargin, kRowHeight);
  Label6 = AddLink(QString::fromLatin1(Contact::HomePage), 1320);
  Label7 = AddLabel(kMargin, 1650, kValueLeft - kMargin, kRowHeight);
  Label3 = AddLink(QString::fromLatin1(Contact::SalesMail), 1650);
  Label2 = AddLabel(kMargin, 1980, kValueLeft - kMargin, kRowHeight);
  Label4 = AddLink(QString::fromLatin1(Contact::SupportMail), 1980);
  Label2->installEventFilter(this);

  Frame1 = new QFrame(this);
  Frame1->setFrameShape(QFrame::HLine);
  Frame1->setFrameShadow(QFrame::Sunken);
  Frame1->setGeometry(Twips::ToPx(0, 2460, kWidth, 30));

  lblNotice = AddLabel(kMargin, 2640, kWidth - 2 * kMargin, 600);
  lblNotice->setWordWrap(true);
  lblMaker = AddLabel(kMargin, 3360, kWidth - 2 * kMargin - 1215 - 120, kRowHeight);

  cmdOk = new QPushButton(this);
  cmdOk->setGeometry(Twips::ToPx(kWidth - kMargin - 1215, kHeight - 240 - 375, 1215, 375));
  cmdOk->setDefault(true);
  cmdOk->setFocus();
  connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

  cmdOk->setText(GetLangString(1038));
  lblNotice->setText(QString::fromLatin1(Contact::LegalNotice));
  lblMaker->setText(QString::fromLatin1(Contact::MakerLine));
  lblProduct->setText(AppTitle);
  txtVersion->setText(GetIniString(QStringLiteral("System"), QStringLiteral("Version"), ConfigFile));
  Label1->setText(GetLangString(1086));
  Label5->setText(GetLangString(1087));
  Label7->setText(GetLangString(1088));
  Label2->setText(GetLangString(1097));
}

QLabel* frmAbout::AddLabel(int left, int top, int width, int height) {
  auto* label = new QLabel(this);
  label->setGeometry(Twips::ToPx(left, top, width, height));
  return label;
}

QLabel* frmAbout::AddLink(const QString& text, int top) {
  QLabel* link = AddLabel(kValueLeft, top, kWidth - kValueLeft - kMargin, kRowHeight);
  link->setText(text);
  QFont font = link->font();
  font.setUnderline(true);
  link->setFont(font);
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  link->setPalette(palette);
  link->setCursor(Qt::PointingHandCursor);
  link->installEventFilter(this);
  return link;
}

bool frmAbout::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    const QString mailto = QStringLiteral("mailto:");
    if (watched == Label6)
      OpenAddress(QString::fromLatin1(Contact::HomePage), this);
    else if (watched == Label3)
      OpenAddress(mailto + QString::fromLatin1(Contact::SalesMail), this);
    else if (watched == Label4)
      OpenAddress(mailto + QString::fromLatin1(Contact::SupportMail), this);
    else if (watched == Label2)
      OpenAddress(mailto + QString::fromLatin1(Contact::InfoMail), this);
  }
  return QDialog::eventFilter(watched, e);
}

void frmAbout::showEvent(QShowEvent* e) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
  QDialog::showEvent(e);
}

}  // namespace rd
