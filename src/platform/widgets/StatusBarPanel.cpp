#include "platform/widgets/StatusBarPanel.h"

#include "platform/ui/Twips.h"

namespace rd {

namespace {
constexpr int kDefaultWidthTwips = 1440;
}

StatusBarPanel::StatusBarPanel(const QString& key, QWidget* parent)
    : QLabel(parent), key_(key), widthTwips_(kDefaultWidthTwips) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setContentsMargins(2, 0, 2, 0);
  ApplySize();
}

void StatusBarPanel::SetText(const QString& text) {
  setText(text);
  if (autoSize_ == Contents) ApplySize();
}

int StatusBarPanel::Width() const {
  if (autoSize_ == NoAutoSize || !isVisible()) return widthTwips_;
  return Twips::FromPx(width());
}

void StatusBarPanel::SetWidth(int twips) {
  widthTwips_ = qMax(0, twips);
  ApplySize();
}

void StatusBarPanel::SetAutoSize(AutoSizeMode mode) {
  if (mode == autoSize_) return;
  autoSize_ = mode;
  ApplySize();
  emit AutoSizeChanged(this);
}

void StatusBarPanel::ApplySize() {
  const int px = Twips::ToPx(widthTwips_);
  switch (autoSize_) {
    case NoAutoSize:
      setFixedWidth(px);
      break;
    case Spring:
      setMinimumWidth(px);
      setMaximumWidth(QWIDGETSIZE_MAX);
      break;
    case Contents:
      setMinimumWidth(qMax(px, sizeHint().width()));
      setMaximumWidth(QWIDGETSIZE_MAX);
      break;
  }
}

}  // namespace rd
