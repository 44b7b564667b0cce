// The Windows choice of the file association backend: the registry under
// HKEY_CLASSES_ROOT.
#include "platform/file_association.h"
#include "platform/registry_file_association.h"
#include "platform/win32/win32_registry.h"

namespace ec {

std::unique_ptr<FileAssociation> CreatePlatformFileAssociation() {
  return std::make_unique<RegistryFileAssociation>(std::make_unique<Win32Registry>());
}

}  // namespace ec
