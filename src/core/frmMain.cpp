#include "core/frmMain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"

namespace rd {
namespace {
QPointer<frmMain>& current() {
  static QPointer<frmMain> w;
  return w;
}
}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(AppTitle);
  resize(Twips::ToPx(12000), Twips::ToPx(8400));
  userNamePanel_ = new QLabel(
      ReplaceParams(GetLangString(1040), {UserInfo ? UserInfo->LoginUser : QString()}), this);
  statusBar()->addWidget(userNamePanel_, 1);
  current() = this;
}

frmMain::~frmMain() {
  if (current() == this) current() = nullptr;
}

frmMain* frmMain::Current() { return current(); }

void frmMain::closeEvent(QCloseEvent* e) {
  ReleaseGlobals();
  if (current() == this) current() = nullptr;
  e->accept();
}

}  // namespace rd
