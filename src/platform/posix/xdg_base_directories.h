#pragma once
// The freedesktop base directories of the current user.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ec {

struct XdgBaseDirectories {
  std::filesystem::path data_home;    // $XDG_DATA_HOME, default ~/.local/share
  std::filesystem::path config_home;  // $XDG_CONFIG_HOME, default ~/.config
};

// Looks up one environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// Empty or relative values are ignored, as the base directory rules demand.
// nullopt when a folder is needed from HOME and HOME is not absolute.
std::optional<XdgBaseDirectories> ResolveXdgBaseDirectories(const EnvironmentLookup& lookup);

// The lookup of this process's environment.
std::optional<std::string> ProcessEnvironment(const char* name);

}  // namespace ec
