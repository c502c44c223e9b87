#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace rd {

// The open browse window (frmSingleTable or frmMultiTable) whose
// ModuleName is key, compared exactly; null when there is none.
QWidget* FindBrowseForm(const QString& key);

// Restores the window to its normal state, sizes it to width x height
// twips (its outer size) and places it centred across the screen and 600
// twips above its middle; an MDI child's frame takes that place in its
// workspace. The place is moved only as far as keeps the title bar
// reachable: not above the area, not below it, partly inside across.
bool CenterForm(QWidget* window, int height, int width);

// Where CenterForm puts a frame of that size (pixels) on a screen of that
// size: centred across, 600 twips above the middle, then moved just enough
// that its title bar (titleHeight high) starts inside the workspace: not
// above it, not below its last titleHeight pixels, and at least 100 pixels
// of it across. The workspace and the place share one origin, the screen's
// or the MDI workspace's corner.
QPoint CenteredPlace(QSize frame, QSize screen, const QRect& workspace, int titleHeight);

}  // namespace rd
