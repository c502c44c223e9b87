#pragma once
#include <QPointer>
#include <QToolBar>
#include <vector>

#include "platform/widgets/ImageList.h"
#include "platform/widgets/ToolbarButton.h"

namespace rd {

// A toolbar of keyed buttons (1-based index in the order added), showing
// each button's caption under its picture. Its buttons are in the window's
// Tab chain (see JoinTabChain).
class Toolbar : public QToolBar {
  Q_OBJECT
 public:
  explicit Toolbar(QWidget* parent = nullptr);

  void SetImageList(ImageList* images) { images_ = images; }
  ImageList* Images() const { return images_; }

  // Appends a button whose key and caption are key; null when another
  // button has that key (separators and empty keys may repeat).
  ToolbarButton* AddButton(const QString& key, const QString& caption = QString(),
                           ToolbarButton::Style style = ToolbarButton::Default);
  // Null when no button has the key (keys compare exactly) or index.
  ToolbarButton* Button(const QString& key) const;
  ToolbarButton* Button(int index) const;
  int ButtonCount() const { return int(buttons_.size()); }
  bool RemoveButton(const QString& key);
  void ClearButtons();

 signals:
  void ButtonClick(rd::ToolbarButton* button);

 private:
  QPointer<ImageList> images_;
  std::vector<ToolbarButton*> buttons_;
};

}  // namespace rd
