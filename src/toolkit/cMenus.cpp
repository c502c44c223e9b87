#include "toolkit/cMenus.h"

#include <QCursor>
#include <QLayout>
#include <QMenuBar>
#include <QRegularExpression>

#include "toolkit/MenuStyle.h"
#include "toolkit/OwnerMenu.h"
#include "toolkit/OwnerMenuBar.h"
#include "toolkit/RoundHalfEven.h"
#include "toolkit/cMenusInternal.h"
#include "toolkit/cSuperClass.h"
#include "toolkit/modSubClass.h"

namespace rd {

using namespace menus;

namespace {

std::optional<int> numericIndex(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Short: case QMetaType::Long:
      return v.toInt();
    case QMetaType::Double: case QMetaType::Float:
      return RoundHalfEven(v.toDouble());
    default: break;
  }
  static const QRegularExpression number(R"(^\s*[+-]?\d+(\.\d+)?\s*$)");
  const QString s = v.toString();
  if (number.match(s).hasMatch()) return RoundHalfEven(s.trimmed().toDouble());
  return std::nullopt;
}

}  // namespace

cMenus::cMenus(QObject* parent)
    : QObject(parent),
      style_(std::make_unique<MenuStyle>(this)),
      superClass_(std::make_unique<cSuperClass>()) {
  measure_.Init(100, 100);
  font_ = cMemDC::SystemMenuFont();
  font_.SetBold(false);
  measure_.SetFont(font_);
  updateItemHeight();
  modSubClass::AttachKeyHook(this);
}

cMenus::~cMenus() {
  superClass_.reset();
  modSubClass::DetachKeyHook(this);
  for (auto& rec : items_) {
    delete rec->Action.data();
    delete rec->hSubMenu.data();
  }
  items_.clear();
  if (root_ && !ownedRoot_) {
    root_->setStyle(nullptr);
    root_->update();
  }
  ownedRoot_.reset();
}

// ---- attaching ----

void cMenus::CreateFromForm(QMainWindow* oForm, bool TopMenus) {
  if (created_) return;
  topMenus_ = TopMenus;
  if (!oForm) return;
  owner_ = oForm;
  hWndKeyOwner = oForm;
  menuBar_ = true;
  auto* bar = new OwnerMenuBar(oForm);
  bar->setStyle(style_.get());
  watchMenu(bar);
  root_ = bar;
  RightToLeft = oForm->layoutDirection() == Qt::RightToLeft;
  if (auto* old = qobject_cast<QMenuBar*>(oForm->menuWidget())) importMenu(old, bar, 0);
  oForm->setMenuBar(bar);
  subclassOwner();
  created_ = true;
}

bool cMenus::CreateFromNothing(QWidget* owner) {
  if (created_) return true;
  if (!root_) {
    ownedRoot_.reset(newPopup());
    root_ = ownedRoot_.get();
  }
  if (owner) {
    owner_ = owner;
    subclassOwner();
    created_ = true;
  }
  return created_;
}

void cMenus::BuildOn(QWidget* window) {
  if (created_ || !window) return;
  owner_ = window;
  auto* bar = new OwnerMenuBar(window);
  bar->setStyle(style_.get());
  watchMenu(bar);
  menuBar_ = true;
  if (root_) {
    // The items of the popup root move to the bar.
    bar->addActions(root_->actions());
    for (auto& rec : items_) {
      if (rec->hMenu == root_) {
        rec->hMenu = bar;
        rec->TopMenu = true;
      }
      if (QMenu* sub = rec->hSubMenu; sub && sub->parentWidget() == root_)
        sub->setParent(bar, sub->windowFlags());
    }
  }
  ownedRoot_.reset();
  root_ = bar;
  if (auto* main = qobject_cast<QMainWindow*>(window)) main->setMenuBar(bar);
  else if (window->layout()) window->layout()->setMenuBar(bar);
  subclassOwner();
  bar->update();
  created_ = true;
}

