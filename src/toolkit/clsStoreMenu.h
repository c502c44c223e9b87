#pragma once
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace rd {

// One menu item of a cMenus. Index is the item's position (from 0) in the
// menu that holds it (hMenu). Enabled, checked and break states live in
// the native item (Action) and are read from there.
struct clsStoreMenu {
  int ID = 0;
  int OwnerDrawID = 0;
  QString Caption;
  QString Name;
  QString HelpText;
  QString Image;
  int ParentHandle = 0;
  QString KeyAccel;
  bool OwnerDraw = false;
  int CheckedStyle = 0;
  bool HasSub = false;
  bool AtRunTime = false;
  int OwnerDrawData = 0;
  int Index = 0;
  int Break = 0;
  QPointer<QWidget> hMenu;
  bool Separator = false;
  bool TopMenu = false;
  QPointer<QMenu> hSubMenu;
  int ParentID = 0;
  bool DestroyMe = false;
  QString AccelChar;
  QString Description;
  QString Tag;
  bool InVisible = false;
  QPointer<QAction> Action;
};

}  // namespace rd
