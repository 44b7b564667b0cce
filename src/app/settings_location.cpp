#include "app/settings_location.h"

#include <cstdlib>
#include <system_error>

#include "platform/settings_folder.h"
#include "settings/settings_reads.h"
#include "support/read_within.h"
#include "support/utf8_path.h"

namespace ec {

std::filesystem::path DefaultSettingsFolder() {
  if (const char* override = std::getenv(kSettingsFolderVariable); override != nullptr && *override != '\0') {
    return PathFromUtf8(override);
  }
  return PlatformSettingsFolder();
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
  // Made on a thread of its own: a disk that does not answer holds up the
  // window a bounded time only (and then its settings file is not read either).
  if (!folder.empty()) {
    ReadWithin(kLaterReadWait, [folder] {
      std::error_code error;
      return std::filesystem::create_directories(folder, error);
    });
  }
  return folder / PathFromUtf8(kSettingsFileName);
}

}  // namespace ec
