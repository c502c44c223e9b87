#include "core/SystemTables.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/QueryResult.h"
#include "platform/ui/Ui.h"

namespace rd {

namespace {
constexpr int kNoTable = 1273;
constexpr int kNoColumn = 1274;

struct Table {
  const char* name;
  QStringList columns;
};

// What login and the menu bar read.
const Table kStartupTables[] = {
    {"tblUser", {"UserName", "Password", "IsEnable", "IsAdmin"}},
    {"tblMenu", {"ID", "MenuIndex", "Language", "Parent", "FormTemplateName"}},
    {"tblPrivilege", {"UserName", "ModuleID"}},
};

// What the windows read once the program runs.
const Table kLaterTables[] = {
    {"tblMenu",
     {"ID", "MenuIndex", "Language", "Parent", "RsName", "RsName2", "Relation",
      "FormTemplateName", "BrowseToolbar", "ViewToolbar", "AddToolbar", "ModifyToolbar"}},
    {"tblRecordset",
     {"ID", "RsName", "SelectSQL", "WhereArea", "OrderArea", "InsertSQL", "UpdateSQL",
      "DeleteSQL", "PrintLines", "Field", "ControlType", "Language", "IsKey", "IsShow",
      "IsReadOnly", "IsInput", "InputRange", "InputExp", "MaxLength", "DefaultValue",
      "DisplayFormat", "SaveFormat", "OptionRs", "ReturnField", "TotalSQL", "TotalFormat",
      "TotalLanguage", "Calculate", "IsBillID", "CustomBillID", "SpecField", "GridCalculate"}},
    {"tblToolbar",
     {"ID", "MenuID", "ButtonType", "Text", "ToolTipText", "Image", "ButtonFunction",
      "ButtonIndex", "Mode", "Parameter1", "Parameter2", "Parameter3"}},
    {"tblPrivilegeID", {"MenuID", "PriName", "PriDesc", "Mode"}},
    {"tblTable",
     {"ID", "TableName", "FieldIndex", "FieldName", "FieldType", "FieldLength", "IsKey",
      "IsAuto", "AllowEmpty", "DefaultValue"}},
    {"tblBillID", {"RsName", "RsField", "CurrID"}},
    {"tblClass", {"ID", "Language", "ClassIndex"}},
    {"tblFieldType", {"ID", "TypeIndex"}},
    {"tblControlType", {"ID", "TypeIndex"}},
    {"tblInputRange", {"ID", "InputIndex"}},
    {"tblSpecField", {"ID", "FieldIndex"}},
    {"tblFormTemplate", {"FormTemplateName", "FormIndex"}},
};

// The message naming what of table is missing; empty when nothing is.
QString Missing(const QString& name, const QStringList& columns) {
  QueryResult result;
  if (!DbConnection->Query("select * from " + name + " where 1=0", &result))
    return DbConnection->Damaged() ? DbConnection->DamagedText()
                                   : ReplaceParams(GetLangString(kNoTable), {name});
  for (const QString& column : columns)
    if (!result.columns.contains(column, Qt::CaseInsensitive))
      return ReplaceParams(GetLangString(kNoColumn), {name, column});
  return QString();
}

QString FirstMissing(std::span<const Table> tables) {
  for (const Table& table : tables)
    if (QString missing = Missing(QString::fromLatin1(table.name), table.columns);
        !missing.isEmpty())
      return missing;
  return QString();
}

}  // namespace

QString MissingSystemTable() {
  if (!DbConnection) return QString();
  return FirstMissing(kStartupTables);
}

QString MissingSystemTable(const QStringList& tables) {
  if (!DbConnection) return QString();
  for (const QString& name : tables) {
    QStringList columns;
    for (const Table& table : kLaterTables)
      if (name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0)
        columns = table.columns;
    if (QString missing = Missing(name, columns); !missing.isEmpty()) return missing;
  }
  return QString();
}

bool IsSystemTable(const QString& name) {
  const auto named = [&name](const Table& table) {
    return name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0;
  };
  return std::any_of(std::begin(kStartupTables), std::end(kStartupTables), named) ||
         std::any_of(std::begin(kLaterTables), std::end(kLaterTables), named);
}

bool CheckSystemTables(const QStringList& tables, QWidget* parent) {
  const QString missing = MissingSystemTable(tables);
  if (missing.isEmpty()) return true;
  // A damage already told of is not told again.
  if (const QString told = FailureToTell(missing); !told.isEmpty())
    MsgBox(told, MsgIcon::Critical, MsgButtons::OkOnly, AppTitle, parent);
  return false;
}

const QStringList& ModuleTables() {
  static const QStringList tables = {"tblRecordset", "tblToolbar"};
  return tables;
}

const QStringList& DesignerTables() {
  static const QStringList tables = {"tblMenu",        "tblRecordset", "tblToolbar",
                                     "tblPrivilegeID", "tblTable",     "tblClass",
                                     "tblFieldType",   "tblControlType", "tblInputRange",
                                     "tblSpecField",   "tblFormTemplate"};
  return tables;
}

const QStringList& PrivilegeTables() {
  static const QStringList tables = {"tblPrivilegeID", "tblToolbar"};
  return tables;
}

}  // namespace rd
