#pragma once
#include <QMenuBar>
#include <QPointer>

namespace rd {

// The menu bar of a cMenus: lets the style see which item it measures or
// paints, and repaints a title as the highlight reaches or leaves it,
// disabled titles too (Qt repaints only enabled ones, and the owner's
// styles may light a disabled title as any other).
class OwnerMenuBar : public QMenuBar {
  Q_OBJECT
 public:
  explicit OwnerMenuBar(QWidget* parent);

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void followHighlight();
  QPointer<QAction> lit_;
};

}  // namespace rd
