#pragma once
#include <QObject>

namespace rd {

// Keeps the keyboard with the program where a desktop without a window
// manager gives it to nobody: a window shown while none of the program's
// is active is activated, and so is the owner of a window that closes.
class WindowActivation : public QObject {
  Q_OBJECT
 public:
  // Watches every window of the application.
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace rd
