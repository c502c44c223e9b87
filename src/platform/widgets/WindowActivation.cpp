#include "platform/widgets/WindowActivation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace rd {

void WindowActivation::Install() {
  qApp->installEventFilter(new WindowActivation(qApp));
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (!window->isWindow() || window->windowType() == Qt::Popup ||
      window->windowType() == Qt::ToolTip)
    return false;
  QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  QPointer<QWidget> target = type == QEvent::Show ? window : owner;
  if (!target) return false;
  // After the focus change that showing or hiding causes has arrived.
  QTimer::singleShot(0, this, [target] {
    const QWidget* active = QApplication::activeWindow();
    if (target && target->isVisible() && (!active || !active->isVisible()))
      target->activateWindow();
  });
  return false;
}

}  // namespace rd
