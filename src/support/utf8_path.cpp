#include "support/utf8_path.h"

#include <exception>

namespace ec {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  try {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
  } catch (const std::exception&) {
    return {};
  }
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace ec
