#pragma once
// How folder paths look to the user on this platform: "\" between elements
// and letters compared without regard to case on Windows, "/" and exact
// comparison elsewhere. Folder paths travel as UTF-8 text.

namespace ec {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr bool kPathsIgnoreCase = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr bool kPathsIgnoreCase = false;
#endif

// "/" separates path elements on Windows too.
inline constexpr bool IsPathSeparator(char c) { return c == kPathSeparator || c == '/'; }

}  // namespace ec
