#pragma once
#include <QString>

namespace rd {

// One column of a designed table, as a tblTable row describes it.
struct DesignedColumn {
  QString tableName;
  QString fieldName;
  QString fieldType;
  QString fieldLength;
  bool isKey = false;
  bool isAuto = false;
  bool allowEmpty = false;
  QString defaultValue;
};

}  // namespace rd
