#include "platform/posix/xdg_base_directories.h"

#include <cstdlib>

namespace ec {
namespace {

std::optional<std::filesystem::path> AbsoluteVariable(const EnvironmentLookup& lookup,
                                                      const char* name) {
  const auto value = lookup(name);
  if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) {
    return std::nullopt;
  }
  return std::filesystem::path(*value);
}

std::optional<std::filesystem::path> Folder(const EnvironmentLookup& lookup, const char* name,
                                            const char* below_home) {
  if (auto set = AbsoluteVariable(lookup, name)) return set;
  if (auto home = AbsoluteVariable(lookup, "HOME")) return *home / below_home;
  return std::nullopt;
}

}  // namespace

std::optional<XdgBaseDirectories> ResolveXdgBaseDirectories(const EnvironmentLookup& lookup) {
  auto data = Folder(lookup, "XDG_DATA_HOME", ".local/share");
  auto config = Folder(lookup, "XDG_CONFIG_HOME", ".config");
  if (!data || !config) return std::nullopt;
  return XdgBaseDirectories{std::move(*data), std::move(*config)};
}

std::optional<std::string> ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace ec
