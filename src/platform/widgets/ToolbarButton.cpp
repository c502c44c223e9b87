#include "platform/widgets/ToolbarButton.h"

#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

ToolbarButton::ToolbarButton(const QString& key, Style style, Toolbar* toolbar)
    : QAction(toolbar), toolbar_(toolbar), key_(key), style_(style) {
  setSeparator(style == Separator);
}

void ToolbarButton::SetToolTipText(const QString& text) {
  toolTip_ = text;
  setToolTip(text);
}

bool ToolbarButton::SetImage(const QString& key) {
  const ImageList* images = toolbar_->Images();
  const bool found = SetImage(images ? images->IndexOf(key) : 0);
  imageKey_ = found ? key : QString();
  return found;
}

bool ToolbarButton::SetImage(int index) {
  const ImageList* images = toolbar_->Images();
  const QIcon picture = images ? images->Icon(index) : QIcon();
  setIcon(picture);
  imageKey_.clear();
  imageIndex_ = picture.isNull() ? 0 : index;
  return !picture.isNull();
}

}  // namespace rd
