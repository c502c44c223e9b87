#include "platform/widgets/Toolbar.h"

#include <algorithm>

#include "platform/widgets/ToolbarKeys.h"

namespace rd {

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setIconSize(QSize(24, 24));
  JoinTabChain(this);
}

ToolbarButton* Toolbar::AddButton(const QString& key, const QString& caption,
                                  ToolbarButton::Style style) {
  if (!key.isEmpty() && Button(key)) return nullptr;
  auto* button = new ToolbarButton(key, style, this);
  if (style != ToolbarButton::Separator) button->SetCaption(caption.isEmpty() ? key : caption);
  connect(button, &QAction::triggered, this, [this, button] { emit ButtonClick(button); });
  addAction(button);
  buttons_.push_back(button);
  return button;
}

ToolbarButton* Toolbar::Button(const QString& key) const {
  if (key.isEmpty()) return nullptr;
  auto it = std::find_if(buttons_.begin(), buttons_.end(),
                         [&](const ToolbarButton* b) { return b->Key() == key; });
  return it == buttons_.end() ? nullptr : *it;
}

ToolbarButton* Toolbar::Button(int index) const {
  return index >= 1 && index <= ButtonCount() ? buttons_[index - 1] : nullptr;
}

bool Toolbar::RemoveButton(const QString& key) {
  ToolbarButton* button = Button(key);
  if (!button) return false;
  buttons_.erase(std::find(buttons_.begin(), buttons_.end(), button));
  removeAction(button);
  button->deleteLater();
  return true;
}

void Toolbar::ClearButtons() {
  for (ToolbarButton* button : buttons_) {
    removeAction(button);
    button->deleteLater();
  }
  buttons_.clear();
}

}  // namespace rd
