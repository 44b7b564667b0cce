#pragma once
// Where the program keeps its settings files on this system: beside the
// program on Windows (existing settings files live there), the user's
// configuration folder elsewhere.

#include <filesystem>

namespace ec {

// Windows: the program's folder. Linux: $XDG_CONFIG_HOME/ecview (default
// ~/.config/ecview). Empty when it cannot be worked out.
std::filesystem::path PlatformSettingsFolder();

}  // namespace ec
