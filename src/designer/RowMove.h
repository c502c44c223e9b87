#pragma once

namespace rd {

// The four moves of a toolbar grid's row.
enum class RowMove { Top, Up, Down, Bottom };

// The grid row (1 to rows - 1) that the selected row moves to, or -1 when
// it stays: no row selected (-1), the first row going up, the last going
// down. rows counts the caption row, as FlexGrid::Rows does.
int RowMoveTarget(RowMove move, int selectedRow, int rows);

}  // namespace rd
