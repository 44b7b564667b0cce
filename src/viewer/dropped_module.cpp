#include "viewer/dropped_module.h"

#include "support/plain_text.h"

namespace ec {

std::string DroppedModulePath(const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  const std::string& last = paths.back();
  const size_t dot = last.rfind('.');
  const std::string_view extension = dot == std::string::npos ? last : std::string_view(last).substr(dot + 1);
  const std::string lower = LowerAscii(extension);
  return lower == "ec" || lower == "e" ? last : std::string();
}

}  // namespace ec
