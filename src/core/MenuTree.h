#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace rd {

// The rows of tblMenu as a tree hanging from the parent key "0" (the menu
// bar). Parents are matched without regard to case, as the database
// compares them; siblings keep the order the rows were given in.
class MenuTree {
 public:
  struct Row {
    QString ID;
    QString Caption;
    QString Parent;
    QString Tag;
  };

  // Called for each row, parents before their children, depth first, with
  // the handle returned for its parent (0 for the menu bar); returns the
  // row's own handle, 0 when its children are to be skipped.
  using AddFn = std::function<int(const Row& row, int parentHandle)>;

  void Append(const Row& row);

  // Visits every row reachable from the bar once: an ID met again (a cycle,
  // a duplicate, or "0") is skipped with its children.
  void Walk(const AddFn& add) const;

 private:
  QList<Row> rows_;
  QHash<QString, QList<int>> children_;  // lower-case parent key -> rows
};

}  // namespace rd
