#pragma once
// Wraps a registry and keeps a readable line for every change that took
// effect, so callers can tell the user what an operation did. Failed
// deletions are expected (the association code tries a value before a key)
// and leave no trace; failed writes are counted.

#include <string>
#include <vector>

#include "platform/registry.h"

namespace ec {

class RecordingRegistry : public Registry {
 public:
  explicit RecordingRegistry(Registry& inner) : inner_(inner) {}

  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override;
  bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view value) override;
  bool WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                   std::uint32_t value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(RegistryRoot root, std::string_view key) override;
  void NotifyAssociationsChanged() override;

  const std::vector<std::string>& changes() const { return changes_; }
  const std::vector<std::string>& failed_writes() const { return failed_writes_; }

 private:
  Registry& inner_;
  std::vector<std::string> changes_;
  std::vector<std::string> failed_writes_;
};

}  // namespace ec
