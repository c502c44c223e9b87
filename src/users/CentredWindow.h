#pragma once

class QWidget;

namespace rd {

// The first time window is shown as a window of its own, it is sized to
// height by width twips and centred on the screen as the module windows
// are (CenterForm).
void CentreOnFirstShow(QWidget* window, int height, int width);

}  // namespace rd
