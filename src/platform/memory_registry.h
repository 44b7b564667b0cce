#pragma once
// A registry held in memory, for tests: keys and value names compare
// case-insensitively (ASCII letters) like the Windows registry, writes create
// missing parent keys, and a key with subkeys cannot be deleted.

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "platform/registry.h"

namespace ec {

class MemoryRegistry : public Registry {
 public:
  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override;
  bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view value) override;
  bool WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                   std::uint32_t value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(RegistryRoot root, std::string_view key) override;
  void NotifyAssociationsChanged() override { ++notifications_; }

  // Stores an expandable string; ReadString expands its %NAME% references
  // from the variables set with SetVariable.
  void WriteExpandableString(RegistryRoot root, std::string_view key, std::string_view name,
                             std::string_view value);
  void SetVariable(std::string_view name, std::string_view value);

  bool HasKey(RegistryRoot root, std::string_view key) const;
  std::optional<std::uint32_t> ReadNumber(RegistryRoot root, std::string_view key,
                                          std::string_view name) const;
  int notifications() const { return notifications_; }

  // Every key and value, one per line in a fixed order, for comparing states.
  std::string Dump() const;

 private:
  struct Value {
    std::string name;
    std::variant<std::string, std::uint32_t> data;
    bool expandable = false;
  };
  struct Key {
    std::string path;                    // as first written
    std::map<std::string, Value> values;  // by folded name
  };

  Key& CreateKey(RegistryRoot root, std::string_view key);
  const Value* FindValue(RegistryRoot root, std::string_view key, std::string_view name) const;
  std::string Expand(std::string_view text) const;

  std::map<std::string, Key> keys_;  // by root and folded path
  std::map<std::string, std::string> variables_;  // by folded name
  int notifications_ = 0;
};

}  // namespace ec
