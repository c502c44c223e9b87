#include "users/frmPrivilege.h"

#include <QSet>
#include <QSignalBlocker>

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modUser.h"
#include "platform/db/Recordset.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeView.h"
#include "users/ModuleTree.h"
#include "users/PrivilegeStore.h"

namespace rd {

namespace {
constexpr int kSaved = 1050;
constexpr int kAdministratorHoldsAll = 1063;
// Column heads of the user grid, columns 1 to 4.
constexpr int kColumnHeads[] = {1051, 1052, 1054, 1055};
constexpr int kIdColumn = 1;
constexpr int kUserNameColumn = 2;
constexpr int kAdminColumn = 4;

constexpr FixedButton kButtons[] = {{"SelectAll", 1059},  {"Deselect", 1060},
                                                    {"InverseSel", 1061}, {"Save", 1062},
                                                    {"Refresh", 1020},    {"Close", 1019}};
}  // namespace

frmPrivilege::frmPrivilege(QWidget* parent) : PrivilegeWindow(parent) {
  setObjectName(QStringLiteral("frmPrivilege"));
  lvDetail()->SetCheckboxes(true);
  connect(trvModule(), &FlexGrid::RowColChange, this, &frmPrivilege::trvModule_RowColChange);
  connect(lvDetail(), &TreeView::NodeCheck, this, &frmPrivilege::lvDetail_NodeCheck);
  InitToolbar(kButtons);
  AttachPanes(trvModule(), lvDetail());
  BuildModuleTree();
  LoadUsers();
}

void frmPrivilege::BuildModuleTree() {
  ModuleTree tree;
  if (tree.Read(true)) ShowModuleTree(tree);
}

void frmPrivilege::LoadUsers() {
  Recordset rs;
  if (!OpenRecordset(QStringLiteral("select ID,UserName,IsEnable,IsAdmin from tbluser"), rs, 1))
    return;
  FlexGrid* grid = trvModule();
  const QString shownId = currentRow_ > 0 ? grid->TextMatrix(currentRow_, kIdColumn) : QString();
  {
    const QSignalBlocker quiet(grid);
    grid->SetDataSource(rs);
    for (int c = 1; c <= 4 && c < grid->Cols(); ++c)
      grid->SetTextMatrix(0, c, GetLangString(kColumnHeads[c - 1]));
    grid->SetColHidden(kIdColumn, true);
    grid->Refresh();
    // The user shown before stays chosen while that user is still there.
    for (int r = 1; !shownId.isEmpty() && r < grid->Rows(); ++r)
      if (grid->TextMatrix(r, kIdColumn) == shownId) grid->SetRow(r);
  }
  OnUserRowChange(grid->Row(), true);
}

void frmPrivilege::OnUserRowChange(int row, bool force) {
  if (force || row != currentRow_) SelectUser(row);
}

void frmPrivilege::SelectUser(int row) {
  userName_ = row > 0 ? trvModule()->TextMatrix(row, kUserNameColumn) : QString();
  // Read as the login reads it: an empty or NULL mark is no administrator.
  admin_ = row > 0 && TextToBoolean(trvModule()->TextMatrix(row, kAdminColumn));
  LoadPrivileges();
  currentRow_ = row;
}

void frmPrivilege::LoadPrivileges() {
  loaded_ = admin_;
  if (admin_) {
    SelectAll();
    return;
  }
  QSet<QString> granted;
  loaded_ = !userName_.isEmpty() && ReadGrantedKeys(userName_, granted);
  if (!loaded_) granted.clear();
  lvDetail()->SetAllChecked(
      [&granted](const TreeNode& node) { return granted.contains(node.Key().toLower()); });
}

void frmPrivilege::SavePrivileges() {
  if (currentRow_ < 1) return;
  // Unread grants are not saved as none: read again (a failure is shown).
  if (!loaded_) return LoadPrivileges();
  QStringList keys;
  for (int i = 1; i <= lvDetail()->NodeCount(); ++i)
    if (lvDetail()->NodeAt(i)->Checked()) keys << lvDetail()->NodeAt(i)->Key();
  QString error;
  if (PrivilegeStore::Save(userName_, keys, &error))
    Inform(kSaved);
  else
    ShowError(error);
}

void frmPrivilege::SetAllChecked(bool checked) {
  lvDetail()->SetAllChecked([checked](const TreeNode&) { return checked; });
}

void frmPrivilege::InvertChecked() {
  lvDetail()->SetAllChecked([](const TreeNode& node) { return !node.Checked(); });
}

void frmPrivilege::CheckDescendants(TreeNode* node) {
  const TreeBatch batch(node->treeWidget());
  SetDescendants(node, node->Checked());
}

void frmPrivilege::SetDescendants(TreeNode* node, bool checked) {
  for (int i = 0; i < node->Children(); ++i) {
    TreeNode* child = node->ChildAt(i);
    child->SetChecked(checked);
    SetDescendants(child, checked);
  }
}

void frmPrivilege::CheckAncestors(TreeNode* node) {
  for (TreeNode* parent = node->Parent(); parent; parent = parent->Parent())
    parent->SetChecked(true);
}

void frmPrivilege::lvDetail_NodeCheck(TreeNode* node) {
  // An administrator's tree stays all checked, by mouse or keyboard alike.
  if (admin_) node->SetChecked(true);
  CheckDescendants(node);
  if (node->Checked()) CheckAncestors(node);
}

void frmPrivilege::tbrMain_ButtonClick(ToolbarButton* button) {
  const QString key = button->Key();
  const bool changesChecks = key == QLatin1String("SelectAll") ||
                             key == QLatin1String("Deselect") ||
                             key == QLatin1String("InverseSel") || key == QLatin1String("Save");
  if (changesChecks && admin_)
    Warn(kAdministratorHoldsAll);
  else if (key == QLatin1String("SelectAll"))
    SelectAll();
  else if (key == QLatin1String("Deselect"))
    DeselectAll();
  else if (key == QLatin1String("InverseSel"))
    InvertChecked();
  else if (key == QLatin1String("Save"))
    SavePrivileges();
  else if (key == QLatin1String("Refresh"))
    LoadUsers();
  else if (key == QLatin1String("Close"))
    Unload();
}

}  // namespace rd
