#pragma once
// Where the program keeps what it can always compute again (the names index
// of the folder search): the user's cache folder.

#include <filesystem>

namespace ec {

// Linux: $XDG_CACHE_HOME/ecview (default ~/.cache/ecview). Windows:
// %LOCALAPPDATA%\ecview. Empty when it cannot be worked out.
std::filesystem::path PlatformCacheFolder();

}  // namespace ec
