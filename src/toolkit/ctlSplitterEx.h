#pragma once
#include <QPointer>
#include <QWidget>
#include <array>

#include "toolkit/SplitterLayout.h"

class QLabel;

namespace rd {

// Lays two sibling widgets (the panes) out inside its own rectangle and
// lets the user drag the gap between them. It lies behind its panes, so
// only the gap and the margins receive its mouse events. The panes share
// the splitter's parent; a pane may itself be a splitter.
class ctlSplitterEx : public QWidget {
  Q_OBJECT
 public:
  explicit ctlSplitterEx(QWidget* parent = nullptr);

  // The forms reach these members by name (QMetaObject::invokeMethod).
  // An identifier of this splitter that no other splitter shares; it does
  // not make the splitter a native window.
  Q_INVOKABLE qlonglong HWND() const { return id_; }
  // Share limits in whole percent, each taken only from 6 to 97 and on its
  // side of the other; there is no getter, as for the mode.
  Q_INVOKABLE void MaxTilePercent(int value);
  Q_INVOKABLE void MinTilePercent(int value);
  // 1 side by side, any other value stacked; lays out at once.
  Q_INVOKABLE void TileMode(int mode);
  // Resets the share to 35 % and the limits to 5 and 98 %; with InitZOrder
  // brings oLeft, then oRight to the front.
  Q_INVOKABLE void AttachObjects(QWidget* oLeft, QWidget* oRight, bool InitZOrder);
  Q_INVOKABLE void Refresh();
  // Covers the parent's client area below `top` pixels. The panes end
  // FrameHeight above the splitter's bottom, room for a title bar and
  // borders that a client area does not hold, so the splitter reaches that
  // far past the parent's bottom edge and the panes end at it.
  void FillParentBelow(int top);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool sideBySide() const { return tileMode_ == SplitterLayout::SideBySide; }
  // The mouse position along the split, in twips of the splitter.
  int along(const QMouseEvent* event) const;
  bool inGap(int p) const;

  const qlonglong id_;
  std::array<QLabel*, 2> lblInfo_{};
  QPointer<QWidget> first_;
  QPointer<QWidget> second_;
  bool initialised_ = false;
  int share_ = SplitterLayout::InitialShare;
  int tileMode_ = 0;
  bool dragging_ = false;
  ShareLimits limits_;
};

}  // namespace rd
