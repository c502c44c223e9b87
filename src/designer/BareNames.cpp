#include "designer/BareNames.h"

#include <QSet>
#include <QStringList>

#include "core/SystemTables.h"
#include "platform/db/SqliteStatement.h"

namespace rd::BareNames {

namespace {

const QSet<QString>& ServerKeywords() {
  static const QSet<QString> kWords = [] {
    const QStringList words = QStringLiteral(
        "add all alter and any as asc authorization backup begin between break browse bulk by "
        "cascade case check checkpoint close clustered coalesce collate column commit compute "
        "constraint contains containstable continue convert create cross current current_date "
        "current_time current_timestamp current_user cursor database dbcc deallocate declare "
        "default delete deny desc disk distinct distributed double drop dump else end errlvl "
        "escape except exec execute exists exit external fetch file fillfactor for foreign "
        "freetext freetexttable from full function goto grant group having holdlock identity "
        "identity_insert identitycol if in index inner insert intersect into is join key kill "
        "left like lineno load merge national nocheck nonclustered not null nullif of off "
        "offsets on open opendatasource openquery openrowset openxml option or order outer over "
        "percent pivot plan precision primary print proc procedure public raiserror read "
        "readtext reconfigure references replication restore restrict return revert revoke "
        "right rollback rowcount rowguidcol rule save schema securityaudit select "
        "semantickeyphrasetable semanticsimilaritydetailstable semanticsimilaritytable "
        "session_user set setuser shutdown some statistics system_user table tablesample "
        "textsize then to top tran transaction trigger truncate try_convert tsequal union unique "
        "unpivot update updatetext use user values varying view waitfor when where while with "
        "writetext")
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(words.begin(), words.end());
  }();
  return kWords;
}

}  // namespace

bool Takes(const QString& name, Place place, bool sqlServer) {
  if (sqlServer) {
    const QString word = place == Place::Type ? name.section(QLatin1Char('('), 0, 0) : name;
    return !ServerKeywords().contains(word.trimmed().toLower());
  }
  switch (place) {
    case Place::Table:
      return SqliteParses("CREATE TABLE " + name + "(x int)");
    case Place::Column:
      return SqliteParses("CREATE TABLE x(" + name + " int)");
    case Place::Type:
      // A cast, not a column: there a constraint word ("unique", "not") parses too.
      return SqliteParses("SELECT CAST(1 AS " + name + ")");
  }
  return false;
}

bool IsSystemTable(const QString& name) {
  return rd::IsSystemTable(name) || name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive);
}

}  // namespace rd::BareNames
