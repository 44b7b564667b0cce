#pragma once
// The separators of paths as the user types and sees them: "\" on Windows,
// which also takes "/", and "/" elsewhere.

#include <string_view>

namespace ec {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
#endif

constexpr bool IsPathSeparator(char c) { return kPathSeparators.find(c) != std::string_view::npos; }

}  // namespace ec
