#pragma once
#include <QSize>

namespace rd {

// The default printer's page, in twips, as its paper lies by default.
// Without an installed printer the page is the paper a PDF would use.
class Printer {
 public:
  static int Width();
  static int Height();
  // Puts a page of this size in place of the printer's; an empty size
  // brings back the printer's own.
  static void SetPageSize(const QSize& twips);
};

}  // namespace rd
