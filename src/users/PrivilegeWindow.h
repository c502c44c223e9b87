#pragma once
#include <QWidget>
#include <span>

#include "browse/modToolbar.h"

namespace rd {

class FlexGrid;
class ImageList;
class ModuleTree;
class Toolbar;
class ToolbarButton;
class TreeView;
class ctlSplitterEx;

// What the two privilege windows share: a toolbar above a splitter that
// holds the grid trvModule and the tree lvDetail side by side, the tree
// of menu entries, and the message boxes titled with the window's caption.
class PrivilegeWindow : public QWidget {
  Q_OBJECT
 public:
  Toolbar* tbrMain() const { return tbrMain_; }
  ImageList* imgBar() const { return imgBar_; }
  FlexGrid* trvModule() const { return trvModule_; }
  TreeView* lvDetail() const { return lvDetail_; }
  ctlSplitterEx* ctlSplitterEx1() const { return ctlSplitterEx1_; }

 public slots:
  virtual void tbrMain_ButtonClick(rd::ToolbarButton* button) = 0;

 protected:
  explicit PrivilegeWindow(QWidget* parent);

  void InitToolbar(std::span<const FixedButton> buttons);
  // Puts the first pane left and the second right.
  void AttachPanes(QWidget* first, QWidget* second);
  // Fills lvDetail; top-level entries are expanded.
  void ShowModuleTree(const ModuleTree& tree);
  void Inform(int textKey);
  void Warn(int textKey);
  void ShowError(const QString& error);
  void Unload() { close(); }

  void resizeEvent(QResizeEvent* event) override;

 private:
  Toolbar* tbrMain_;
  ImageList* imgBar_;
  ctlSplitterEx* ctlSplitterEx1_;
  FlexGrid* trvModule_;
  TreeView* lvDetail_;
};

}  // namespace rd
