#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <Qt>

namespace rd {

class cMenus;

// The application-wide key filter of the menu managers: every key press
// reaching a window becomes a shortcut name ("Ctrl+Shift+F5") offered to
// each registered manager in registration order. The first manager that
// fires an item with ConsumeKeys set swallows the key. The filter exists
// while at least one manager is registered.
class modSubClass {
 public:
  static void AttachKeyHook(cMenus* menus);
  static void DetachKeyHook(cMenus* menus);
  static bool IsHookInstalled();
  // True when the key was swallowed.
  static bool Dispatch(const QString& name);

  // The name of a virtual-key code with its modifiers; "" for keys
  // without a name.
  static QString KeyName(int vk, bool alt, bool ctrl, bool shift);
  // The virtual-key code of a Qt key, 0 for keys without one. Shifted
  // digits of the US layout count as their digit keys.
  static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

 private:
  static QList<QPointer<cMenus>>& managers();
};

}  // namespace rd
