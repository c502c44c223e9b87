#include "toolkit/OwnerMenu.h"

#include <QKeyEvent>
#include <QStyleOptionMenuItem>

#include "toolkit/cMenus.h"

namespace rd {

OwnerMenu::OwnerMenu(cMenus* menus, QWidget* parent) : QMenu(parent), menus_(menus) {
  setSeparatorsCollapsible(false);
}

void OwnerMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  option->styleObject = const_cast<QAction*>(action);
  if (menus_) {
    const int index = menus_->IndexForAction(action);
    if (index && menus_->ItemChecked(index)) {
      option->checked = true;
      option->checkType = QStyleOptionMenuItem::NonExclusive;
    }
  }
}

void OwnerMenu::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (menus_ && text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace() &&
      !(event->modifiers() & Qt::ControlModifier)) {
    const int position = menus_->OnMenuChar(this, text.at(0));
    if (position >= 0) {
      setActiveAction(actions().value(position));
      QKeyEvent run(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QMenu::keyPressEvent(&run);
    }
    event->accept();
    return;
  }
  QMenu::keyPressEvent(event);
}

}  // namespace rd
