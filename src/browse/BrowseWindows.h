#pragma once

namespace rd {

// Puts the browse windows into the window registry under their class names.
void RegisterBrowseWindows();

}  // namespace rd
