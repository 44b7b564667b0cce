#include "app/settings_location.h"

#include <cstdlib>

#include "platform/settings_folder.h"
#include "settings/settings_reads.h"
#include "support/utf8_path.h"

namespace ec {

std::filesystem::path DefaultSettingsFolder() {
  if (const char* override = std::getenv(kSettingsFolderVariable); override != nullptr && *override != '\0') {
    return PathFromUtf8(override);
  }
  return PlatformSettingsFolder();
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
  MakeSettingsFolder(folder);
  return folder / PathFromUtf8(kSettingsFileName);
}

}  // namespace ec
