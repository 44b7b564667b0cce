#pragma once
// The few registry operations the program needs, behind an interface so the
// association logic runs against the Windows registry and, in tests, against
// an in-memory one. Texts are UTF-8; key paths use "\" between elements; an
// empty value name stands for the key's default value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ec {

// kCurrentUserClasses is HKEY_CURRENT_USER\Software\Classes: the user's own
// part of HKEY_CLASSES_ROOT, which a user may write without administrator
// rights (HKEY_CLASSES_ROOT itself writes to the machine's part).
enum class RegistryRoot { kClassesRoot, kCurrentUser, kCurrentUserClasses };

// "HKEY_CLASSES_ROOT" and so on, for messages.
std::string_view RegistryRootName(RegistryRoot root);

class Registry {
 public:
  virtual ~Registry() = default;

  // A string value; an expandable string comes back with its %NAME%
  // references expanded. nullopt when the key or value is missing or the
  // value holds no string.
  virtual std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                                std::string_view name) = 0;

  // Writes create the key and its missing parents. All operations answer
  // whether they succeeded.
  virtual bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view value) = 0;
  virtual bool WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                           std::uint32_t value) = 0;
  virtual bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
  // Fails for a key that still has subkeys.
  virtual bool DeleteKey(RegistryRoot root, std::string_view key) = 0;

  // Tells the shell that file associations changed, so icons and open
  // actions take effect at once.
  virtual void NotifyAssociationsChanged() = 0;
};

}  // namespace ec
