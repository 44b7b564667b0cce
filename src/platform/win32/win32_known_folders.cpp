#include "platform/registry_known_folders.h"
#include "platform/win32/win32_registry.h"

namespace ec {

std::unique_ptr<KnownFolders> CreatePlatformKnownFolders() {
  return std::make_unique<RegistryKnownFolders>(std::make_unique<Win32Registry>());
}

}  // namespace ec
