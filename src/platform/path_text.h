#pragma once
// The two halves of a path as the user types and sees it (UTF-8, the
// platform's separators): the folder before the last separator and the name
// after it.

#include <string>
#include <string_view>

#include "platform/path_separator.h"

namespace ec {

// The text after the last separator; the whole path when there is none.
inline std::string FileNamePart(std::string_view path) {
  const size_t cut = path.find_last_of(kPathSeparators);
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

// The text before the last separator; "" when there is none.
inline std::string FolderPart(std::string_view path) {
  const size_t cut = path.find_last_of(kPathSeparators);
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut));
}

}  // namespace ec
