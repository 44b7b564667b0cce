#include "platform/recording_registry.h"

namespace ec {
namespace {

std::string KeyText(RegistryRoot root, std::string_view key) {
  std::string text(RegistryRootName(root));
  if (!key.empty()) text.append("\\").append(key);
  return text;
}

std::string ValueText(RegistryRoot root, std::string_view key, std::string_view name) {
  return KeyText(root, key) + " " + (name.empty() ? std::string("(default)") : std::string(name));
}

}  // namespace

std::optional<std::string> RecordingRegistry::ReadString(RegistryRoot root, std::string_view key,
                                                         std::string_view name) {
  return inner_.ReadString(root, key, name);
}

bool RecordingRegistry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                    std::string_view value) {
  const std::string line = ValueText(root, key, name) + " = " + std::string(value);
  const bool ok = inner_.WriteString(root, key, name, value);
  (ok ? changes_ : failed_writes_).push_back("set " + line);
  return ok;
}

bool RecordingRegistry::WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                                    std::uint32_t value) {
  const std::string line = ValueText(root, key, name) + " = " + std::to_string(value) + " (number)";
  const bool ok = inner_.WriteNumber(root, key, name, value);
  (ok ? changes_ : failed_writes_).push_back("set " + line);
  return ok;
}

bool RecordingRegistry::DeleteValue(RegistryRoot root, std::string_view key,
                                    std::string_view name) {
  const bool ok = inner_.DeleteValue(root, key, name);
  if (ok) changes_.push_back("deleted value " + ValueText(root, key, name));
  return ok;
}

bool RecordingRegistry::DeleteKey(RegistryRoot root, std::string_view key) {
  const bool ok = inner_.DeleteKey(root, key);
  if (ok) changes_.push_back("deleted key " + KeyText(root, key));
  return ok;
}

void RecordingRegistry::NotifyAssociationsChanged() {
  inner_.NotifyAssociationsChanged();
  changes_.push_back("notified the shell that file associations changed");
}

}  // namespace ec
