#pragma once
#include <QStatusBar>
#include <vector>

#include "platform/widgets/StatusBarPanel.h"

namespace rd {

// A status bar of panels counted from 1, left to right; a Spring panel
// takes the width the others leave.
class StatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent = nullptr);

  StatusBarPanel* AddPanel(const QString& text = QString(), const QString& key = QString());
  // Null when there is no such panel.
  StatusBarPanel* Panel(int index) const;
  StatusBarPanel* Panel(const QString& key) const;
  int PanelCount() const { return int(panels_.size()); }
  void ClearPanels();

  // The bar's width in twips.
  int Width() const;

 private:
  void Restretch(StatusBarPanel* panel);

  std::vector<StatusBarPanel*> panels_;
};

}  // namespace rd
