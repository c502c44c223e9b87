#include "designer/RecordsetFields.h"

#include "core/modDatabase.h"
#include "designer/RecordsetColumns.h"
#include "platform/db/Recordset.h"

namespace rd {

using C = RecordsetColumns;

RecordsetFields::Row RecordsetFields::Defaults(const QString& field) {
  Row row;
  for (int c = 0; c <= C::kCount; ++c) row << QString();
  row[C::kField] = field;
  row[C::kControlType] = QStringLiteral("Text");
  row[C::kLanguage] = field;
  row[C::kIsKey] = QStringLiteral("0");
  row[C::kIsShow] = QStringLiteral("1");
  row[C::kIsReadOnly] = QStringLiteral("0");
  row[C::kIsInput] = QStringLiteral("0");
  row[C::kInputRange] = QStringLiteral("Any");
  row[C::kMaxLength] = QStringLiteral("0");
  row[C::kIsBillID] = QStringLiteral("0");
  return row;
}

bool RecordsetFields::FindStored(const Recordset& stored, const QString& field, int* row) {
  const int column = stored.FieldIndex(C::Name(C::kField));
  if (column < 0) return false;
  for (int r = 0; r < stored.RecordCount(); ++r) {
    if (NullToStr(stored.Cell(r, column)).compare(field, Qt::CaseInsensitive) == 0) {
      *row = r;
      return true;
    }
  }
  return false;
}

RecordsetFields::Row RecordsetFields::StoredRow(const Recordset& stored, int row) {
  Row cells{QString()};
  for (int c = 1; c <= C::kCount; ++c) {
    const int column = stored.FieldIndex(C::Name(c));
    QString value = column < 0 ? QString() : NullToStr(stored.Cell(row, column));
    if (C::IsFlag(c) && value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
      value = QStringLiteral("0");
    cells << value;
  }
  return cells;
}

std::vector<RecordsetFields::Row> RecordsetFields::Build(const QStringList& columns,
                                                         const Recordset* stored) {
  std::vector<Row> rows;
  for (const QString& name : columns) {
    int found = -1;
    if (stored && FindStored(*stored, name, &found))
      rows.push_back(StoredRow(*stored, found));
    else
      rows.push_back(Defaults(name));
  }
  return rows;
}

}  // namespace rd
