#include "designer/DesignedTables.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/TableDdl.h"

namespace rd::DesignedTables {

std::optional<std::vector<DesignedColumn>> Read(const QString& tableName) {
  Recordset rs;
  if (!OpenRecordset("select * from tblTable where TableName='" + SqlStr(tableName) +
                         "' order by FieldIndex",
                     rs, 1))
    return std::nullopt;
  std::vector<DesignedColumn> columns;
  for (; !rs.Eof(); rs.MoveNext()) {
    DesignedColumn c;
    c.tableName = NullToStr(rs.Fields("TableName").Value);
    c.fieldName = NullToStr(rs.Fields("FieldName").Value);
    c.fieldType = NullToStr(rs.Fields("FieldType").Value);
    c.fieldLength = NullToStr(rs.Fields("FieldLength").Value);
    c.isKey = VariantToBoolean(rs.Fields("IsKey").Value);
    c.isAuto = VariantToBoolean(rs.Fields("IsAuto").Value);
    c.allowEmpty = VariantToBoolean(rs.Fields("AllowEmpty").Value);
    c.defaultValue = NullToStr(rs.Fields("DefaultValue").Value);
    columns.push_back(c);
  }
  return columns;
}

bool TableExists(const QString& tableName) {
  if (!DbConnection || !TableDdl::IsPlainName(tableName)) return false;
  QueryResult result;
  return DbConnection->Query("select * from " + tableName + " where 1=0", &result);
}

bool DropTable(const QString& tableName) {
  if (!DbConnection || !TableDdl::IsPlainName(tableName)) return false;
  return ExecuteSQL("drop table " + tableName);
}

bool Replace(const QString& tableName, const QString& createStatement, bool dropFirst,
             QString* error) {
  if (!DbConnection || !TableDdl::IsPlainName(tableName)) return false;
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    *error = DbConnection->LastError();
    return false;
  }
  if (dropFirst && !ExecuteSQL("drop table " + tableName, error)) return false;
  if (!ExecuteSQL(createStatement, error)) return false;
  if (!transaction.Commit()) {
    *error = DbConnection->LastError();
    return false;
  }
  return true;
}

}  // namespace rd::DesignedTables
