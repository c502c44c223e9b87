#pragma once
#include <QString>
#include <span>

class QWidget;

namespace rd {

class ImageList;
class Toolbar;
class ToolbarButton;

// The privilege a toolbar button needs: module ID, button key and window
// mode joined by "-".
QString PrivilegeKey(const QString& menuId, const QString& key, const QString& mode);

// Fills the window's toolbar (its child Toolbar named "tbrMain", pictures
// from that toolbar's image list) for the module and the window mode
// ("Browse", "View", "Add", "Modify"): the standard buttons of the mode or
// the module's custom rows, each only when the user holds its privilege,
// and always Close last. A bad row or picture skips that one thing; a
// database failure shows one message and leaves Close alone.
void BuildToolbar(QWidget* window, const QString& menuId, const QString& mode);

// Gives the standard button of that name (case ignored) its language
// caption, tooltip and picture; other names are left alone.
bool SetButtonCaption(QWidget* window, const QString& name);

// True for an administrator and for a user granted the key.
bool HasPrivilege(const QString& key);

// True when the picture path needs no program folder in front of it.
bool IsFullPath(const QString& path);

// Runs the function in the button's tag; a function that cannot run shows
// one message titled with the window's caption and gives false.
bool ExecuteButtonFunction(QWidget* window, const QString& moduleName, ToolbarButton* button);

// A button of a toolbar that is always the same: its key and the language
// key of its caption.
struct FixedButton {
  const char* key;
  int language;
};
// Adds the buttons the toolbar lacks, in order, and gives each its caption
// as caption and tooltip and the picture of its key.
void SetFixedButtons(Toolbar& toolbar, std::span<const FixedButton> buttons);

// The pictures of the standard buttons, under their keys ("View", "Add",
// "Modify", "Delete", "Query", "Print", "Refresh", "Close").
void AddStandardImages(ImageList& images);

}  // namespace rd
