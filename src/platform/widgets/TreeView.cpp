#include "platform/widgets/TreeView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace rd {

TreeView::TreeView(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(1);
  setHeaderHidden(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (quiet_ || !current) return;
    if (pressing_) pressedCurrent_ = current;
    emit NodeClick(static_cast<TreeNode*>(current));
  });
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (item != pressedCurrent_) emit NodeClick(static_cast<TreeNode*>(item));
  });
  connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (checkboxes_) emit NodeCheck(static_cast<TreeNode*>(item));
  });
}

void TreeView::SetCheckboxes(bool on) {
  checkboxes_ = on;
  const QSignalBlocker quiet(this);
  for (TreeNode* node : order_) {
    if (on) {
      node->setFlags(node->flags() | Qt::ItemIsUserCheckable);
      node->setCheckState(0, Qt::Unchecked);
    } else {
      node->setFlags(node->flags() & ~Qt::ItemIsUserCheckable);
      node->setData(0, Qt::CheckStateRole, QVariant());
    }
  }
}

TreeNode* TreeView::Add(const QString& relative, Relationship relationship, const QString& key,
                        const QString& text, const QString& image) {
  if (!key.isEmpty() && byKey_.contains(key)) return nullptr;
  TreeNode* anchor = nullptr;
  if (!relative.isEmpty() && !(anchor = Node(relative))) return nullptr;

  auto* node = new TreeNode(key);
  node->setText(0, text);
  if (images_ && !image.isEmpty()) node->setIcon(0, images_->Icon(image));
  if (checkboxes_) {
    node->setFlags(node->flags() | Qt::ItemIsUserCheckable);
    node->setCheckState(0, Qt::Unchecked);
  }

  const QSignalBlocker quiet(this);
  if (anchor && relationship == Child) {
    anchor->addChild(node);
  } else {
    QTreeWidgetItem* level = anchor ? anchor->parent() : nullptr;
    const int count = level ? level->childCount() : topLevelItemCount();
    const int anchorAt = !anchor ? -1 : level ? level->indexOfChild(anchor) : indexOfTopLevelItem(anchor);
    int at = count;
    if (relationship == First)
      at = 0;
    else if (anchor && relationship == Next)
      at = anchorAt + 1;
    else if (anchor && relationship == Previous)
      at = anchorAt;
    if (level)
      level->insertChild(at, node);
    else
      insertTopLevelItem(at, node);
  }
  if (!key.isEmpty()) byKey_.insert(key, node);
  order_.push_back(node);
  return node;
}

TreeNode* TreeView::Node(const QString& key) const { return byKey_.value(key, nullptr); }

TreeNode* TreeView::NodeAt(int index) const {
  return index >= 1 && index <= NodeCount() ? order_[index - 1] : nullptr;
}

void TreeView::Forget(QTreeWidgetItem* item) {
  for (int i = 0; i < item->childCount(); ++i) Forget(item->child(i));
  auto* node = static_cast<TreeNode*>(item);
  if (!node->Key().isEmpty()) byKey_.remove(node->Key());
  order_.erase(std::remove(order_.begin(), order_.end(), node), order_.end());
  if (pressedCurrent_ == item) pressedCurrent_ = nullptr;
}

bool TreeView::Remove(const QString& key) {
  TreeNode* node = Node(key);
  if (!node) return false;
  Forget(node);
  delete node;
  return true;
}

void TreeView::ClearNodes() {
  quiet_ = true;
  clear();
  quiet_ = false;
  byKey_.clear();
  order_.clear();
  pressedCurrent_ = nullptr;
}

void TreeView::SetAllChecked(const std::function<bool(const TreeNode&)>& checked) {
  const TreeBatch batch(this);
  for (TreeNode* node : order_) node->SetChecked(checked(*node));
}

TreeNode* TreeView::SelectedItem() const { return static_cast<TreeNode*>(currentItem()); }

void TreeView::SetSelectedItem(TreeNode* node) {
  quiet_ = true;
  setCurrentItem(node);
  quiet_ = false;
}

void TreeView::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  pressedCurrent_ = nullptr;
  QTreeWidget::mousePressEvent(event);
  emit MouseDown(event->button(), event->position().toPoint());
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  pressing_ = false;
  pressedCurrent_ = nullptr;
  emit MouseUp(event->button(), event->position().toPoint());
}

TreeBatch::TreeBatch(QTreeWidget* tree) : tree_(tree), model_(tree ? tree->model() : nullptr) {}

TreeBatch::~TreeBatch() {
  if (tree_) tree_->viewport()->update();
}

}  // namespace rd
