#include "toolkit/cMenus.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSaveFile>

#include "toolkit/MenuStyle.h"
#include "toolkit/OwnerMenu.h"
#include "toolkit/OwnerMenuBar.h"
#include "toolkit/RoundHalfEven.h"
#include "toolkit/modSubClass.h"

namespace rd {

namespace {

const char* const kChecked = "rdChecked";
const char* const kBreak = "rdBreak";
const QByteArray kHeader = "[Taddo-Menus-Shortcuts]";
const QByteArray kVersion = "[V-1-0-0]";

const OleColor kPopupBack = Ole::Rgb(255, 251, 247);
const OleColor kColumn = Ole::Rgb(222, 219, 214);
const OleColor kSelectFill = Ole::Rgb(181, 190, 214);
const OleColor kOutline = Ole::Rgb(8, 36, 107);
const OleColor kBoxIdle = Ole::Rgb(214, 215, 222);
const OleColor kShadow = Ole::System(16);
const OleColor kFace = Ole::System(15);

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

// The names of a shortcut text; empty names never count.
QStringList accelNames(const QString& keyAccel) {
  return keyAccel.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString accelDisplayText(const QString& keyAccel) { return accelNames(keyAccel).value(0); }

}  // namespace

cMenus::cMenus(QObject* parent) : QObject(parent), style_(std::make_unique<MenuStyle>(this)) {
  measure_.Init(100, 100);
  font_ = cMemDC::SystemMenuFont();
  font_.SetBold(false);
  measure_.SetFont(font_);
  updateItemHeight();
  modSubClass::AttachKeyHook(this);
}

cMenus::~cMenus() {
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
  root_ = bar;
  RightToLeft = oForm->layoutDirection() == Qt::RightToLeft;
  if (auto* old = qobject_cast<QMenuBar*>(oForm->menuWidget())) importMenu(old, bar, 0);
  oForm->setMenuBar(bar);
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
    created_ = true;
  }
  return created_;
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

OwnerMenu* cMenus::newPopup() {
  auto* menu = new OwnerMenu(this, root_ ? root_.data() : nullptr);
  menu->setStyle(style_.get());
  menu->setLayoutDirection(RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  connect(menu, &QMenu::hovered, this, [this](QAction* a) { OnMenuSelect(a->data().toInt()); });
  connect(menu, &QMenu::aboutToHide, this, [this] {
    QMetaObject::invokeMethod(this, [this] {
      if (!qobject_cast<OwnerMenu*>(QApplication::activePopupWidget())) emit MenuExit();
    }, Qt::QueuedConnection);
  });
  return menu;
}

void cMenus::connectAction(QAction* action) {
  connect(action, &QAction::triggered, this, [this, action] {
    if (!inPopUp_) OnCommand(action->data().toInt());
  });
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

int cMenus::PopUpMenu(const QVariant& Index, std::optional<QPoint> at) {
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
  QAction* chosen = popup->exec(at.value_or(QCursor::pos()));
  inPopUp_ = false;
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

// ---- item properties ----

QString cMenus::ItemKey(int Index) const {
  const clsStoreMenu* rec = at(Index);
  return rec ? rec->Name : QString();
}

#define RD_TEXT_FIELD(Getter, Setter, field)                                   \
  QString cMenus::Getter(const QVariant& Index) const {                        \
    const clsStoreMenu* rec = item(Index);                                     \
    return rec ? rec->field : QString();                                       \
  }                                                                            \
  void cMenus::Setter(const QVariant& Index, const QString& value) {           \
    if (clsStoreMenu* rec = item(Index)) rec->field = value;                   \
  }
RD_TEXT_FIELD(ItemTag, SetItemTag, Tag)
RD_TEXT_FIELD(ItemImage, SetItemImage, Image)
RD_TEXT_FIELD(ItemHelpText, SetItemHelpText, HelpText)
RD_TEXT_FIELD(ItemDescription, SetItemDescription, Description)
#undef RD_TEXT_FIELD

#define RD_INT_FIELD(Getter, Setter, field)                                    \
  int cMenus::Getter(const QVariant& Index) const {                            \
    const clsStoreMenu* rec = item(Index);                                     \
    return rec ? rec->field : 0;                                               \
  }                                                                            \
  void cMenus::Setter(const QVariant& Index, int value) {                      \
    if (clsStoreMenu* rec = item(Index)) rec->field = value;                   \
  }
RD_INT_FIELD(ItemOwnerDrawID, SetItemOwnerDrawID, OwnerDrawID)
RD_INT_FIELD(ItemOwnerDrawData, SetItemOwnerDrawData, OwnerDrawData)
RD_INT_FIELD(ItemCheckedStyle, SetItemCheckedStyle, CheckedStyle)
#undef RD_INT_FIELD

QString cMenus::ItemCaption(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->Caption : QString();
}

void cMenus::SetItemCaption(const QVariant& Index, const QString& caption) {
  if (clsStoreMenu* rec = item(Index)) {
    applyCaption(*rec, caption);
    ReplaceItem(IndexForID(rec->ID));
  }
}

bool cMenus::ItemEnabled(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->Action && rec->Action->isEnabled();
}

void cMenus::SetItemEnabled(const QVariant& Index, bool enabled) {
  clsStoreMenu* rec = item(Index);
  if (!rec || !rec->Action) return;
  rec->Action->setEnabled(enabled);
  if (rec->TopMenu) redrawBar();
}

bool cMenus::ItemChecked(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->Action && rec->Action->property(kChecked).toBool();
}

void cMenus::SetItemChecked(const QVariant& Index, bool checked) {
  clsStoreMenu* rec = item(Index);
  if (!rec || !rec->Action) return;
  rec->Action->setProperty(kChecked, checked);
  if (rec->hMenu) rec->hMenu->update();
}

bool cMenus::ItemSeparator(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->Action && rec->Action->isSeparator();
}

void cMenus::SetItemSeparator(const QVariant& Index, bool separator) {
  clsStoreMenu* rec = item(Index);
  if (!rec || !rec->Action || rec->Separator == separator) return;
  rec->Separator = separator;
  rec->Action->setSeparator(separator);
  applyCaption(*rec, rec->Caption);
  ReplaceItem(IndexForID(rec->ID));
}

bool cMenus::ItemBreak(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->Action && rec->Action->property(kBreak).toBool();
}

void cMenus::SetItemBreak(const QVariant& Index, bool brk) {
  clsStoreMenu* rec = item(Index);
  if (!rec || !rec->Action) return;
  rec->Action->setProperty(kBreak, brk);
  rec->Break = brk ? -1 : 0;
}

bool cMenus::ItemOwnerDraw(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->OwnerDraw;
}

void cMenus::SetItemOwnerDraw(const QVariant& Index, bool ownerDraw) {
  clsStoreMenu* rec = item(Index);
  if (!rec || rec->OwnerDraw == ownerDraw) return;
  rec->OwnerDraw = ownerDraw;
  ReplaceItem(IndexForID(rec->ID));
}

bool cMenus::ItemTopMenu(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->TopMenu;
}

int cMenus::ItemID(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->ID : 0;
}

int cMenus::ItemParentID(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->ParentID : 0;
}

bool cMenus::ItemParentIndex(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec && rec->ParentID != 0 && IndexForID(rec->ParentID) != 0;
}

int cMenus::ItemMenuPosition(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->Index : 0;
}

QString cMenus::HelpText(const QVariant& position) const {
  const QString s = position.toString();
  if (s.startsWith(QLatin1Char('#'))) {
    bool ok = false;
    const int id = s.mid(1).toInt(&ok);
    return ok && IndexForID(id) ? at(IndexForID(id))->HelpText : QString();
  }
  const clsStoreMenu* rec = at(position.toInt());
  return rec ? rec->HelpText : QString();
}

void cMenus::SetHelpText(const QVariant& position, const QString& text) {
  const QString s = position.toString();
  clsStoreMenu* rec = s.startsWith(QLatin1Char('#')) ? at(IndexForID(s.mid(1).toInt()))
                                                     : at(position.toInt());
  if (rec) rec->HelpText = text;
}

// ---- appearance ----

void cMenus::updateItemHeight() {
  if (drawStyle_ == 0) itemHeight_ = measure_.FontHeight() + 6;
  else if (drawStyle_ == 1) itemHeight_ = measure_.FontHeight() + 9;
}

void cMenus::SetDrawStyle(int style) {
  if (style == drawStyle_) return;
  drawStyle_ = style;
  updateItemHeight();
  refreshAllItems();
  redrawBar();
}

void cMenus::SetFont(const std::optional<StdFont>& font) {
  StdFont taken = font.value_or(cMemDC::SystemMenuFont());
  taken.SetBold(false);
  if (font && font->Name == font_.Name) return;
  font_ = taken;
  measure_.SetFont(font_);
  updateItemHeight();
  refreshAllItems();
  redrawBar();
}

void cMenus::SetBackGroundPicture(const std::optional<StdPicture>& picture) {
  picture_.reset();
  pictureSize_ = QSize();
  if (!picture || picture->IsNull()) return;
  picture_ = picture;
  pictureSize_ = QSize(RoundHalfEven(cMemDC::HM2Pix(picture->Width())),
                       RoundHalfEven(cMemDC::HM2Pix(picture->Height())));
}

// ---- shortcuts ----

bool cMenus::applyKeyAccel(clsStoreMenu& rec, const QString& keyAccel) {
  rec.KeyAccel = keyAccel;
  return true;
}

QString cMenus::ItemKeyAccel(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->KeyAccel : QString();
}

void cMenus::SetItemKeyAccel(const QVariant& Index, const QString& keyAccel) {
  clsStoreMenu* rec = item(Index);
  if (!rec || rec->TopMenu || rec->KeyAccel == keyAccel) return;
  applyKeyAccel(*rec, keyAccel);
  ReplaceItem(IndexForID(rec->ID));
}

int cMenus::IndexForKeyAccel(const QString& KeyAccel) const {
  if (KeyAccel.isEmpty()) return 0;
  for (int i = 1; i <= ItemCount(); ++i)
    if (accelNames(items_[i - 1]->KeyAccel).contains(KeyAccel)) return i;
  return 0;
}

bool cMenus::KeyAccelPressed(const QString& name) {
  if (!hWndKeyOwner || QApplication::activeWindow() != hWndKeyOwner->window()) return false;
  const int i = IndexForKeyAccel(name);
  if (!i || !ItemEnabled(i) || ItemSeparator(i)) return false;
  emit Click(i);
  return true;
}

bool cMenus::SaveShortcuts(const QString& FileName) const {
  QByteArray bytes;
  auto put = [&](const QByteArray& text) { bytes += text; bytes += '\0'; };
  put({});
  put(kHeader);
  put(kVersion);
  for (int i = 1; i <= ItemCount(); ++i) {
    const clsStoreMenu& rec = *items_[i - 1];
    const QByteArray key = rec.Name.toLocal8Bit(), accel = rec.KeyAccel.toLocal8Bit();
    if (key.contains('\0') || accel.contains('\0')) return false;
    if (rec.Name.isEmpty()) {
      put("I");
      put(QByteArray::number(i));
    } else {
      put("K");
      put(key);
    }
    put(accel);
  }
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool cMenus::LoadShortcuts(const QString& FileName) {
  QFile file(FileName);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return false;
  const QList<QByteArray> parts = file.readAll().split('\0');
  if (parts.size() < 3 || !parts[0].isEmpty() || parts[1] != kHeader || parts[2] != kVersion)
    return false;
  // Read every triple first, so that a damaged file changes nothing.
  QList<std::pair<int, QString>> found;
  for (qsizetype i = 3; i < parts.size(); i += 3) {
    const QByteArray& marker = parts[i];
    if (marker != "I" && marker != "K") break;
    if (i + 2 >= parts.size()) return false;
    const QString ref = QString::fromLocal8Bit(parts[i + 1]);
    int index = 0;
    if (marker == "I") {
      bool ok = false;
      index = ref.toInt(&ok);
      if (!ok) return false;
      if (!at(index)) index = 0;
    } else {
      index = IndexForKey(ref);
    }
    if (index) found.append({index, QString::fromLocal8Bit(parts[i + 2])});
  }
  for (const auto& [index, text] : found) SetItemKeyAccel(index, text);
  return true;
}

// ---- messages ----

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

// ---- measuring and painting ----

QSize cMenus::OnMeasureItem(int Index) {
  const clsStoreMenu* rec = at(Index);
  if (!rec) return {};
  if (rec->OwnerDraw || ItemOwnerDrawAll) {
    bool cancel = false;
    int w = 0, h = itemHeight_;
    emit MeasureItem(cancel, Index, w, h);
    if (cancel) return QSize(w, h);
  }
  if (rec->TopMenu) return QSize(measure_.TextWidth(rec->Caption), itemHeight_);
  if (rec->Separator) return QSize(0, 9);
  const QString shortcut = accelDisplayText(rec->KeyAccel);
  const int caption = measure_.TextWidth(rec->Caption);
  if (shortcut.isEmpty()) return QSize(caption + (drawStyle_ == 0 ? 23 : 32), itemHeight_);
  return QSize(caption + measure_.TextWidth(shortcut) + (drawStyle_ == 0 ? 32 : 52), itemHeight_);
}

bool cMenus::OnDrawItem(int Index, QPainter* hDC, const QRect& rect, bool selected,
                        bool disabled, bool hot) {
  const clsStoreMenu* rec = at(Index);
  if (!rec || !hDC) return false;
  if (rec->OwnerDraw || ItemOwnerDrawAll) {
    bool cancel = false;
    emit DrawItem(cancel, Index, hDC, selected, rect.left(), rect.top(), rect.right() + 1,
                  rect.bottom() + 1);
    if (cancel) return false;
  }
  if (drawStyle_ != 1) return true;
  const int W = rect.width(), H = rect.height();
  cMemDC dc;
  if (!dc.Init(W, H)) return false;
  dc.SetBackStyle(cMemDC::TRANSPARENT);
  dc.SetFont(font_);
  paintFlat(dc, *rec, W, H, selected, disabled, ItemChecked(Index), hot);
  dc.BitBlt(hDC, rect.left(), rect.top(), W, H);
  return true;
}

StdPicture cMenus::ShadowImage(const StdPicture& picture) {
  cMemDC dc;
  if (!dc.Init(picture.Picture.width(), picture.Picture.height())) return {};
  dc.PaintPicture(picture, 0, 0);
  const OleColor shadow = Ole::Translate(kShadow);
  for (int y = 0; y < dc.Height(); ++y)
    for (int x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) != 0) dc.SetPixel(x, y, shadow);
  return dc.Image();
}

void cMenus::paintCheckGlyph(cMemDC& dc, int style, const QRect& box, OleColor color) const {
  QPainter* p = dc.hDC();
  p->save();
  p->setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = QRectF(box).center();
  if (style == 0) {
    QPen pen(Ole::ToQColor(color), 2);
    p->setPen(pen);
    const QPointF pts[3] = {c + QPointF(-4, 0), c + QPointF(-1, 3), c + QPointF(4, -3)};
    p->drawPolyline(pts, 3);
  } else {
    p->setPen(Qt::NoPen);
    p->setBrush(Ole::ToQColor(color));
    p->drawEllipse(c, 3, 3);
  }
  p->restore();
}

void cMenus::paintFlat(cMemDC& dc, const clsStoreMenu& rec, int W, int H, bool selected,
                       bool disabled, bool checked, bool hot) const {
  int l = 0, t = 0, r = W, b = H;
  if (rec.TopMenu) {
    dc.SetForeColor(0);
    if (selected) {
      dc.FillRect(0, 0, W, H, kColumn);
      dc.DrawLine(0, 0, W, 0, kShadow);
      dc.DrawLine(0, 0, 0, H, kShadow);
      dc.DrawLine(W - 1, 0, W - 1, H, kShadow);
    } else if (hot) {
      dc.Rectangle(0, 0, W, H, kSelectFill, std::nullopt, kOutline);
    } else {
      dc.FillRect(0, 0, W, H, kFace);
    }
    dc.DrawText(rec.Caption, l, t, r, b,
                cMemDC::DT_CENTER | cMemDC::DT_VCENTER | cMemDC::DT_SINGLELINE | cMemDC::DT_NOCLIP);
    return;
  }
  dc.FillRect(0, 0, W, H, kPopupBack);
  if (RightToLeft) dc.FillRect(W - 24, 0, W, H, kColumn);
  else dc.FillRect(0, 0, 24, H, kColumn);
  if (rec.Separator) {
    if (RightToLeft) dc.DrawLine(W - 29, 4, 0, 4, kShadow);
    else dc.DrawLine(29, 4, W, 4, kShadow);
    return;
  }
  if (disabled) {
    dc.SetForeColor(kShadow);
  } else {
    if (selected) dc.Rectangle(1, 0, W - 1, H, kSelectFill, std::nullopt, kOutline);
    dc.SetForeColor(0);
  }
  const int x0 = 32;
  int y = RoundHalfEven((H - dc.TextHeight(rec.Caption)) / 2.0);
  if (RightToLeft) {
    int cl = 0, cr = W - x0, cb = H;
    dc.DrawText(rec.Caption, cl, y, cr, cb, cMemDC::DT_RIGHT | cMemDC::DT_NOCLIP);
  } else {
    int cl = x0, cr = W, cb = H;
    dc.DrawText(rec.Caption, cl, y, cr, cb, cMemDC::DT_NOCLIP);
  }
  const QString shortcut = accelDisplayText(rec.KeyAccel);
  if (!shortcut.isEmpty()) {
    const int tw = dc.TextWidth(shortcut);
    int sl = RightToLeft ? 9 : W - tw - 9, st = 0, sr = W, sb = H;
    dc.DrawText(shortcut, sl, st, sr, sb,
                cMemDC::DT_SINGLELINE | cMemDC::DT_VCENTER | cMemDC::DT_NOCLIP);
  }
  if (rec.hSubMenu) {
    // The submenu arrow, which the window system adds beside owner-drawn items.
    QPainter* p = dc.hDC();
    const int mid = H / 2, tip = RightToLeft ? 6 : W - 8, base = RightToLeft ? 10 : W - 12;
    const QPoint arrow[3] = {QPoint(base, mid - 4), QPoint(tip, mid), QPoint(base, mid + 4)};
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(Ole::ToQColor(disabled ? kShadow : 0));
    p->drawPolygon(arrow, 3);
    p->restore();
  }
  bool glyph = false;
  if (checked) {
    if (!disabled) {
      const OleColor fill = selected ? kSelectFill : kBoxIdle;
      if (RightToLeft) dc.Rectangle(W - 23, 1, W - 2, H - 1, fill, std::nullopt, kOutline);
      else dc.Rectangle(2, 1, 23, H - 1, fill, std::nullopt, kOutline);
    }
    if (rec.CheckedStyle == 0 || rec.CheckedStyle == 1) {
      const QRect box = RightToLeft ? QRect(QPoint(W - 24, 0), QPoint(W - 3, H - 1))
                                    : QRect(QPoint(2, 0), QPoint(19, H - 1));
      paintCheckGlyph(dc, rec.CheckedStyle, box, disabled ? kShadow : 0);
      glyph = true;
    }
  }
  if (glyph || rec.Image.isEmpty() || !ImageList) return;
  const std::optional<StdPicture> picture = ImageList->Picture(rec.Image);
  if (!picture) return;
  const int y16 = RoundHalfEven((H - 16) / 2.0);
  const int x = RightToLeft ? W - 20 : 4;
  if (disabled) {
    dc.PaintDisabledPicture(*picture, x, y16, 16, 16, 0, 0, 0xFFFFFF, Ole::System(20), kShadow);
  } else if (!RightToLeft && selected) {
    dc.PaintPicture(ShadowImage(*picture), 4, RoundHalfEven((H - 16) / 2.0 + 2), 16, 16, 0, 0,
                    cMemDC::SRCCOPY, 0);
    dc.PaintPicture(*picture, 2, y16, 16, 16);
  } else {
    dc.PaintPicture(*picture, x, y16, 16, 16);
  }
}

}  // namespace rd
