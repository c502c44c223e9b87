#pragma once
#include <QString>
#include <vector>

namespace rd {

// The menu entries and modules of tblMenu as the privilege windows show
// them, parents before children, depth first, siblings by MenuIndex. Keys
// are unique without regard to case: a second row or item with a key
// already taken is skipped, as are rows that are their own ancestors.
class ModuleTree {
 public:
  struct Node {
    QString key;
    QString text;
    QString tag;        // the ModuleNodeTag of a menu row; "" for an item
    QString parentKey;  // "" for a top-level entry
  };

  // Reads tblMenu; withItems puts each module's privilege items under it
  // (a module with entries below it gets none). False when tblMenu could
  // not be read; OpenRecordset has shown why.
  bool Read(bool withItems);
  const std::vector<Node>& Nodes() const { return nodes_; }

 private:
  std::vector<Node> WithItems(const std::vector<Node>& menu) const;

  std::vector<Node> nodes_;
};

}  // namespace rd
