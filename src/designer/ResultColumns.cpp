#include "designer/ResultColumns.h"

#include "core/Globals.h"
#include "core/modDatabase.h"

namespace rd {

bool ResultColumns::Read(const QString& select, QStringList* names) {
  if (!DbConnection) return false;
  // Never committed: whatever a server batch might change is rolled back.
  Transaction undo(*DbConnection);
  return OpenColumns(select, names);
}

}  // namespace rd
