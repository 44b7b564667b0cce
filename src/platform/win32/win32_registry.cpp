#include "platform/win32/win32_registry.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/wide_text.h"

namespace ec {
namespace {

// A root of the interface as a predefined key and the path below it.
struct KeyPath {
  HKEY root;
  std::wstring path;
};

KeyPath Locate(RegistryRoot root, std::string_view key) {
  switch (root) {
    case RegistryRoot::kCurrentUser:
      return {HKEY_CURRENT_USER, Utf8ToWide(key)};
    case RegistryRoot::kCurrentUserClasses:
      return {HKEY_CURRENT_USER, key.empty() ? L"Software\\Classes" : L"Software\\Classes\\" + Utf8ToWide(key)};
    case RegistryRoot::kClassesRoot:
      break;
  }
  return {HKEY_CLASSES_ROOT, Utf8ToWide(key)};
}

// Closes the key when it goes out of scope.
class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  HKEY* out() { return &handle_; }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

bool CreateForWriting(RegistryRoot root, std::string_view key, OpenKey& opened) {
  const KeyPath where = Locate(root, key);
  return RegCreateKeyExW(where.root, where.path.c_str(), 0, nullptr,
                         REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, opened.out(),
                         nullptr) == ERROR_SUCCESS;
}

}  // namespace

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, std::string_view key,
                                                     std::string_view name) {
  // RegGetValueW guarantees the terminating zero, and with RRF_RT_REG_SZ alone
  // it also takes REG_EXPAND_SZ and expands it (asking for REG_EXPAND_SZ as
  // well is only valid together with RRF_NOEXPAND, and fails otherwise).
  const KeyPath where = Locate(root, key);
  const std::wstring wide_name = Utf8ToWide(name);
  const DWORD flags = RRF_RT_REG_SZ;
  DWORD bytes = 0;
  if (RegGetValueW(where.root, where.path.c_str(), wide_name.c_str(), flags, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The size of an expanded string is only an estimate, and the value may
  // grow in between: a refused read reports the size it needs.
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(where.root, where.path.c_str(), wide_name.c_str(),
                                        flags, nullptr, buffer.data(), &bytes);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
    return WideToUtf8(buffer);
  }
  return std::nullopt;
}

bool Win32Registry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                std::string_view value) {
  OpenKey opened;
  if (!CreateForWriting(root, key, opened)) return false;
  const std::wstring wide = Utf8ToWide(value);
  const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(opened.get(), Utf8ToWide(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                                std::uint32_t value) {
  OpenKey opened;
  if (!CreateForWriting(root, key, opened)) return false;
  const DWORD number = value;
  return RegSetValueExW(opened.get(), Utf8ToWide(name).c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  OpenKey opened;
  const KeyPath where = Locate(root, key);
  if (RegOpenKeyExW(where.root, where.path.c_str(), 0, KEY_SET_VALUE, opened.out()) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegDeleteValueW(opened.get(), Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegistryRoot root, std::string_view key) {
  // An empty path would name the root itself.
  if (key.empty()) return false;
  const KeyPath where = Locate(root, key);
  return RegDeleteKeyW(where.root, where.path.c_str()) == ERROR_SUCCESS;
}

void Win32Registry::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace ec
