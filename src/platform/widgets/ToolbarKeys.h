#pragma once

class QToolBar;

namespace rd {

// Puts the buttons of bar, present and later ones, into the window's Tab
// chain: Tab and Shift+Tab reach them, the arrow keys move among them, and
// Space, Enter or Return press the one that has the focus (before any
// window shortcut on those keys).
void JoinTabChain(QToolBar* bar);

}  // namespace rd
