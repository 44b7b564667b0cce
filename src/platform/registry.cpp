#include "platform/registry.h"

namespace ec {

std::string_view RegistryRootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case RegistryRoot::kCurrentUser:
      return "HKEY_CURRENT_USER";
    case RegistryRoot::kCurrentUserClasses:
      return "HKEY_CURRENT_USER\\Software\\Classes";
  }
  return "?";
}

}  // namespace ec
