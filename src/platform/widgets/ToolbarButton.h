#pragma once
#include <QAction>
#include <QString>

namespace rd {

class Toolbar;

// One button of a Toolbar: found by Key, with a Caption, a ToolTipText, an
// Image taken from its toolbar's image list, and a text Tag.
class ToolbarButton : public QAction {
  Q_OBJECT
 public:
  enum Style { Default = 0, Separator = 3 };

  ToolbarButton(const QString& key, Style style, Toolbar* toolbar);

  QString Key() const { return key_; }
  Style ButtonStyle() const { return style_; }
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  QString ToolTipText() const { return toolTip_; }
  void SetToolTipText(const QString& text);
  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }

  // The picture of the toolbar's image list with that key or 1-based
  // index; false, and no picture, when the list has none such.
  bool SetImage(const QString& key);
  bool SetImage(int index);
  // The key of the picture shown, or "" when it was set by index or not at all.
  QString ImageKey() const { return imageKey_; }
  int ImageIndex() const { return imageIndex_; }

 private:
  Toolbar* toolbar_;
  QString key_;
  Style style_;
  QString toolTip_;
  QString tag_;
  QString imageKey_;
  int imageIndex_ = 0;
};

}  // namespace rd
