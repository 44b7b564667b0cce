#pragma once
// Paths travel through the program as UTF-8 text; these convert at the edge to
// std::filesystem, which takes the native encoding (UTF-16 on Windows).

#include <filesystem>
#include <string>
#include <string_view>

namespace ec {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace ec
