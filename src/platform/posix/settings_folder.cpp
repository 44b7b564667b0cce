#include "platform/settings_folder.h"

#include "platform/posix/xdg_base_directories.h"

namespace ec {

std::filesystem::path PlatformSettingsFolder() {
  const auto dirs = ResolveXdgBaseDirectories(ProcessEnvironment);
  if (!dirs) return {};
  return dirs->config_home / "ecview";
}

}  // namespace ec
