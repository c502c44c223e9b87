#include "browse/GridRecordID.h"

#include "platform/widgets/FlexGrid.h"

namespace rd {

std::optional<qlonglong> GridRecordID(const FlexGrid& grid, int row) {
  bool ok = false;
  const qlonglong id = grid.TextMatrix(row, 1).trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  return id;
}

}  // namespace rd
