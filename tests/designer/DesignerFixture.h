#pragma once
#include <QtTest>

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "support/SampleDatabase.h"

// The sample database with helpers to design tables and read results.
class DesignerDatabase : public SampleDatabase {
 public:
  // The first column of every row, null as "<null>"; empty when the query fails.
  static QStringList Column(const QString& sql) {
    rd::QueryResult result;
    QStringList values;
    if (!rd::DbConnection->Query(sql, &result)) return values;
    for (int r = 0; r < result.rowCount(); ++r)
      values << (result.Cell(r, 0).isNull() ? QStringLiteral("<null>") : result.Text(r, 0));
    return values;
  }
  static bool TableExists(const QString& name) {
    return !Column("select name from sqlite_master where type='table' and name=" +
                   rd::SqlLiteral(name))
                .isEmpty();
  }
  // One designed column: "Name:type:length:flags:default", flags K key, A auto, E allow empty.
  static void Design(const QString& table, const QStringList& columns) {
    int index = 1;
    for (const QString& c : columns) {
      const QStringList p = c.split(':');
      const QString flags = p.value(3);
      Exec(QStringLiteral("insert into tblTable(TableName,FieldIndex,FieldName,FieldType,"
                          "FieldLength,IsKey,IsAuto,AllowEmpty,DefaultValue) values('%1',%2,'%3',"
                          "'%4','%5','%6','%7','%8','%9')")
               .arg(rd::SqlStr(table))
               .arg(index++)
               .arg(rd::SqlStr(p.value(0)), rd::SqlStr(p.value(1)), rd::SqlStr(p.value(2)),
                    flags.contains('K') ? "1" : "0", flags.contains('A') ? "1" : "0",
                    flags.contains('E') ? "1" : "0", rd::SqlStr(p.mid(4).join(':'))));
    }
  }
};
