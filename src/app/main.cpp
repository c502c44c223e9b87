#include <QApplication>
#include <QFont>
#include <QIcon>

#include "browse/BrowseWindows.h"
#include "core/CoreWindows.h"
#include "core/modMain.h"
#include "designer/DesignerWindows.h"
#include "edit/EditWindows.h"
#include "masterdetail/MasterDetailWindows.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/widgets/WindowActivation.h"
#include "users/UserWindows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("RecordDesk");
  // Every window without a picture of its own shows the program's.
  QApplication::setWindowIcon(QIcon(rd::ProgramFolder::File("icons/recorddesk.png")));
  QGuiApplication::setDesktopFileName("recorddesk");
  rd::WindowActivation::Install();
  // The windows are laid out in twips for a small dialog font.
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  rd::RegisterCoreWindows();
  rd::RegisterBrowseWindows();
  rd::RegisterEditWindows();
  rd::RegisterMasterDetailWindows();
  rd::RegisterDesignerWindows();
  rd::RegisterUserWindows();
  return rd::RunApplication(app);
}
