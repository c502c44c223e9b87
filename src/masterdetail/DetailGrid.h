#pragma once
#include <QString>

namespace rd {

class FlexGrid;

// The detail grid of the master-detail windows: the rows of the detail
// record source that a filter selects, captioned and hidden as its field
// rows say.
class DetailGrid {
 public:
  // The detail source's query parts as the last Refresh left them.
  struct Query {
    QString selectSQL, whereArea, orderArea;  // whereArea holds the filter
    QString gridCalculate;                    // the source's assignment list
  };

  // Fills grid with the rows of rsName that filter (an SQL condition, or
  // blank for every row) selects. False, after one message, when the
  // source has no field rows or its query fails; the grid is then empty.
  static bool Refresh(FlexGrid& grid, const QString& rsName, const QString& filter, Query* query);

  // The condition that links the detail rows to a master value: the
  // relation's detail field equal to the value, quotes doubled; "1=0"
  // (no rows) when the relation is not two column names.
  static QString RelationFilter(const QString& relation, const QString& masterValue);
};

}  // namespace rd
