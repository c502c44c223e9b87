#include "toolkit/ctlSplitterEx.h"

#include <QLabel>
#include <QMouseEvent>

#include "platform/ui/Twips.h"

namespace rd {

namespace {

TwipsRect twipsOf(const QRect& px) {
  return {Twips::FromPx(px.x()), Twips::FromPx(px.y()), Twips::FromPx(px.width()),
          Twips::FromPx(px.height())};
}

void place(QWidget* pane, const PanePlacement& placement) {
  const TwipsRect r = placement.AppliedTo(twipsOf(pane->geometry()));
  pane->setGeometry(Twips::ToPx(r.Left, r.Top, r.Width, r.Height));
}

// Splitters live on the interface thread, so a plain counter serves.
qlonglong nextId() {
  static qlonglong last = 0;
  return ++last;
}

void refreshIfSplitter(QWidget* pane) {
  if (auto* nested = qobject_cast<ctlSplitterEx*>(pane)) nested->Refresh();
}

}  // namespace

ctlSplitterEx::ctlSplitterEx(QWidget* parent) : QWidget(parent), id_(nextId()) {
  setMouseTracking(true);
  lblInfo_[0] = new QLabel(QStringLiteral("SplitterEx"), this);
  lblInfo_[1] = new QLabel(QStringLiteral("(must be behind its attached objects)"), this);
  for (QLabel* label : lblInfo_) label->adjustSize();
  lblInfo_[1]->move(0, lblInfo_[0]->height());
}

void ctlSplitterEx::MaxTilePercent(int value) { limits_.SetMax(value); }

void ctlSplitterEx::MinTilePercent(int value) { limits_.SetMin(value); }

void ctlSplitterEx::TileMode(int mode) {
  tileMode_ = mode;
  Refresh();
}

void ctlSplitterEx::AttachObjects(QWidget* oLeft, QWidget* oRight, bool InitZOrder) {
  first_ = oLeft;
  second_ = oRight;
  limits_ = ShareLimits();
  share_ = SplitterLayout::InitialShare;
  lblInfo_[1]->hide();
  lblInfo_[0]->hide();
  initialised_ = true;
  // The keyboard goes from the first pane to the second, as they are read.
  if (oLeft && oRight) QWidget::setTabOrder(oLeft, oRight);
  if (InitZOrder) {
    if (oLeft) oLeft->raise();
    if (oRight) oRight->raise();
  }
  Refresh();
}

void ctlSplitterEx::Refresh() {
  if (!initialised_ || !first_ || !second_) return;
  const TwipsRect e = twipsOf(geometry());
  place(first_, SplitterLayout::FirstPane(e, share_, tileMode_));
  place(second_, SplitterLayout::SecondPane(e, twipsOf(first_->geometry()), tileMode_));
  // Hidden panes get no resize event until shown, so nested splitters are told.
  refreshIfSplitter(first_);
  refreshIfSplitter(second_);
}

void ctlSplitterEx::FillParentBelow(int top) {
  const QWidget* parent = parentWidget();
  if (!parent) return;
  setGeometry(0, top, parent->width(),
              parent->height() - top + Twips::ToPx(SplitterLayout::FrameHeight));
}

void ctlSplitterEx::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Refresh();
}

void ctlSplitterEx::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  Refresh();
}

int ctlSplitterEx::along(const QMouseEvent* event) const {
  const QPoint p = event->position().toPoint();
  return Twips::FromPx(sideBySide() ? p.x() : p.y());
}

bool ctlSplitterEx::inGap(int p) const {
  if (!first_) return false;
  const QSize size = first_->size();
  return SplitterLayout::InGap(p, Twips::FromPx(sideBySide() ? size.width() : size.height()));
}

void ctlSplitterEx::mousePressEvent(QMouseEvent* event) {
  dragging_ = dragging_ || inGap(along(event));
}

void ctlSplitterEx::mouseMoveEvent(QMouseEvent* event) {
  const int p = along(event);
  if (dragging_ || inGap(p))
    setCursor(sideBySide() ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  else
    unsetCursor();
  if (!dragging_) return;
  const int extent = Twips::FromPx(sideBySide() ? width() : height());
  if (const auto share = SplitterLayout::DragShare(p, extent, limits_)) {
    share_ = *share;
    Refresh();
  }
}

void ctlSplitterEx::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  unsetCursor();
}

}  // namespace rd
