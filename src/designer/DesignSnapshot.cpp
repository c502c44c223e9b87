#include "designer/DesignSnapshot.h"

#include "core/Globals.h"
#include "platform/db/QueryResult.h"

namespace rd {

namespace {
const QChar kCellEnd(0x1f);
const QChar kRowEnd(0x1e);
}  // namespace

DesignSnapshot::Entries DesignSnapshot::Read(const QString& sql, const QString& nameColumn) {
  Entries entries;
  QueryResult result;
  if (!DbConnection || !DbConnection->Query(sql, &result)) return entries;
  const int nameAt = int(result.columns.indexOf(nameColumn));
  for (int r = 0; r < result.rowCount(); ++r) {
    const QString name = result.Text(r, nameAt);
    Entry& entry = entries[name.toLower()];
    entry.name = name;
    for (int c = 0; c < result.columns.size(); ++c) entry.rows += result.Text(r, c) + kCellEnd;
    entry.rows += kRowEnd;
  }
  return entries;
}

DesignSnapshot DesignSnapshot::Take() {
  DesignSnapshot snapshot;
  snapshot.sources_ = Read(QStringLiteral("select * from tblRecordset order by ID"),
                           QStringLiteral("RsName"));
  snapshot.modules_ = Read(QStringLiteral("select * from tblMenu"), QStringLiteral("ID"));
  return snapshot;
}

DesignChange DesignSnapshot::ChangesTo(const DesignSnapshot& later) const {
  DesignChange change;
  auto differ = [](const Entries& a, const Entries& b, QStringList* changed, QStringList* gone) {
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
      const auto now = b.constFind(it.key());
      if (now == b.cend())
        *gone << it->name;
      else if (now->rows != it->rows)
        *changed << it->name;
    }
    for (auto it = b.cbegin(); it != b.cend(); ++it)
      if (!a.contains(it.key())) *changed << it->name;
  };
  differ(sources_, later.sources_, &change.sources, &change.sources);
  differ(modules_, later.modules_, &change.modules, &change.deletedModules);
  return change;
}

}  // namespace rd
