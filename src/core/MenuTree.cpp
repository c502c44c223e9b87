#include "core/MenuTree.h"

#include <QSet>
#include <vector>

namespace rd {

void MenuTree::Append(const Row& row) {
  children_[row.Parent.toLower()].append(int(rows_.size()));
  rows_.append(row);
}

void MenuTree::Walk(const AddFn& add) const {
  struct Level {
    const QList<int>* rows;
    int next;
    int handle;
  };
  static const QList<int> none;
  auto childrenOf = [&](const QString& key) -> const QList<int>* {
    auto it = children_.constFind(key.toLower());
    return it == children_.cend() ? &none : &*it;
  };

  // "0" is the bar itself: a row claiming that ID would be its own parent.
  QSet<QString> visited{QStringLiteral("0")};
  std::vector<Level> stack{{childrenOf(QStringLiteral("0")), 0, 0}};
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next >= level.rows->size()) {
      stack.pop_back();
      continue;
    }
    const Row& row = rows_[level.rows->at(level.next++)];
    const QString id = row.ID.toLower();
    if (visited.contains(id)) continue;
    visited.insert(id);
    const int handle = add(row, level.handle);
    if (handle) stack.push_back({childrenOf(row.ID), 0, handle});
  }
}

}  // namespace rd
