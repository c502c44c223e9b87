#pragma once
#include <QWidget>
#include <exception>

#include "platform/ui/Ui.h"

namespace rd {

// Runs an event handler's work; an error it raises is shown in one
// critical box titled with the window's caption, and the window stays.
template <class Work>
void RunGuarded(QWidget* window, Work&& work) {
  try {
    work();
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()), MsgIcon::Critical, MsgButtons::OkOnly,
           window->windowTitle(), window);
  }
}

}  // namespace rd
