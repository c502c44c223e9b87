#pragma once
class QApplication;
namespace rd {
int RunApplication(QApplication& app);
}
