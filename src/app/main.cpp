#include <QApplication>

#include "browse/BrowseWindows.h"
#include "core/modMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("RecordDesk");
  rd::RegisterBrowseWindows();
  return rd::RunApplication(app);
}
