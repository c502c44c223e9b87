#pragma once

namespace rd {

// Puts the designer's windows into the window registry under their class names.
void RegisterDesignerWindows();

}  // namespace rd
