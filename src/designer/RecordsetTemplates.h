#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// The insert, update and delete statements of a new record source, with
// "@" + column placeholders, for the table its name stands for.
struct RecordsetTemplates {
  QString insertSQL, updateSQL, deleteSQL;

  // Columns named ID (any case) are the key and are left out of the insert
  // and update lists. Without any other column nothing can be updated: the
  // insert takes the table's defaults and the update stays empty.
  static RecordsetTemplates Generate(const QString& table, const QStringList& columns);
};

}  // namespace rd
