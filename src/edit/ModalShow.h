#pragma once
#include <functional>

class QDialog;

namespace rd {

// Shows the editors' dialogs modally; tests put in their own runner so
// that a dialog is driven without an event loop of its own.
class ModalShow {
 public:
  using Runner = std::function<void(QDialog*)>;
  static void Exec(QDialog* dialog);
  // An empty runner restores exec().
  static void SetRunner(Runner runner);
};

}  // namespace rd
