#include "designer/RecordsetTemplates.h"

namespace rd {

RecordsetTemplates RecordsetTemplates::Generate(const QString& table,
                                                const QStringList& columns) {
  QStringList names, values, assignments;
  for (const QString& c : columns) {
    if (c.toUpper() == QLatin1String("ID")) continue;
    names << c;
    values << "'@" + c + "'";
    assignments << c + "='@" + c + "'";
  }
  RecordsetTemplates t;
  t.deleteSQL = "Delete from " + table + " where ID=@ID";
  if (names.isEmpty()) {
    t.insertSQL = "Insert into " + table + " default values";
    return t;
  }
  t.insertSQL = "Insert into " + table + "(" + names.join(',') + ") Values(" +
                values.join(',') + ")";
  t.updateSQL = "Update " + table + " set " + assignments.join(',') + " where ID=@ID";
  return t;
}

}  // namespace rd
