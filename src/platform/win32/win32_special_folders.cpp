#include "platform/registry_special_folders.h"
#include "platform/win32/win32_registry.h"

namespace ec {

std::unique_ptr<SpecialFolders> CreatePlatformSpecialFolders() {
  return std::make_unique<RegistrySpecialFolders>(std::make_unique<Win32Registry>());
}

}  // namespace ec
