#include "platform/widgets/ToolbarKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>

namespace rd {

namespace {

bool IsPressKey(const QKeyEvent& e) {
  const int key = e.key();
  return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
         (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class TabChainMember : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The toolbar makes its buttons when an action is added, without focus.
    if (event->type() == QEvent::ChildPolished) {
      auto* button = qobject_cast<QToolButton*>(static_cast<QChildEvent*>(event)->child());
      if (button && button->focusPolicy() != Qt::TabFocus) {
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
      }
      return false;
    }
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button) return false;
    if (event->type() == QEvent::ShortcutOverride && IsPressKey(*static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (IsPressKey(*key) && key->key() != Qt::Key_Space) {
        button->click();
        return true;
      }
    }
    return false;
  }
};

}  // namespace

void JoinTabChain(QToolBar* bar) {
  if (!bar) return;
  auto* member = new TabChainMember(bar);
  bar->installEventFilter(member);
  for (QToolButton* button : bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(member);
  }
}

}  // namespace rd
