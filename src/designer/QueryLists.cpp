#include "designer/QueryLists.h"

#include <QComboBox>

#include "core/modDatabase.h"

namespace rd {

void AddQueryRows(const QString& sql, std::initializer_list<QComboBox*> lists) {
  Recordset rs;
  if (!OpenRecordset(sql, rs, 1)) return;
  for (; !rs.Eof(); rs.MoveNext())
    for (QComboBox* list : lists) list->addItem(NullToStr(rs.Fields(0).Value));
}

}  // namespace rd
