#include "toolkit/OwnerMenuBar.h"

#include <QStyleOptionMenuItem>

namespace rd {

OwnerMenuBar::OwnerMenuBar(QWidget* parent) : QMenuBar(parent) { setNativeMenuBar(false); }

void OwnerMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  option->styleObject = const_cast<QAction*>(action);
}

}  // namespace rd