OwnerMenu* cMenus::newPopup() {
  auto* menu = new OwnerMenu(this, root_ ? root_.data() : nullptr);
  menu->setStyle(style_.get());
  menu->setLayoutDirection(RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  watchMenu(menu);
  return menu;
}

// ---- items ----

clsStoreMenu* cMenus::at(int index) const {
  return index >= 1 && index <= ItemCount() ? items_[index - 1].get() : nullptr;
}

clsStoreMenu* cMenus::item(const QVariant& Index) const {
  return at(Index.isValid() ? IndexForKey(Index) : CurrentMenuIndex);
}

int cMenus::IndexForKey(const QVariant& Key) const {
  if (!Key.isValid()) return CurrentMenuIndex;
  if (auto n = numericIndex(Key)) return *n >= 1 && *n <= ItemCount() ? *n : 0;
  const QString key = Key.toString();
  for (int i = ItemCount(); i >= 1; --i)
    if (items_[i - 1]->Name.compare(key, Qt::CaseInsensitive) == 0) return i;
  return 0;
}

int cMenus::IndexForID(int ID) const {
  for (int i = 1; i <= ItemCount(); ++i)
    if (items_[i - 1]->ID == ID) return i;
  return 0;
}

int cMenus::IndexForAction(const QAction* action) const {
  if (!action) return 0;
  for (int i = 1; i <= ItemCount(); ++i)
    if (items_[i - 1]->Action == action) return i;
  return 0;
}

void cMenus::shiftSiblingIndexes(const QWidget* menu, int from, int step) {
  for (auto& rec : items_)
    if (rec->hMenu == menu && rec->Index >= from) rec->Index += step;
}

void cMenus::applyCaption(clsStoreMenu& rec, const QString& caption) {
  rec.Caption = caption;
  rec.AccelChar.clear();
  const int amp = int(caption.indexOf(QLatin1Char('&')));
  if (amp >= 0 && amp + 1 < caption.size() && caption.at(amp + 1) != QLatin1Char('&'))
    rec.AccelChar = caption.at(amp + 1).toUpper();
  if (rec.Action) rec.Action->setText(rec.Separator ? QString() : caption);
}

void cMenus::insertNative(clsStoreMenu& rec, int position) {
  QWidget* holder = rec.hMenu;
  if (!holder || !rec.Action) return;
  holder->insertAction(position >= 0 ? holder->actions().value(position, nullptr) : nullptr,
                       rec.Action);
}

int cMenus::AddItem(const NewMenuItem& a) {
  QWidget* holder = nullptr;
  int parentID = 0;
  if (a.Parent != 0) {
    clsStoreMenu* parent = at(a.Parent);
    if (!parent || !parent->Action) return 0;
    if (!parent->hSubMenu) {
      parent->hSubMenu = newPopup();
      parent->Action->setMenu(parent->hSubMenu);
    }
    holder = parent->hSubMenu;
    parentID = parent->ID;
  } else {
    holder = root_;
  }
  if (!holder) return 0;

  auto rec = std::make_unique<clsStoreMenu>();
  rec->ID = nextID_++;
  rec->ParentID = parentID;
  rec->hMenu = holder;
  rec->TopMenu = a.Parent == 0 && menuBar_;
  rec->Separator = a.Caption.trimmed() == QLatin1String("-");
  rec->Name = a.Key;
  rec->Tag = a.Tag;
  rec->CheckedStyle = a.CheckedStyle;
  rec->OwnerDraw = a.OwnerDraw;
  rec->HelpText = a.HelpText;
  rec->Description = a.Description.value_or(a.HelpText);
  rec->Image = a.Image;
  rec->OwnerDrawID = a.OwnerDrawID;
  rec->OwnerDrawData = a.OwnerDrawData;

  auto* action = new QAction(this);
  action->setData(rec->ID);
  action->setSeparator(rec->Separator);
  action->setEnabled(a.Enabled);
  action->setProperty(kChecked, a.Checked);
  action->setProperty(kBreak, a.Break);
  rec->Action = action;
  connectAction(action);

  int position = -1;
  rec->Index = int(holder->actions().size());
  if (a.Before.isValid()) {
    if (clsStoreMenu* before = at(IndexForKey(a.Before)); before && before->hMenu == holder) {
      position = before->Index;
      shiftSiblingIndexes(holder, position, +1);
      rec->Index = position;
    }
  }
  applyCaption(*rec, a.Caption);
  if (!a.KeyAccel.isEmpty()) applyKeyAccel(*rec, a.KeyAccel);
  clsStoreMenu& stored = *rec;
  items_.push_back(std::move(rec));
  insertNative(stored, position);
  if (stored.TopMenu) redrawBar();
  return ItemCount();
}

bool cMenus::ReplaceItem(const QVariant& Index) {
  clsStoreMenu* rec = item(Index);
  if (!rec || !rec->hMenu || !rec->Action) return false;
  rec->hMenu->removeAction(rec->Action);
  insertNative(*rec, rec->Index);
  return true;
}

bool cMenus::RemoveItem(const QVariant& Index) {
  clsStoreMenu* rec = item(Index);
  if (!rec) return false;
  const bool top = rec->TopMenu;
  QWidget* holder = rec->hMenu;
  if (holder && rec->Action) holder->removeAction(rec->Action);
  rec->DestroyMe = true;
  for (bool marked = true; marked;) {
    marked = false;
    for (auto& r : items_) {
      if (r->DestroyMe) continue;
      auto parent = std::find_if(items_.begin(), items_.end(), [&](const auto& p) {
        return p->DestroyMe && p->ID == r->ParentID && r->ParentID != 0;
      });
      if (parent != items_.end()) r->DestroyMe = marked = true;
    }
  }
  shiftSiblingIndexes(holder, rec->Index, -1);
  for (auto it = items_.begin(); it != items_.end();) {
    if ((*it)->DestroyMe) {
      if ((*it)->hSubMenu) (*it)->hSubMenu->deleteLater();
      if ((*it)->Action) (*it)->Action->deleteLater();
      it = items_.erase(it);
    } else {
      ++it;
    }
  }
  if (top) redrawBar();
  return true;
}

QPoint cMenus::PopUpPosition(QPoint at, QSize size, int Options) {
  if (Options & TPM_RIGHTALIGN) at.rx() -= size.width();
  else if (Options & TPM_CENTERALIGN) at.rx() -= size.width() / 2;
  if (Options & TPM_BOTTOMALIGN) at.ry() -= size.height();
  else if (Options & TPM_VCENTERALIGN) at.ry() -= size.height() / 2;
  return at;
}

int cMenus::PopUpMenu(const QVariant& Index, std::optional<QPoint> at, int Options) {
  QWidget* menu = root_;
  if (Index.isValid()) {
    clsStoreMenu* rec = this->at(IndexForKey(Index));
    if (!rec) return 0;
    menu = rec->hSubMenu;
  }
  if (!menu || menu->actions().isEmpty()) return 0;
  QMenu* popup = qobject_cast<QMenu*>(menu);
  std::unique_ptr<OwnerMenu> temporary;
  if (!popup) {
    temporary.reset(newPopup());
    temporary->addActions(menu->actions());
    popup = temporary.get();
  }
  inPopUp_ = true;
  notify_ = !(Options & TPM_NONOTIFY);
  const QPoint where = PopUpPosition(at.value_or(QCursor::pos()), popup->sizeHint(), Options);
  QAction* chosen = popup->exec(where);
  inPopUp_ = false;
  notify_ = true;
  const int id = IndexForAction(chosen) ? chosen->data().toInt() : 0;
  if (id) raiseClickForID(id);
  return id;
}

void cMenus::raiseClickForID(int ID) {
  QList<int> hits;
  for (int i = 1; i <= ItemCount(); ++i)
    if (items_[i - 1]->ID == ID) hits.append(i);
  for (int i : hits) emit Click(i);
}

void cMenus::redrawBar() {
  if (menuBar_ && root_) {
    root_->updateGeometry();
    root_->update();
  }
}

void cMenus::refreshAllItems() {
  for (int i = 1; i <= ItemCount(); ++i) ReplaceItem(i);
}

}  // namespace rd
