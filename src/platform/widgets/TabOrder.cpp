#include "platform/widgets/TabOrder.h"

#include <QToolBar>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace rd {

namespace {

bool takesTab(const QWidget& w, const QWidget& window) {
  // A control that hands its focus on (an editable combo's line edit) is
  // reached through the one it names.
  return (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w.focusProxy() &&
         w.isVisibleTo(&window) && w.isEnabledTo(&window) && !w.isWindow();
}

// Toolbar buttons come after the window's own controls.
bool onToolbar(const QWidget& w) { return qobject_cast<const QToolBar*>(w.parentWidget()); }

}  // namespace

QWidget* SetVisualTabOrder(QWidget* window) {
  if (!window) return nullptr;
  struct Stop {
    bool onToolbar;
    QPoint place;
    QWidget* widget;
  };
  std::vector<Stop> stops;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (takesTab(*w, *window))
      stops.push_back({onToolbar(*w), w->mapTo(window, QPoint(0, 0)), w});
  std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
    if (a.onToolbar != b.onToolbar) return b.onToolbar;
    return a.place.y() != b.place.y() ? a.place.y() < b.place.y() : a.place.x() < b.place.x();
  });
  for (size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
  return stops.empty() ? nullptr : stops.front().widget;
}

}  // namespace rd
