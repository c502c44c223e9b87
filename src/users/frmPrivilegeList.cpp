#include "users/frmPrivilegeList.h"

#include <vector>

#include "core/modCommon.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeView.h"
#include "users/ModuleTree.h"
#include "users/PrivilegeItemStore.h"
#include "users/PrivilegeItems.h"
#include "users/frmPrivilegeEdit.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kDeleteQuestion = 1023;
constexpr int kAutomaticRow = 1099;
constexpr int kFirstColumnHead = 1117;
constexpr int kColumns = 5;
const QString kAutomatic = QStringLiteral("1");

constexpr FixedButton kButtons[] = {
    {"Add", 1014}, {"Modify", 1015}, {"Delete", 1016}, {"Refresh", 1020}, {"Close", 1019}};
}  // namespace

frmPrivilegeList::frmPrivilegeList(QWidget* parent) : PrivilegeWindow(parent) {
  setObjectName(QStringLiteral("frmPrivilegeList"));
  connect(lvDetail(), &TreeView::NodeClick, this, &frmPrivilegeList::lvDetail_NodeClick);
  InitToolbar(kButtons);
  AttachPanes(lvDetail(), trvModule());
  ModuleTree tree;
  if (tree.Read(false)) ShowModuleTree(tree);
  RefreshData();
}

bool frmPrivilegeList::RefreshData() {
  InitItemGrid();
  if (TreeNode* node = lvDetail()->SelectedItem()) FillItemGrid(node);
  return true;
}

void frmPrivilegeList::InitItemGrid() {
  FlexGrid* grid = trvModule();
  grid->SetRows(1);
  grid->SetCols(kColumns);
  for (int c = 0; c < kColumns; ++c) grid->SetTextMatrix(0, c, GetLangString(kFirstColumnHead + c));
  grid->SetColHidden(0, true);
}

void frmPrivilegeList::FillItemGrid(TreeNode* node) {
  InitItemGrid();
  if (!node || node->Text() == QLatin1String("-") || node->Children() > 0) return;
  FlexGrid* grid = trvModule();
  const PrivilegeItems items = PrivilegeItems::Read(node->Key());
  for (const PrivilegeItem& item : items.Of(node->Key(), node->Tag())) {
    grid->AddItem(QString());
    const int row = grid->Rows() - 1;
    const QString texts[] = {item.automatic ? kAutomatic : QStringLiteral("0"), item.caption,
                             item.description, item.mode,
                             item.automatic ? QStringLiteral("Auto") : QStringLiteral("Custom")};
    for (int c = 0; c < kColumns; ++c) grid->SetTextMatrix(row, c, texts[c]);
  }
  grid->Refresh();
}

TreeNode* frmPrivilegeList::SelectedLeaf() const {
  TreeNode* node = lvDetail()->SelectedItem();
  return node && node->Children() == 0 ? node : nullptr;
}

void frmPrivilegeList::AddItem() {
  if (TreeNode* node = SelectedLeaf()) OpenEditor(0, node, 0);
}

void frmPrivilegeList::ModifyItem() {
  TreeNode* node = SelectedLeaf();
  const int row = trvModule()->SelectedRow(0);
  if (!node || row < 1) return;
  if (trvModule()->TextMatrix(row, 0) == kAutomatic)
    Warn(kAutomaticRow);
  else
    OpenEditor(1, node, row);
}

void frmPrivilegeList::OpenEditor(int editMode, TreeNode* node, int row) {
  frmPrivilegeEdit editor(this);
  editor.SetForm(this);
  editor.SetEditMode(editMode);
  editor.SetMenuID(node->Key());
  editor.SetNodeTag(node->Tag());
  editor.SetRow(row);
  editor.InitControl();
  if (editMode != 0) editor.GetData();
  editor.setWindowIcon(windowIcon());
  editor.setWindowTitle(
      ReplaceParams(GetLangString(editMode == 0 ? kAddCaption : kModifyCaption), {windowTitle()}));
  RunEditor(editor);
}

void frmPrivilegeList::RunEditor(frmPrivilegeEdit& editor) { editor.exec(); }

void frmPrivilegeList::DeleteItems() {
  TreeNode* node = lvDetail()->SelectedItem();
  if (!node) return;
  if (MsgBox(GetLangString(kDeleteQuestion), MsgIcon::Question, MsgButtons::OkCancel, windowTitle(),
             this) != MsgResult::Ok)
    return;
  // Names first: the refresh afterwards renumbers the rows.
  FlexGrid* grid = trvModule();
  std::vector<QString> names;
  for (int i = 0; i < grid->SelectedRows(); ++i) {
    const int row = grid->SelectedRow(i);
    if (grid->TextMatrix(row, 0) != kAutomatic) names.push_back(grid->TextMatrix(row, 1));
  }
  QString error;
  PrivilegeItemStore::Delete(node->Key(), names, &error);
  RefreshData();
  if (!error.isEmpty()) ShowError(error);
}

void frmPrivilegeList::tbrMain_ButtonClick(ToolbarButton* button) {
  const QString key = button->Key();
  if (key == QLatin1String("Add"))
    AddItem();
  else if (key == QLatin1String("Modify"))
    ModifyItem();
  else if (key == QLatin1String("Delete"))
    DeleteItems();
  else if (key == QLatin1String("Refresh"))
    RefreshData();
  else if (key == QLatin1String("Close"))
    Unload();
}

}  // namespace rd
