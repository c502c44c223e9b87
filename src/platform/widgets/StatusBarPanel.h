#pragma once
#include <QLabel>

namespace rd {

// One panel of a StatusBar: a text, a Width in twips and an AutoSize mode.
class StatusBarPanel : public QLabel {
  Q_OBJECT
 public:
  enum AutoSizeMode { NoAutoSize = 0, Spring = 1, Contents = 2 };

  StatusBarPanel(const QString& key, QWidget* parent);

  QString Key() const { return key_; }
  QString Text() const { return text(); }
  void SetText(const QString& text);
  // The width shown (a spring panel reports what it took), in twips.
  int Width() const;
  void SetWidth(int twips);
  AutoSizeMode AutoSize() const { return autoSize_; }
  void SetAutoSize(AutoSizeMode mode);

 signals:
  void AutoSizeChanged(rd::StatusBarPanel* panel);

 private:
  void ApplySize();

  QString key_;
  int widthTwips_;
  AutoSizeMode autoSize_ = NoAutoSize;
};

}  // namespace rd
