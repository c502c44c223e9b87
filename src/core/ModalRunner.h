#pragma once

class QWidget;

namespace rd {

// Shows a window modally and returns once it is closed. Tests put in their
// own so that the main window's tools run without blocking.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  virtual void Run(QWidget* window);
};

}  // namespace rd
