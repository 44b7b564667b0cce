#include "app/settings_location.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/executable_path.h"
#ifndef _WIN32
#include "platform/posix/xdg_base_directories.h"
#endif

namespace ec {

std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path DefaultSettingsFolder() {
  if (const char* override = std::getenv(kSettingsFolderVariable); override != nullptr && *override != '\0') {
    return PathFromUtf8(override);
  }
#ifdef _WIN32
  return ExecutablePath().parent_path();
#else
  const auto dirs = ResolveXdgBaseDirectories(ProcessEnvironment);
  if (!dirs) return {};
  return dirs->config_home / "ecview";
#endif
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  return folder / PathFromUtf8(kSettingsFileName);
}

}  // namespace ec
