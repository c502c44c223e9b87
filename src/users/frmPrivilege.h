#pragma once
#include "users/PrivilegeWindow.h"

namespace rd {

class TreeNode;

// Grants privileges to one user at a time: the users in a grid on the
// left, on the right a checked tree of every menu entry and module with
// the privilege items of each module. Checking a node checks everything
// below it and every entry above it; Save writes the user's checked keys.
// Administrators hold everything: their tree shows all checked and cannot
// be changed or saved.
class frmPrivilege : public PrivilegeWindow {
  Q_OBJECT
 public:
  explicit frmPrivilege(QWidget* parent = nullptr);

  QString UserName() const { return userName_; }
  bool IsAdministrator() const { return admin_; }

 public slots:
  void tbrMain_ButtonClick(rd::ToolbarButton* button) override;

 private slots:
  void trvModule_RowColChange(int row) { OnUserRowChange(row, false); }
  void lvDetail_NodeCheck(rd::TreeNode* node);

 private:
  void BuildModuleTree();
  void LoadUsers();
  void OnUserRowChange(int row, bool force);
  void SelectUser(int row);
  void LoadPrivileges();
  void SavePrivileges();
  void SetAllChecked(bool checked);
  void SelectAll() { SetAllChecked(true); }
  void DeselectAll() { SetAllChecked(false); }
  void InvertChecked();
  static void CheckDescendants(TreeNode* node);
  static void SetDescendants(TreeNode* node, bool checked);
  static void CheckAncestors(TreeNode* node);

  QString userName_;
  bool admin_ = false;
  bool loaded_ = false;  // the user's grants were read into the tree
  int currentRow_ = 0;
};

}  // namespace rd
