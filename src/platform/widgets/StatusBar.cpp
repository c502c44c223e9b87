#include "platform/widgets/StatusBar.h"

#include <algorithm>

#include "platform/ui/Twips.h"

namespace rd {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) { setSizeGripEnabled(false); }

StatusBarPanel* StatusBar::AddPanel(const QString& text, const QString& key) {
  auto* panel = new StatusBarPanel(key, this);
  panel->SetText(text);
  connect(panel, &StatusBarPanel::AutoSizeChanged, this, &StatusBar::Restretch);
  addWidget(panel, 0);
  panels_.push_back(panel);
  return panel;
}

StatusBarPanel* StatusBar::Panel(int index) const {
  return index >= 1 && index <= PanelCount() ? panels_[index - 1] : nullptr;
}

StatusBarPanel* StatusBar::Panel(const QString& key) const {
  if (key.isEmpty()) return nullptr;
  auto it = std::find_if(panels_.begin(), panels_.end(),
                         [&](const StatusBarPanel* p) { return p->Key() == key; });
  return it == panels_.end() ? nullptr : *it;
}

void StatusBar::ClearPanels() {
  for (StatusBarPanel* panel : panels_) {
    removeWidget(panel);
    panel->deleteLater();
  }
  panels_.clear();
}

int StatusBar::Width() const { return Twips::FromPx(width()); }

void StatusBar::Restretch(StatusBarPanel* panel) {
  // A widget's stretch is fixed when it is added, so the panel goes back
  // in at its place with the new one.
  const int at = int(std::find(panels_.begin(), panels_.end(), panel) - panels_.begin());
  removeWidget(panel);
  insertWidget(at, panel, panel->AutoSize() == StatusBarPanel::Spring ? 1 : 0);
  panel->show();
}

}  // namespace rd
