#pragma once

namespace rd {

// Registers the windows of this folder that others create by class name.
void RegisterCoreWindows();

}  // namespace rd
