#pragma once

class QComboBox;

namespace rd {

// Locks a combo box: it stays enabled and readable, but neither mouse,
// wheel nor keys open its list, pick an item or change its text. Tab,
// Esc and Enter still reach the window. Values set from code still show.
void LockCombo(QComboBox* box);

}  // namespace rd
