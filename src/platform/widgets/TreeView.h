#pragma once
#include <QHash>
#include <QPointer>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "platform/widgets/ImageList.h"
#include "platform/widgets/TreeNode.h"

namespace rd {

// A tree of keyed nodes. Nodes are counted from 1 in the order they were
// added; labels are not edited in place.
class TreeView : public QTreeWidget {
  Q_OBJECT
 public:
  // Where Add puts the node, seen from the relative node.
  enum Relationship { First = 0, Last = 1, Next = 2, Previous = 3, Child = 4 };

  explicit TreeView(QWidget* parent = nullptr);

  void SetImageList(ImageList* images) { images_ = images; }
  void SetCheckboxes(bool on);
  bool Checkboxes() const { return checkboxes_; }

  // With no relative the node goes to the top level (last). Null, and no
  // node added, when the key is taken or the relative key is unknown.
  TreeNode* Add(const QString& relative, Relationship relationship, const QString& key,
                const QString& text, const QString& image = QString());
  TreeNode* Node(const QString& key) const;
  TreeNode* NodeAt(int index) const;  // 1-based, in the order added
  int NodeCount() const { return int(order_.size()); }
  // Removes the node and everything below it.
  bool Remove(const QString& key);
  void ClearNodes();

  // Gives every node the check state that checked answers for it, the
  // view updated once at the end.
  void SetAllChecked(const std::function<bool(const TreeNode&)>& checked);

  TreeNode* SelectedItem() const;
  // Selects without a NodeClick.
  void SetSelectedItem(TreeNode* node);

 signals:
  void NodeClick(rd::TreeNode* node);
  void NodeCheck(rd::TreeNode* node);
  void MouseDown(Qt::MouseButton button, QPoint position);
  void MouseUp(Qt::MouseButton button, QPoint position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Forget(QTreeWidgetItem* item);

  QPointer<ImageList> images_;
  bool checkboxes_ = false;
  QHash<QString, TreeNode*> byKey_;
  std::vector<TreeNode*> order_;
  bool quiet_ = false;
  bool pressing_ = false;
  QTreeWidgetItem* pressedCurrent_ = nullptr;
};

// While it lives, changes of the tree's nodes (check states, texts) are not
// sent to the view one by one: the view repaints once when it ends, and
// keeps its expanded nodes, current node and scroll position. Nodes are
// neither added nor removed meanwhile.
class TreeBatch {
 public:
  explicit TreeBatch(QTreeWidget* tree);
  ~TreeBatch();
  TreeBatch(const TreeBatch&) = delete;
  TreeBatch& operator=(const TreeBatch&) = delete;

 private:
  QPointer<QTreeWidget> tree_;
  QSignalBlocker model_;
};

}  // namespace rd
