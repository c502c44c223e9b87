#include "platform/report/Printer.h"

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

#include "platform/report/Report.h"
#include "platform/ui/Twips.h"

namespace rd {

namespace {

QSize& PageOverride() {
  static QSize size;
  return size;
}

struct Page {
  QSize size;
  QMargins unprintable;
};

Page DefaultPage() {
  if (!PageOverride().isEmpty()) return {PageOverride(), {}};
  QPrinter printer;
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Point);
  const QSizeF points = layout.fullRect().size();
  return {(points * Twips::PerPoint).toSize(), Twips::FromPoints(layout.minimumMargins())};
}
}  // namespace

int Printer::Width() { return DefaultPage().size.width(); }
int Printer::Height() { return DefaultPage().size.height(); }
void Printer::SetPageSize(const QSize& twips) { PageOverride() = twips; }

QSize Printer::Oriented(const QSize& page, int orientation) {
  const int shorter = std::min(page.width(), page.height());
  const int longer = std::max(page.width(), page.height());
  if (orientation == Report::Portrait) return QSize(shorter, longer);
  if (orientation == Report::Landscape) return QSize(longer, shorter);
  return page;
}

QRect Printer::PrintArea(int orientation, int margin) {
  const Page page = DefaultPage();
  const QSize oriented = Oriented(page.size, orientation);
  const QMargins& e = page.unprintable;
  // A page turned a quarter takes its unprintable edges round with it.
  const QMargins edges = oriented == page.size ? e : QMargins(e.top(), e.right(), e.bottom(), e.left());
  return PrintArea(oriented, edges, margin);
}

QRect Printer::PrintArea(const QSize& page, const QMargins& unprintable, int margin) {
  const int m = std::max(0, margin);
  const QMargins edges(std::max(m, unprintable.left()), std::max(m, unprintable.top()),
                       std::max(m, unprintable.right()), std::max(m, unprintable.bottom()));
  const QRect area = QRect(QPoint(0, 0), page).marginsRemoved(edges);
  return QRect(area.topLeft(), area.size().expandedTo(QSize(0, 0)));
}

}  // namespace rd
