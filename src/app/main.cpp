#include <QApplication>

#include "core/modMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("RecordDesk");
  return rd::RunApplication(app);
}
