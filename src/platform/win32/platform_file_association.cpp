// The Windows choice of the file association backend: the registry, in the
// user's own classes (HKEY_CURRENT_USER\Software\Classes). Windows shows them
// in HKEY_CLASSES_ROOT ahead of the machine's, and writing them needs no
// administrator rights, which writing HKEY_CLASSES_ROOT itself does.
#include "platform/file_association.h"
#include "platform/registry_file_association.h"
#include "platform/win32/win32_registry.h"

namespace ec {

std::unique_ptr<FileAssociation> CreatePlatformFileAssociation() {
  return std::make_unique<RegistryFileAssociation>(std::make_unique<Win32Registry>(),
                                                   RegistryRoot::kCurrentUserClasses);
}

}  // namespace ec
