#include "platform/settings_folder.h"

#include "platform/executable_path.h"

namespace ec {

std::filesystem::path PlatformSettingsFolder() { return ExecutablePath().parent_path(); }

}  // namespace ec
