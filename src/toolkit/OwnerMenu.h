#pragma once
#include <QMenu>
#include <QPointer>

namespace rd {

class cMenus;

// A popup of a cMenus: lets the style see which item it measures or
// paints, and answers mnemonic keys the manager's way (the first item in
// list order with that letter runs).
class OwnerMenu : public QMenu {
  Q_OBJECT
 public:
  OwnerMenu(cMenus* menus, QWidget* parent);

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPointer<cMenus> menus_;
};

}  // namespace rd
