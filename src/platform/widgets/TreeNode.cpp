#include "platform/widgets/TreeNode.h"

#include <QSignalBlocker>

namespace rd {

TreeNode::TreeNode(const QString& key) : key_(key) {}

void TreeNode::SetText(const QString& text) {
  const QSignalBlocker quiet(treeWidget());
  setText(0, text);
}

void TreeNode::SetChecked(bool checked) {
  const QSignalBlocker quiet(treeWidget());
  setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

TreeNode* TreeNode::Child() const { return static_cast<TreeNode*>(child(0)); }

TreeNode* TreeNode::Next() const {
  auto* self = const_cast<TreeNode*>(this);
  if (QTreeWidgetItem* up = parent())
    return static_cast<TreeNode*>(up->child(up->indexOfChild(self) + 1));
  QTreeWidget* tree = treeWidget();
  if (!tree) return nullptr;
  return static_cast<TreeNode*>(
      tree->topLevelItem(tree->indexOfTopLevelItem(self) + 1));
}

TreeNode* TreeNode::Parent() const { return static_cast<TreeNode*>(parent()); }

void TreeNode::EnsureVisible() {
  for (QTreeWidgetItem* up = parent(); up; up = up->parent()) up->setExpanded(true);
  if (QTreeWidget* tree = treeWidget()) tree->scrollToItem(this);
}

}  // namespace rd
