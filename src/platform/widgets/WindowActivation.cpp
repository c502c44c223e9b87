#include "platform/widgets/WindowActivation.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace rd {

namespace {

bool IsOrdinaryWindow(const QWidget& w) {
  const Qt::WindowType type = w.windowType();
  return w.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen &&
         !w.testAttribute(Qt::WA_ShowWithoutActivating) &&
         !w.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

bool IsShown(const QWidget* w) { return w && w->isVisible(); }

// True when the keyboard is with no shown window of the program, or with gone.
bool KeyboardLost(const QWidget* gone) {
  const QWidget* active = QApplication::activeWindow();
  return !IsShown(active) || active == gone;
}

}  // namespace

void WindowActivation::Install() { qApp->installEventFilter(new WindowActivation(qApp)); }

void WindowActivation::ShowMaximized(QWidget* window) {
  window->showMaximized();
  QPointer<QWidget> alive(window);
  // A window manager maximises in its own time; without one nothing happens.
  QTimer::singleShot(250, window, [alive] {
    QScreen* screen = alive ? alive->screen() : nullptr;
    if (!screen || !alive->isMaximized()) return;
    const QRect area = screen->availableGeometry();
    if (alive->frameGeometry().size() != area.size()) alive->setGeometry(area);
  });
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate)
    return false;
  if (!watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (!IsOrdinaryWindow(*window)) return false;
  if (type == QEvent::WindowActivate)
    lastActive_ = window;
  else if (type == QEvent::Show)
    Shown(window);
  else
    Hidden(window);
  return false;
}

void WindowActivation::Shown(QWidget* window) {
  QWidget* opener = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  if (!IsShown(opener)) opener = QApplication::activeWindow();
  if (!IsShown(opener) || opener == window) opener = lastActive_;
  if (opener != window) openers_.insert(window, opener);
  connect(window, &QObject::destroyed, this, &WindowActivation::Forget, Qt::UniqueConnection);
  QPointer<QWidget> target(window);
  // After the focus change that showing causes has arrived.
  QTimer::singleShot(0, this, [target] {
    if (!IsShown(target) || target->isActiveWindow()) return;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != target && !modal->isAncestorOf(target)) return;
    target->activateWindow();
  });
}

void WindowActivation::Hidden(QWidget* window) {
  QPointer<QWidget> heir(HeirOf(window));
  openers_.remove(window);
  if (!heir) return;
  const QWidget* gone = window;
  QTimer::singleShot(0, this, [this, heir, gone] {
    if (!KeyboardLost(gone)) return;
    QWidget* target = QApplication::activeModalWidget();
    if (!IsShown(target)) target = heir && heir->isVisible() ? heir.data() : HeirOf(nullptr);
    if (target) target->activateWindow();
  });
}

void WindowActivation::Forget(QObject* window) { openers_.remove(window); }

QWidget* WindowActivation::HeirOf(QWidget* window) const {
  int steps = int(openers_.size());  // openers may have opened each other
  for (QWidget* w = openers_.value(window); w && steps-- > 0; w = openers_.value(w))
    if (w != window && w->isVisible()) return w;
  if (window && window->parentWidget() && window->parentWidget()->window()->isVisible())
    return window->parentWidget()->window();
  if (lastActive_ && lastActive_ != window && lastActive_->isVisible()) return lastActive_;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != window && w->isVisible() && IsOrdinaryWindow(*w)) return w;
  return nullptr;
}

}  // namespace rd
