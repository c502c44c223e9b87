#pragma once
#include <QtGlobal>
#include <optional>

namespace rd {

class FlexGrid;

// The record number grid column 1 holds in a row; nothing when it is not a
// whole number. 0 is a record number like any other.
std::optional<qlonglong> GridRecordID(const FlexGrid& grid, int row);

}  // namespace rd
