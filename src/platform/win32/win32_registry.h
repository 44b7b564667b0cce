#pragma once
// The Windows registry behind the Registry interface. Texts cross the
// interface as UTF-8 and the API as UTF-16 (the W functions), so names
// outside the ANSI code page survive.

#include "platform/registry.h"

namespace ec {

class Win32Registry : public Registry {
 public:
  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override;
  bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view value) override;
  bool WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                   std::uint32_t value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(RegistryRoot root, std::string_view key) override;
  void NotifyAssociationsChanged() override;
};

}  // namespace ec
