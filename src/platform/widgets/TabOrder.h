#pragma once

class QWidget;

namespace rd {

// Chains the controls of window that Tab reaches (shown, enabled, taking
// tab focus) in reading order of their place in it: top to bottom, then
// left to right, toolbar buttons last. Gives the first of them, or null
// when there is none.
QWidget* SetVisualTabOrder(QWidget* window);

}  // namespace rd
