#include "designer/DesignedTables.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/BareNames.h"
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

namespace {
// Runs the statements in order, all or none.
bool RunAll(const QStringList& statements, QString* error) {
  if (!ConnectionOrError(error)) return false;
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    *error = DbConnection->LastError();
    return false;
  }
  for (const QString& sql : statements)
    if (!ExecuteSQL(sql, error)) return false;
  if (!transaction.Commit()) {
    *error = DbConnection->LastError();
    return false;
  }
  return true;
}
}  // namespace

bool DeleteWithTable(const QString& tableName, QString* error) {
  const QString deleteDesign = "delete from tbltable where tablename='" + SqlStr(tableName) + "'";
  const QString name = tableName.trimmed();
  if (BareNames::IsSystemTable(name) || !TableExists(name)) return ExecuteSQL(deleteDesign, error);
  return RunAll({"drop table " + name, deleteDesign}, error);
}

bool Replace(const QString& tableName, const QString& createStatement, bool dropFirst,
             QString* error) {
  if (!DbConnection || !TableDdl::IsPlainName(tableName)) return false;
  QStringList statements;
  if (dropFirst) statements << "drop table " + tableName;
  return RunAll(statements << createStatement, error);
}

}  // namespace rd::DesignedTables
