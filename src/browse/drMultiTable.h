#pragma once
#include "platform/report/Report.h"

namespace rd {

// The report layout of a master record and its detail rows: 50 hidden
// master-field labels and the caption `lblCaption` in the report header
// ("Section4"), 50 column heads and a line on every page ("Section2"),
// 50 data boxes per detail row ("Section1"), and an empty page footer
// ("Section3") and report footer ("Section5").
class drMultiTable : public Report {
 public:
  static constexpr int kFields = 50;

  drMultiTable();
};

}  // namespace rd
