#pragma once

namespace rd {

// Puts the editor windows ("frmEdit", "frmOption") into the window registry.
void RegisterEditWindows();

}  // namespace rd
