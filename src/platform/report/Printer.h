#pragma once
#include <QMargins>
#include <QRect>
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

  // The page turned to a report orientation (0 leaves it as it lies).
  static QSize Oriented(const QSize& page, int orientation);
  // Where a report with this margin prints on the default printer's page
  // turned to the orientation.
  static QRect PrintArea(int orientation, int margin);
  // The page less, on each side, the margin or the printer's unprintable
  // edge, whichever is wider; twips from the page's top-left corner.
  static QRect PrintArea(const QSize& page, const QMargins& unprintable, int margin);
};

}  // namespace rd
