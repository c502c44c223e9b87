#pragma once
#include <QStringList>
#include <vector>

namespace rd {

class Recordset;

// The field rows Execute makes for the columns of a select: one row of
// cells per column, indexed by the record source editor's grid columns
// (cell 0 unused, 1 to RecordsetColumns::kCount).
class RecordsetFields {
 public:
  using Row = QStringList;

  // A new field: caption the column name, shown, "Text", "Any", no limit.
  static Row Defaults(const QString& field);
  // With stored, a field stored there before (the first row whose Field
  // equals the column name, case ignored) keeps every stored cell, its
  // flags "False" read as "0"; other fields get the defaults.
  static std::vector<Row> Build(const QStringList& columns, const Recordset* stored);

 private:
  static bool FindStored(const Recordset& stored, const QString& field, int* row);
  static Row StoredRow(const Recordset& stored, int row);
};

}  // namespace rd
