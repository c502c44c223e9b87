#pragma once
#include <QPointer>
#include <QProxyStyle>

namespace rd {

class cMenus;

// Measures and paints the items of one cMenus; everything else, and items
// of other menus, go to the base style.
class MenuStyle : public QProxyStyle {
  Q_OBJECT
 public:
  explicit MenuStyle(cMenus* menus);

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;

 private:
  int indexFor(const QStyleOption* option) const;
  QPointer<cMenus> menus_;
};

}  // namespace rd
