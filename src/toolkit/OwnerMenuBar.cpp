#include "toolkit/OwnerMenuBar.h"

#include <QStyleOptionMenuItem>

namespace rd {

OwnerMenuBar::OwnerMenuBar(QWidget* parent) : QMenuBar(parent) { setNativeMenuBar(false); }

void OwnerMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  option->styleObject = const_cast<QAction*>(action);
}

void OwnerMenuBar::mouseMoveEvent(QMouseEvent* event) {
  QMenuBar::mouseMoveEvent(event);
  followHighlight();
}

void OwnerMenuBar::keyPressEvent(QKeyEvent* event) {
  QMenuBar::keyPressEvent(event);
  followHighlight();
}

void OwnerMenuBar::leaveEvent(QEvent* event) {
  QMenuBar::leaveEvent(event);
  followHighlight();
}

void OwnerMenuBar::followHighlight() {
  QAction* now = activeAction();
  if (now == lit_) return;
  if (lit_) update(actionGeometry(lit_));
  if (now) update(actionGeometry(now));
  lit_ = now;
}

}  // namespace rd
