#include "users/CentredWindow.h"

#include <QEvent>
#include <QWidget>

#include "core/modSingleTable.h"

namespace rd {

namespace {

class FirstShowCentring : public QObject {
 public:
  FirstShowCentring(QWidget* window, int height, int width)
      : QObject(window), height_(height), width_(width) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && window->isWindow()) {
      CenterForm(window, height_, width_);
      deleteLater();
      window->removeEventFilter(this);
    }
    return false;
  }

 private:
  int height_;
  int width_;
};

}  // namespace

void CentreOnFirstShow(QWidget* window, int height, int width) {
  if (window) window->installEventFilter(new FirstShowCentring(window, height, width));
}

}  // namespace rd
