#pragma once
#include <QString>
#include <QTreeWidgetItem>

namespace rd {

// One node of a TreeView: a Key, a Text, a text Tag and, when the tree has
// check boxes, a Checked state.
class TreeNode : public QTreeWidgetItem {
 public:
  explicit TreeNode(const QString& key);

  QString Key() const { return key_; }
  QString Text() const { return text(0); }
  void SetText(const QString& text);
  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }
  bool Checked() const { return checkState(0) == Qt::Checked; }
  // Text and state change without a signal: only the user's clicks send one.
  void SetChecked(bool checked);
  bool Expanded() const { return isExpanded(); }
  void SetExpanded(bool expanded) { setExpanded(expanded); }

  int Children() const { return childCount(); }
  TreeNode* Child() const;  // the first child
  TreeNode* ChildAt(int index) const { return static_cast<TreeNode*>(child(index)); }  // from 0
  TreeNode* Next() const;   // the next sibling
  TreeNode* Parent() const;
  // Opens the parents and scrolls the node into view.
  void EnsureVisible();

 private:
  QString key_;
  QString tag_;
};

}  // namespace rd
