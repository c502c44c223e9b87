#include "core/modMain.h"

#include <QApplication>

namespace rd {
int RunApplication(QApplication& app) { return 0; }
}  // namespace rd
