#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace rd {

// Writes a record source to tblRecordset: one row per field, the
// source-level texts repeated on each.
class RecordsetSave {
 public:
  struct Source {
    QString name, selectSQL, whereArea, orderArea, insertSQL, updateSQL, deleteSQL, printLines,
        gridCalculate;
  };

  // Whether rows are stored under the trimmed name (case ignored).
  static bool Exists(const QString& name);
  // Replaces the rows stored under the trimmed name by the field rows, in
  // their order, in one transaction. Field rows hold the record source
  // editor's grid cells (RecordsetColumns). Every text but the grid
  // calculation is trimmed, flags become "0" or "1", empty texts NULL.
  // False, with the database's error and nothing changed, on a failure.
  static bool Save(const Source& source, const std::vector<QStringList>& fields, QString* error);

 private:
  static QVariantList Values(const Source& source, const QStringList& cells);
};

}  // namespace rd
