#include "platform/cache_folder.h"

#include <cstdlib>

namespace ec {

std::filesystem::path PlatformCacheFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return {};
  const std::filesystem::path folder(local);
  return folder.is_absolute() ? folder / L"ecview" : std::filesystem::path();
}

}  // namespace ec
