#include <QApplication>
#include <QMenuBar>

#include "toolkit/OwnerMenu.h"
#include "toolkit/cMenus.h"
#include "toolkit/cMenusInternal.h"
#include "toolkit/cSuperClass.h"

namespace rd {

using namespace menus;

// The menus' messages as Qt delivers them: hovered signals report the
// highlight, triggered the command, MenuStyle measures and paints,
// OwnerMenu answers mnemonic keys. The one that stays an event of the root
// menu comes through the subclasser to Before: the pointer leaving the bar
// while no popup is open ends the selection.
void cMenus::subclassOwner() {
  if (!root_ || superClass_->IsSubclassed()) return;
  superClass_->AddMsg(QEvent::Leave, true);
  superClass_->SubClass(root_, this);
}

// A popup that opens takes the pointer from the bar before it counts as
// the active popup; that Leave ends nothing.
void cMenus::Before(bool&, bool&, QObject* target, QEvent* event) {
  if (event->type() == QEvent::Leave && qobject_cast<QMenuBar*>(target) &&
      !QApplication::activePopupWidget() && !titleMenuShown())
    OnMenuSelect(std::nullopt);
}

bool cMenus::titleMenuShown() const {
  for (const auto& rec : items_)
    if (rec->TopMenu && rec->hSubMenu && rec->hSubMenu->isVisible()) return true;
  return false;
}

void cMenus::After(bool&, QObject*, QEvent*) {}

void cMenus::watchMenu(QWidget* menu) {
  // Qt tells every menu up to the bar of a hovered entry; only the one that
  // holds it reports the highlight.
  auto select = [this, menu](QAction* a) {
    if (notify_ && menu->actions().contains(a)) OnMenuSelect(a->data().toInt());
  };
  if (auto* bar = qobject_cast<QMenuBar*>(menu)) {
    connect(bar, &QMenuBar::hovered, this, select);
    return;
  }
  auto* popup = qobject_cast<QMenu*>(menu);
  if (!popup) return;
  connect(popup, &QMenu::hovered, this, select);
  connect(popup, &QMenu::aboutToHide, this, [this] {
    const bool notify = notify_;
    QMetaObject::invokeMethod(this, [this, notify] {
      if (notify && !qobject_cast<OwnerMenu*>(QApplication::activePopupWidget())) emit MenuExit();
    }, Qt::QueuedConnection);
  });
}

void cMenus::connectAction(QAction* action) {
  connect(action, &QAction::triggered, this, [this, action] {
    if (!inPopUp_) OnCommand(action->data().toInt());
  });
}

void cMenus::OnCommand(int ID) {
  if (const int i = IndexForID(ID)) emit Click(i);
}

void cMenus::OnMenuSelect(std::optional<int> ID) {
  const int i = ID ? IndexForID(*ID) : 0;
  if (i) emit MenuHighlight(i);
  else emit MenuExit();
}

int cMenus::OnMenuChar(const QWidget* menu, QChar c) const {
  const QString wanted = QString(c).toUpper();
  for (const auto& rec : items_)
    if (rec->hMenu == menu && !rec->AccelChar.isEmpty() && rec->AccelChar == wanted)
      return rec->Index;
  return -1;
}

void cMenus::importMenu(QWidget* from, QWidget* into, int parentID) {
  const QList<QAction*> actions = from->actions();
  for (QAction* a : actions) {
    auto rec = std::make_unique<clsStoreMenu>();
    rec->ID = nextID_++;
    rec->ParentID = parentID;
    rec->Separator = a->isSeparator();
    const QStringList parts = a->text().split(QLatin1Char('\t'));
    rec->KeyAccel = parts.value(1);
    rec->Name = a->objectName();
    rec->Tag = a->property("Tag").toString();
    rec->hMenu = into;
    rec->Index = int(into->actions().size());
    rec->TopMenu = menuBar_ && into == root_;
    a->setProperty(kChecked, a->isChecked());
    a->setCheckable(false);
    a->setShortcut(QKeySequence());
    a->setParent(this);
    a->setData(rec->ID);
    rec->Action = a;
    applyCaption(*rec, parts.value(0));
    QMenu* oldMenu = a->menu();
    clsStoreMenu* stored = rec.get();
    items_.push_back(std::move(rec));
    from->removeAction(a);
    into->addAction(a);
    connectAction(a);
    if (oldMenu) {
      OwnerMenu* sub = newPopup();
      stored->hSubMenu = sub;
      stored->HasSub = true;
      a->setMenu(sub);
      importMenu(oldMenu, sub, stored->ID);
    }
  }
}

}  // namespace rd
