#include "users/ModuleTree.h"

#include <QSet>

#include "browse/modToolbar.h"
#include "core/MenuTree.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "users/ModuleNodeTag.h"
#include "users/PrivilegeItems.h"

namespace rd {

bool ModuleTree::Read(bool withItems) {
  nodes_.clear();
  Recordset rs;
  if (!OpenRecordset(QStringLiteral("select * from tblMenu order by MenuIndex"), rs, 1))
    return false;
  MenuTree menu;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (rs.Value(QStringLiteral("ID")).isNull()) continue;
    menu.Append({NullToStr(rs.Value(QStringLiteral("ID"))),
                 NullToStr(rs.Value(QStringLiteral("Language"))),
                 NullToStr(rs.Value(QStringLiteral("Parent"))), ModuleNodeTag::Of(rs)});
  }
  std::vector<Node> rows;
  menu.Walk([&](const MenuTree::Row& row, int parent) {
    rows.push_back({row.ID, row.Caption, row.Tag, parent ? rows[parent - 1].key : QString()});
    return int(rows.size());
  });
  nodes_ = withItems ? WithItems(rows) : std::move(rows);
  return true;
}

std::vector<ModuleTree::Node> ModuleTree::WithItems(const std::vector<Node>& menu) const {
  QSet<QString> keys;
  QSet<QString> parents;
  for (const Node& node : menu) {
    keys.insert(node.key.toLower());
    parents.insert(node.parentKey.toLower());
  }
  const PrivilegeItems items = PrivilegeItems::Read();
  std::vector<Node> nodes;
  for (const Node& node : menu) {
    nodes.push_back(node);
    if (node.text == QLatin1String("-") || parents.contains(node.key.toLower())) continue;
    for (const PrivilegeItem& item : items.Of(node.key, node.tag)) {
      const QString key = PrivilegeKey(node.key, item.key, item.mode);
      if (keys.contains(key.toLower())) continue;
      keys.insert(key.toLower());
      nodes.push_back({key, item.caption + '(' + item.mode + ')', QString(), node.key});
    }
  }
  return nodes;
}

}  // namespace rd
