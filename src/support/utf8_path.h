#pragma once
// Paths travel through the program as UTF-8 text; these convert at the edge to
// std::filesystem, which takes the native encoding (UTF-16 on Windows).

#include <filesystem>
#include <string>
#include <string_view>

namespace ec {

// The path a UTF-8 text names. Never throws: a text that is no valid UTF-8
// (which a conversion to UTF-16 rejects) gives the empty path, which names no
// file.
std::filesystem::path PathFromUtf8(std::string_view utf8);

std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace ec
