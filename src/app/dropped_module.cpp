#include "app/dropped_module.h"

#include <algorithm>
#include <cctype>

namespace ec {

std::string DroppedModulePath(const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  const std::string& last = paths.back();
  const size_t dot = last.rfind('.');
  std::string extension = dot == std::string::npos ? last : last.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
  return extension == "ec" ? last : std::string();
}

}  // namespace ec
