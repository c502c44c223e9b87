#include "platform/widgets/TabOrder.h"

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

}  // namespace

QWidget* SetVisualTabOrder(QWidget* window) {
  if (!window) return nullptr;
  std::vector<std::pair<QPoint, QWidget*>> stops;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (takesTab(*w, *window)) stops.emplace_back(w->mapTo(window, QPoint(0, 0)), w);
  std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) {
    return a.first.y() != b.first.y() ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
  });
  for (size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
  return stops.empty() ? nullptr : stops.front().second;
}

}  // namespace rd
