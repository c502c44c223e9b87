#pragma once

namespace rd {

// Puts the master-detail windows ("frmMultiEdit", "frmMultiView",
// "frmListEdit") into the window registry.
void RegisterMasterDetailWindows();

}  // namespace rd
