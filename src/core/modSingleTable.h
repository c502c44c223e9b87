#pragma once
#include <QString>

class QWidget;

namespace rd {

// The open browse window (frmSingleTable or frmMultiTable) whose
// ModuleName is key, compared exactly; null when there is none.
QWidget* FindBrowseForm(const QString& key);

// Restores the window to its normal state, sizes it to width x height
// twips (its outer size) and places it centred across and 600 twips above
// the middle: of the screen for a top-level window, of the workspace for an
// MDI child (its frame is placed). The top-left corner stays inside.
bool CenterForm(QWidget* window, int height, int width);

}  // namespace rd
