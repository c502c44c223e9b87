#pragma once
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace rd {

// Enter and Return, while widget has the focus, run slot in context's thread
// and lifetime: the keyboard's double click on a list.
template <typename Context, typename Slot>
void OnEnterKey(QWidget* widget, Context* context, Slot slot) {
  for (const QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(key, widget);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, context, slot);
  }
}

}  // namespace rd
