#pragma once
#include <QImage>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/ISuperClass.h"
#include "toolkit/MenuImageList.h"
#include "toolkit/OleColor.h"
#include "toolkit/StdFont.h"
#include "toolkit/StdPicture.h"
#include "toolkit/cMemDC.h"
#include "toolkit/clsStoreMenu.h"

class QMenuBar;

namespace rd {

class MenuStyle;
class OwnerMenu;
class cSuperClass;

// The arguments of cMenus::AddItem; leave out what you do not need:
//   menus->AddItem({.Parent = p, .Caption = "&Open", .Key = "mnuOpen", .Tag = tag});
struct NewMenuItem {
  int Parent = 0;             // an item index (not a key); 0 for the top level
  QString Caption;            // "-" (blanks around allowed) makes a separator
  QString KeyAccel;           // shortcut names joined by "|", e.g. "Ctrl+S|F2"
  QVariant Before;            // an item (index or key) of the same menu to insert before
  QString Key;
  bool Enabled = true;
  bool Checked = false;
  int CheckedStyle = 0;       // 0 tick, 1 bullet, other values none
  QString Image;              // key in ImageList
  QString HelpText;
  bool OwnerDraw = false;     // MeasureItem/DrawItem are raised for this item
  int OwnerDrawID = 0;
  int OwnerDrawData = 0;
  bool Break = false;
  std::optional<QString> Description;  // left out: the help text
  QString Tag;
};

// A window's menus built and changed at run time. Items are addressed by
// their index in the item list (from 1, in creation order), by key (case
// ignored, the last match wins; a key that reads as a number is an index)
// or by command ID (100, 101, ... never reused).
//
// Use from a main window:
//   auto* menus = new rd::cMenus(this);
//   menus->SetDrawStyle(1);
//   menus->CreateFromForm(this);              // the window gets the menu bar
//   int file = menus->AddItem({.Caption = "&File", .Key = "mnuFile"});
//   menus->AddItem({.Parent = file, .Caption = "&Open", .Key = "10", .Tag = "..."});
//   connect(menus, &rd::cMenus::Click, this, [=](int index) {
//     dispatch(menus->ItemKey(index), menus->ItemTag(index));
//   });
// Children are added with the parent's index (IndexForKey(parentKey)).
// Delete the manager (or its parent window) to release it.
class cMenus : public QObject, public ISuperClass {
  Q_OBJECT
 public:
  // PopUpMenu options: where the menu sits against the point, and
  // TPM_NONOTIFY for no MenuHighlight or MenuExit while it shows.
  enum PopUpOptions : int {
    TPM_LEFTALIGN = 0x0, TPM_CENTERALIGN = 0x4, TPM_RIGHTALIGN = 0x8,
    TPM_TOPALIGN = 0x0, TPM_VCENTERALIGN = 0x10, TPM_BOTTOMALIGN = 0x20,
    TPM_NONOTIFY = 0x80
  };

  explicit cMenus(QObject* parent = nullptr);
  ~cMenus() override;

  // Attaching. Later creation calls do nothing.
  void CreateFromForm(QMainWindow* oForm, bool TopMenus = false);
  bool CreateFromNothing(QWidget* owner = nullptr);  // true once attached
  // Puts the root menu on the window as its menu bar.
  void BuildOn(QWidget* window);
  QWidget* Handle() const { return root_; }

  // Items.
  int AddItem(const NewMenuItem& item);  // the new index, 0 on failure
  bool RemoveItem(const QVariant& Index);  // with its whole branch
  bool ReplaceItem(const QVariant& Index);  // re-inserted at its position
  int ItemCount() const { return int(items_.size()); }
  int IndexForKey() const { return CurrentMenuIndex; }
  int IndexForKey(const QVariant& Key) const;
  int IndexForID(int ID) const;
  int IndexForAction(const QAction* action) const;
  const clsStoreMenu* Record(int Index) const { return at(Index); }
  // Shows the root menu or an item's popup at the point (the cursor by
  // default); raises Click for the chosen item and returns its command ID.
  int PopUpMenu(const QVariant& Index = {}, std::optional<QPoint> at = std::nullopt,
                int Options = 0);
  // The top left corner of a menu of that size shown at the point.
  static QPoint PopUpPosition(QPoint at, QSize size, int Options);

