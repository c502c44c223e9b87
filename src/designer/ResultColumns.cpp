#include "designer/ResultColumns.h"

#include <QRegularExpression>

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"

namespace rd {

QString ResultColumns::NoRowQuery(const QString& select) {
  static const QRegularExpression trailing(QStringLiteral("[\\s;]+$"));
  QString query = select;
  query.remove(trailing);
  // On lines of their own, so that a trailing comment ends before ")".
  return "select * from (\n" + query + "\n) rdColumns where 1=0";
}

bool ResultColumns::Read(const QString& select, QStringList* names) {
  if (!DbConnection) return false;
  // Never committed: whatever a server batch might change is rolled back.
  Transaction undo(*DbConnection);
  Recordset rs;
  if (!OpenRecordset(NoRowQuery(select), rs, 1)) return false;
  names->clear();
  for (int i = 0; i < rs.FieldCount(); ++i) *names << rs.FieldName(i);
  return true;
}

}  // namespace rd
