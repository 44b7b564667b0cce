#pragma once
// Where the running program's own file lives.

#include <filesystem>

namespace ec {

// The absolute path of the running executable; empty when the system
// cannot tell.
std::filesystem::path ExecutablePath();

}  // namespace ec