  // Item properties; an index naming no item reads empty and writes nothing.
  QString ItemKey(int Index) const;
  QString ItemCaption(const QVariant& Index) const;
  void SetItemCaption(const QVariant& Index, const QString& caption);
  QString ItemTag(const QVariant& Index) const;
  void SetItemTag(const QVariant& Index, const QString& tag);
  bool ItemEnabled(const QVariant& Index) const;
  void SetItemEnabled(const QVariant& Index, bool enabled);
  bool ItemChecked(const QVariant& Index) const;
  void SetItemChecked(const QVariant& Index, bool checked);
  bool ItemSeparator(const QVariant& Index) const;
  void SetItemSeparator(const QVariant& Index, bool separator);
  bool ItemBreak(const QVariant& Index) const;
  void SetItemBreak(const QVariant& Index, bool brk);
  QString ItemImage(const QVariant& Index) const;
  void SetItemImage(const QVariant& Index, const QString& image);
  QString ItemHelpText(const QVariant& Index) const;
  void SetItemHelpText(const QVariant& Index, const QString& text);
  QString ItemDescription(const QVariant& Index) const;
  void SetItemDescription(const QVariant& Index, const QString& text);
  bool ItemOwnerDraw(const QVariant& Index) const;
  void SetItemOwnerDraw(const QVariant& Index, bool ownerDraw);
  int ItemOwnerDrawID(const QVariant& Index) const;
  void SetItemOwnerDrawID(const QVariant& Index, int id);
  int ItemOwnerDrawData(const QVariant& Index) const;
  void SetItemOwnerDrawData(const QVariant& Index, int data);
  int ItemCheckedStyle(const QVariant& Index) const;
  void SetItemCheckedStyle(const QVariant& Index, int style);
  QString ItemKeyAccel(const QVariant& Index) const;
  void SetItemKeyAccel(const QVariant& Index, const QString& keyAccel);
  bool ItemTopMenu(const QVariant& Index) const;
  int ItemID(const QVariant& Index) const;
  int ItemParentID(const QVariant& Index) const;
  bool ItemParentIndex(const QVariant& Index) const;
  int ItemMenuPosition(const QVariant& Index) const;  // the record's Index
  // A position in the list, or "#" and the command ID.
  QString HelpText(const QVariant& position) const;
  void SetHelpText(const QVariant& position, const QString& text);

  // Appearance.
  int DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(int style);
  StdFont Font() const { return font_; }
  void SetFont(const std::optional<StdFont>& font);  // none: the system menu font
  int ItemHeight() const { return itemHeight_; }
  bool RightToLeft = false;
  bool ItemOwnerDrawAll = false;
  OleColor BackColor = Ole::System(4);
  OleColor ForeColor = Ole::System(7);
  OleColor HighlightColor = Ole::System(13);
  OleColor HighlightForeColor = 0xFFFFFF;
  const MenuImageList* ImageList = nullptr;
  const std::optional<StdPicture>& BackGroundPicture() const { return picture_; }
  void SetBackGroundPicture(const std::optional<StdPicture>& picture);
  int CurrentMenuIndex = 0;

  // Shortcuts.
  bool ConsumeKeys = true;
  QPointer<QWidget> hWndKeyOwner;
  int IndexForKeyAccel(const QString& KeyAccel) const;
  bool KeyAccelPressed(const QString& name);
  bool AccelPressed(int) const { return false; }
  bool SaveShortcuts(const QString& FileName) const;
  bool LoadShortcuts(const QString& FileName);

