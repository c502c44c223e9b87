#include "platform/widgets/ComboLock.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace rd {
namespace {

class ComboLockFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
        return true;
      case QEvent::KeyPress:
        return !passesThrough(static_cast<QKeyEvent*>(event)->key());
      default:
        return false;
    }
  }

 private:
  static bool passesThrough(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape ||
           key == Qt::Key_Return || key == Qt::Key_Enter;
  }
};

}  // namespace

void LockCombo(QComboBox* box) {
  if (!box) return;
  if (QLineEdit* edit = box->lineEdit()) edit->setReadOnly(true);
  box->installEventFilter(new ComboLockFilter(box));
}

}  // namespace rd
