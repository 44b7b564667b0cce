#include "platform/cache_folder.h"

#include "platform/posix/xdg_base_directories.h"

namespace ec {

// Empty or relative values are ignored, as the base directory rules demand.
std::filesystem::path PlatformCacheFolder() {
  const auto absolute = [](const char* name) -> std::filesystem::path {
    const auto value = ProcessEnvironment(name);
    if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) return {};
    return *value;
  };
  if (auto cache = absolute("XDG_CACHE_HOME"); !cache.empty()) return cache / "ecview";
  if (auto home = absolute("HOME"); !home.empty()) return home / ".cache" / "ecview";
  return {};
}

}  // namespace ec
