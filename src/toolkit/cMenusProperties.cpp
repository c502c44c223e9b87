#include "toolkit/cMenus.h"

#include "toolkit/RoundHalfEven.h"
#include "toolkit/cMenusInternal.h"

namespace rd {

using namespace menus;


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

}  // namespace rd