  // What the menus report, as the native messages would.
  void OnCommand(int ID);
  void OnMenuSelect(std::optional<int> ID);
  int OnMenuChar(const QWidget* menu, QChar c) const;  // a position, or -1
  // The item's size in pixels, after the MeasureItem event where it is
  // raised; none when a DrawStyle other than 0 and 1 leaves it to the menu.
  std::optional<QSize> OnMeasureItem(int Index);
  // Paints the item into hDC at rect (in the menu's coordinates), after the
  // DrawItem event where it is raised; false when nothing was painted (the
  // owner took it over, or the DrawStyle paints none).
  bool OnDrawItem(int Index, QPainter* hDC, const QRect& rect, bool selected, bool disabled,
                  bool hot);
  // A silhouette of the picture in button shadow on black.
  static StdPicture ShadowImage(const StdPicture& picture);
  // The colour one fifth lighter (a very light one, one fifth darker).
  OleColor LightenColor(OleColor color);

  // ISuperClass: the events of the menu bar that stand for window messages.
  void Before(bool& handled, bool& accepted, QObject* target, QEvent* event) override;
  void After(bool& accepted, QObject* target, QEvent* event) override;

 signals:
  void MenuHighlight(int Index);
  void MenuExit();
  void DrawItem(bool& Cancel, int Index, QPainter* hDC, bool bSelected, int X1, int Y1, int X2,
                int Y2);
  void MeasureItem(bool& Cancel, int Index, int& rWidth, int& rHeight);
  void Click(int Index);

 private:
  clsStoreMenu* item(const QVariant& Index) const;
  clsStoreMenu* at(int index) const;
  OwnerMenu* newPopup();
  void insertNative(clsStoreMenu& rec, int position);
  void connectAction(QAction* action);
  void shiftSiblingIndexes(const QWidget* menu, int from, int step);
  void applyCaption(clsStoreMenu& rec, const QString& caption);
  bool applyKeyAccel(clsStoreMenu& rec, const QString& keyAccel);
  void refreshAllItems();
  void updateItemHeight();
  void redrawBar();
  void raiseClickForID(int ID);
  void importMenu(QWidget* from, QWidget* into, int parentID);
  void subclassOwner();
  void watchMenu(QWidget* menu);
  bool titleMenuShown() const;  // the menu of a menu-bar title is showing
  void paintFlat(cMemDC& dc, const clsStoreMenu& rec, int W, int H, bool selected, bool disabled,
                 bool checked, bool hot) const;
  void paintClassic(cMemDC& dc, const clsStoreMenu& rec, const QRect& rect, bool selected,
                    bool disabled, bool checked, bool hot);
  // Caption from x0 and shortcut text in the current text colour; shift 1
  // draws them one pixel up and to the left.
  void drawItemTexts(cMemDC& dc, const clsStoreMenu& rec, int W, int H, int x0,
                     int shift = 0) const;
  void paintSubmenuArrow(cMemDC& dc, const clsStoreMenu& rec, int W, int H,
                         OleColor color) const;
  void paintCheckGlyph(cMemDC& dc, int style, const QRect& box, OleColor color) const;

  std::vector<std::unique_ptr<clsStoreMenu>> items_;
  QPointer<QWidget> root_;
  std::unique_ptr<QWidget> ownedRoot_;
  QPointer<QWidget> owner_;
  std::unique_ptr<MenuStyle> style_;
  std::unique_ptr<cSuperClass> superClass_;
  bool created_ = false;
  bool menuBar_ = false;
  bool topMenus_ = false;
  bool inPopUp_ = false;
  bool notify_ = true;
  int nextID_ = 100;
  cMemDC measure_;
  int drawStyle_ = 0;
  int itemHeight_ = 0;
  StdFont font_;
  std::optional<StdPicture> picture_;
  QSize pictureSize_;
  OleColor lightenIn_ = 0, lightenOut_ = 0;
};

}  // namespace rd
