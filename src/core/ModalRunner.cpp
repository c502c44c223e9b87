#include "core/ModalRunner.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace rd {
namespace {

// Leaves the loop when the watched window is hidden (closing hides it).
class HideWatcher : public QObject {
 public:
  explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Hide) loop_.quit();
    return QObject::eventFilter(watched, e);
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

void ModalRunner::Run(QWidget* window) {
  if (!window) return;
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
    return;
  }
  QPointer<QWidget> alive(window);
  QEventLoop loop;
  HideWatcher watcher(loop);
  window->installEventFilter(&watcher);
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window->setWindowFlag(Qt::Window, true);
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
  loop.exec();
  if (alive) window->removeEventFilter(&watcher);
}

}  // namespace rd
