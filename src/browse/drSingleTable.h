#pragma once
#include "platform/report/Report.h"

namespace rd {

// The report layout the browse grids print through: the heading in the
// report header ("Section4"), 50 column heads and a line on every page
// ("Section2"), 50 data boxes per record ("Section1"), an empty page footer
// ("Section3") and 50 status texts and a line at the end ("Section5").
// Everything but the heading starts hidden; the printing fills it.
class drSingleTable : public Report {
 public:
  static constexpr int kFields = 50;
  static constexpr int kDetailLineHeight = 260;
  // Half an inch on every side of the page.
  static constexpr int kMargin = 720;

  drSingleTable();
};

}  // namespace rd
