#include "toolkit/MenuStyle.h"

#include <QAction>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "toolkit/cMenus.h"

namespace rd {

namespace {
// Room beside a menu-bar caption, as the window system leaves it.
constexpr int kBarItemPadding = 6;
// Room the window system adds to a measured menu item for its check mark.
constexpr int kCheckMarkRoom = 12;
}  // namespace

MenuStyle::MenuStyle(cMenus* menus) : QProxyStyle(QStyleFactory::create("Fusion")), menus_(menus) {}

int MenuStyle::indexFor(const QStyleOption* option) const {
  if (!menus_ || !option) return 0;
  const auto* action = qobject_cast<const QAction*>(option->styleObject);
  if (!action) return 0;
  return menus_->IndexForAction(action);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                  const QSize& size, const QWidget* widget) const {
  if (type == CT_MenuItem || type == CT_MenuBarItem) {
    if (const int index = indexFor(option)) {
      try {
        if (std::optional<QSize> s = menus_->OnMeasureItem(index)) {
          s->rwidth() += type == CT_MenuBarItem ? 2 * kBarItemPadding : kCheckMarkRoom;
          // A size of 0 would drop the item from the menu.
          return QSize(qMax(1, s->width()), qMax(1, s->height()));
        }
      } catch (...) {
        return QSize(1, 1);
      }
    }
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                            QPainter* painter, const QWidget* widget) const {
  if ((element == CE_MenuItem || element == CE_MenuBarItem) && menus_ &&
      (menus_->DrawStyle() == 0 || menus_->DrawStyle() == 1)) {
    if (const int index = indexFor(option)) {
      const bool enabled = option->state & State_Enabled;
      bool selected = option->state & State_Selected;
      bool hot = false;
      if (element == CE_MenuBarItem) {
        hot = selected && !(option->state & State_Sunken);
        selected = selected && (option->state & State_Sunken);
      }
      try {
        menus_->OnDrawItem(index, painter, option->rect, selected, !enabled, hot);
      } catch (...) {
      }
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  switch (metric) {
    case PM_MenuBarItemSpacing: return 0;
    case PM_MenuHMargin: return 0;
    case PM_MenuVMargin: return 2;
    case PM_MenuPanelWidth: return 1;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_Menu_Scrollable: return 1;
    case SH_Menu_AllowActiveAndDisabled: return 1;
    case SH_MenuBar_AltKeyNavigation: return 1;
    default: return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

}  // namespace rd
