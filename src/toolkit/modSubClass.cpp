#include "toolkit/modSubClass.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include "toolkit/cMenus.h"

namespace rd {

namespace {

class KeyHookFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A key press reaches the window first and then each widget it is
    // sent on to; the window's delivery counts once.
    if (event->type() != QEvent::KeyPress || !qobject_cast<QWindow*>(watched)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    const int vk = modSubClass::VirtualKey(key->key(), mods);
    const QString name = modSubClass::KeyName(vk, mods & Qt::AltModifier,
                                              mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
    return modSubClass::Dispatch(name);
  }
};

KeyHookFilter* hook = nullptr;

}  // namespace

QList<QPointer<cMenus>>& modSubClass::managers() {
  static QList<QPointer<cMenus>> list;
  return list;
}

void modSubClass::AttachKeyHook(cMenus* menus) {
  if (!hook && QCoreApplication::instance()) {
    hook = new KeyHookFilter;
    QCoreApplication::instance()->installEventFilter(hook);
  }
  if (!managers().contains(menus)) managers().append(menus);
}

void modSubClass::DetachKeyHook(cMenus* menus) {
  managers().removeAll(menus);
  managers().removeAll(nullptr);
  if (managers().isEmpty() && hook) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(hook);
    delete hook;
    hook = nullptr;
  }
}

bool modSubClass::IsHookInstalled() { return hook != nullptr; }

bool modSubClass::Dispatch(const QString& name) {
  if (name.isEmpty()) return false;
  // A Click may create or release managers: walk a snapshot.
  const QList<QPointer<cMenus>> snapshot = managers();
  for (const QPointer<cMenus>& menus : snapshot) {
    if (!menus) continue;
    try {
      const bool consume = menus->ConsumeKeys;
      if (menus->KeyAccelPressed(name) && consume) return true;
    } catch (...) {
    }
  }
  return false;
}

QString modSubClass::KeyName(int vk, bool alt, bool ctrl, bool shift) {
  QString key;
  if (vk == 9) key = "Tab";
  else if (vk == 27) key = "Escape";
  else if (vk == 46) key = "Delete";
  else if (vk >= 48 && vk <= 57) key = QString::number(vk - 48);
  else if (vk >= 65 && vk <= 90) key = QChar(vk);
  else if (vk >= 96 && vk <= 105) key = "Numpad" + QString::number(vk - 96);
  else if (vk >= 112 && vk <= 127) key = "F" + QString::number(vk - 111);
  if (key.isEmpty()) return key;
  return QString(alt ? "Alt+" : "") + (ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + key;
}

int modSubClass::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  static const QString shiftedDigits = QStringLiteral(")!@#$%^&*(");
  if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab) return 9;
  if (qtKey == Qt::Key_Escape) return 27;
  if (qtKey == Qt::Key_Delete) return 46;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return (modifiers & Qt::KeypadModifier) ? 96 + (qtKey - Qt::Key_0) : 48 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) return 112 + (qtKey - Qt::Key_F1);
  if (qtKey < 0x80) {
    const int digit = int(shiftedDigits.indexOf(QChar(qtKey)));
    if (digit >= 0 && (modifiers & Qt::ShiftModifier) && !(modifiers & Qt::KeypadModifier))
      return 48 + digit;
  }
  return 0;
}

}  // namespace rd
