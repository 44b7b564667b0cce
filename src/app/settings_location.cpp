#include "app/settings_location.h"

#include <cstdlib>
#include <system_error>

#include "platform/settings_folder.h"
#include "support/utf8_path.h"

namespace ec {

std::filesystem::path DefaultSettingsFolder() {
  if (const char* override = std::getenv(kSettingsFolderVariable); override != nullptr && *override != '\0') {
    return PathFromUtf8(override);
  }
  return PlatformSettingsFolder();
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  return folder / PathFromUtf8(kSettingsFileName);
}

}  // namespace ec
