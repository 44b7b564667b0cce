#pragma once
// The separators of paths as the user types and sees them: "\" on Windows,
// which also takes "/", and "/" elsewhere.

#include <string_view>

namespace ec {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
// Windows file names do not depend on the case of their letters.
inline constexpr bool kPathsIgnoreCase = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
inline constexpr bool kPathsIgnoreCase = false;
#endif

constexpr bool IsPathSeparator(char c) { return kPathSeparators.find(c) != std::string_view::npos; }

}  // namespace ec
