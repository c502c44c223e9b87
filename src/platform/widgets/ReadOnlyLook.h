#pragma once

class QWidget;

namespace rd {

// Gives an input box the button-face background of a box that cannot be
// typed into, or gives it back its own base colour.
void ShowAsReadOnly(QWidget* box, bool readOnly);

}  // namespace rd
