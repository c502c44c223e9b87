#include "designer/RowMove.h"

namespace rd {

int RowMoveTarget(RowMove move, int selectedRow, int rows) {
  const int last = rows - 1;
  if (selectedRow < 1 || selectedRow > last) return -1;
  int target = selectedRow;
  switch (move) {
    case RowMove::Top:
      target = 1;
      break;
    case RowMove::Up:
      target = selectedRow - 1;
      break;
    case RowMove::Down:
      target = selectedRow + 1;
      break;
    case RowMove::Bottom:
      target = last;
      break;
  }
  return target >= 1 && target <= last && target != selectedRow ? target : -1;
}

}  // namespace rd
