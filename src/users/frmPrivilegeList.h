#pragma once
#include "users/PrivilegeWindow.h"

namespace rd {

class TreeNode;
class frmPrivilegeEdit;

// The privilege items of the module chosen in the tree of menu entries:
// the automatic items its toolbars give and its extra items, which are
// added, changed and deleted here.
class frmPrivilegeList : public PrivilegeWindow {
  Q_OBJECT
 public:
  explicit frmPrivilegeList(QWidget* parent = nullptr);

  // Lists the items of the selected node again (none when no node is selected).
  Q_INVOKABLE bool RefreshData();

 public slots:
  void tbrMain_ButtonClick(rd::ToolbarButton* button) override;

 protected:
  // Shows the editor modally; replaced by tests.
  virtual void RunEditor(frmPrivilegeEdit& editor);

 private slots:
  void lvDetail_NodeClick(rd::TreeNode* node) { FillItemGrid(node); }

 private:
  void InitItemGrid();
  void FillItemGrid(TreeNode* node);
  // The selected node when it has no entries below it.
  TreeNode* SelectedLeaf() const;
  void AddItem();
  void ModifyItem();
  void DeleteItems();
  void OpenEditor(int editMode, TreeNode* node, int row);
};

}  // namespace rd
