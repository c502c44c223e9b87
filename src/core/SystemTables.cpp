#include "core/SystemTables.h"

#include <QStringList>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/db/QueryResult.h"

namespace rd {

namespace {
constexpr int kNoTable = 1273;
constexpr int kNoColumn = 1274;

struct Table {
  const char* name;
  QStringList columns;
};
}  // namespace

QString MissingSystemTable() {
  if (!DbConnection) return QString();
  const Table tables[] = {
      {"tblUser", {"UserName", "Password", "IsEnable", "IsAdmin"}},
      {"tblMenu", {"ID", "MenuIndex", "Language", "Parent", "FormTemplateName"}},
      {"tblPrivilege", {"UserName", "ModuleID"}},
  };
  for (const Table& table : tables) {
    const QString name = QString::fromLatin1(table.name);
    QueryResult result;
    if (!DbConnection->Query("select * from " + name + " where 1=0", &result))
      return ReplaceParams(GetLangString(kNoTable), {name});
    for (const QString& column : table.columns)
      if (!result.columns.contains(column, Qt::CaseInsensitive))
        return ReplaceParams(GetLangString(kNoColumn), {name, column});
  }
  return QString();
}

}  // namespace rd
