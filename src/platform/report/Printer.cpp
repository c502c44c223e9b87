#include "platform/report/Printer.h"

#include <QPageLayout>
#include <QPrinter>

namespace rd {

namespace {
QSize& PageOverride() {
  static QSize size;
  return size;
}

QSize PageSize() {
  if (!PageOverride().isEmpty()) return PageOverride();
  QPrinter printer;
  const QSizeF points = printer.pageLayout().fullRect(QPageLayout::Point).size();
  return QSize(qRound(points.width() * 20), qRound(points.height() * 20));
}
}  // namespace

int Printer::Width() { return PageSize().width(); }
int Printer::Height() { return PageSize().height(); }
void Printer::SetPageSize(const QSize& twips) { PageOverride() = twips; }

}  // namespace rd
