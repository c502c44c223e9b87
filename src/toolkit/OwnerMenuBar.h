#pragma once
#include <QMenuBar>

namespace rd {

// The menu bar of a cMenus: lets the style see which item it measures or
// paints.
class OwnerMenuBar : public QMenuBar {
  Q_OBJECT
 public:
  explicit OwnerMenuBar(QWidget* parent);

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace rd
