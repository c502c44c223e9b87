#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace rd {

// Keeps the keyboard with the program where a desktop without a window
// manager gives it to nobody: a window that is shown takes the keyboard
// (unless a modal window it does not belong to holds it), and when a
// window closes the keyboard goes back to the window that opened it, or
// to the modal window that is still open.
class WindowActivation : public QObject {
  Q_OBJECT
 public:
  // Watches every window of the application.
  static void Install();
  // Shows window maximised; where nothing carries that out, the window
  // takes the available area of its screen itself.
  static void ShowMaximized(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
  void Shown(QWidget* window);
  void Hidden(QWidget* window);
  void Forget(QObject* window);
  // The first shown window among the openers of window, the window that
  // was active last and the program's top-level windows.
  QWidget* HeirOf(QWidget* window) const;

  QHash<const QObject*, QPointer<QWidget>> openers_;
  QPointer<QWidget> lastActive_;
};

}  // namespace rd
