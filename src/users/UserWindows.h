#pragma once

namespace rd {

// Puts the user windows into the window registry under their class names.
void RegisterUserWindows();

}  // namespace rd
