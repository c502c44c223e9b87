#include <QApplication>

#include "browse/BrowseWindows.h"
#include "core/CoreWindows.h"
#include "core/modMain.h"
#include "designer/DesignerWindows.h"
#include "edit/EditWindows.h"
#include "masterdetail/MasterDetailWindows.h"
#include "users/UserWindows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("RecordDesk");
  rd::RegisterCoreWindows();
  rd::RegisterBrowseWindows();
  rd::RegisterEditWindows();
  rd::RegisterMasterDetailWindows();
  rd::RegisterDesignerWindows();
  rd::RegisterUserWindows();
  return rd::RunApplication(app);
}
