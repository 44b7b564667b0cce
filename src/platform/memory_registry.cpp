#include "platform/memory_registry.h"
#include "support/plain_text.h"

#include <algorithm>

namespace ec {
namespace {

std::string Fold(std::string_view text) { return LowerAscii(text); }

std::string KeyId(RegistryRoot root, std::string_view key) {
  return std::to_string(static_cast<int>(root)) + ":" + Fold(key);
}

bool IsRootKey(std::string_view key) { return key.empty(); }

}  // namespace

MemoryRegistry::Key& MemoryRegistry::CreateKey(RegistryRoot root, std::string_view key) {
  // Parents first, so every prefix of a stored key is itself stored.
  for (size_t pos = key.find('\\'); pos != std::string_view::npos; pos = key.find('\\', pos + 1)) {
    keys_.try_emplace(KeyId(root, key.substr(0, pos)), Key{std::string(key.substr(0, pos)), {}});
  }
  return keys_.try_emplace(KeyId(root, key), Key{std::string(key), {}}).first->second;
}

const MemoryRegistry::Value* MemoryRegistry::FindValue(RegistryRoot root, std::string_view key,
                                                       std::string_view name) const {
  const auto k = keys_.find(KeyId(root, key));
  if (k == keys_.end()) return nullptr;
  const auto v = k->second.values.find(Fold(name));
  return v == k->second.values.end() ? nullptr : &v->second;
}

std::optional<std::string> MemoryRegistry::ReadString(RegistryRoot root, std::string_view key,
                                                      std::string_view name) {
  const Value* value = FindValue(root, key, name);
  if (value == nullptr || !std::holds_alternative<std::string>(value->data)) return std::nullopt;
  const auto& text = std::get<std::string>(value->data);
  return value->expandable ? Expand(text) : text;
}

std::optional<std::uint32_t> MemoryRegistry::ReadNumber(RegistryRoot root, std::string_view key,
                                                        std::string_view name) const {
  const Value* value = FindValue(root, key, name);
  if (value == nullptr || !std::holds_alternative<std::uint32_t>(value->data)) return std::nullopt;
  return std::get<std::uint32_t>(value->data);
}

bool MemoryRegistry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                 std::string_view value) {
  CreateKey(root, key).values[Fold(name)] = Value{std::string(name), std::string(value), false};
  return true;
}

void MemoryRegistry::WriteExpandableString(RegistryRoot root, std::string_view key,
                                           std::string_view name, std::string_view value) {
  CreateKey(root, key).values[Fold(name)] = Value{std::string(name), std::string(value), true};
}

bool MemoryRegistry::WriteNumber(RegistryRoot root, std::string_view key, std::string_view name,
                                 std::uint32_t value) {
  CreateKey(root, key).values[Fold(name)] = Value{std::string(name), value, false};
  return true;
}

bool MemoryRegistry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  const auto k = keys_.find(KeyId(root, key));
  return k != keys_.end() && k->second.values.erase(Fold(name)) > 0;
}

bool MemoryRegistry::DeleteKey(RegistryRoot root, std::string_view key) {
  if (IsRootKey(key)) return false;
  const std::string id = KeyId(root, key);
  const auto k = keys_.find(id);
  if (k == keys_.end()) return false;
  const std::string child_prefix = id + "\\";
  const auto child = keys_.lower_bound(child_prefix);
  if (child != keys_.end() && child->first.starts_with(child_prefix)) return false;
  keys_.erase(k);
  return true;
}

bool MemoryRegistry::HasKey(RegistryRoot root, std::string_view key) const {
  return IsRootKey(key) || keys_.contains(KeyId(root, key));
}

void MemoryRegistry::SetVariable(std::string_view name, std::string_view value) {
  variables_[Fold(name)] = std::string(value);
}

std::string MemoryRegistry::Expand(std::string_view text) const {
  // Unknown references stay as written, as Windows leaves them.
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find('%', pos);
    const size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    out.append(text.substr(pos, open - pos));
    const auto var = variables_.find(Fold(text.substr(open + 1, close - open - 1)));
    if (var != variables_.end()) {
      out += var->second;
      pos = close + 1;
    } else {
      out += '%';
      pos = open + 1;
    }
  }
  out.append(text.substr(std::min(pos, text.size())));
  return out;
}

std::string MemoryRegistry::Dump() const {
  std::string out;
  for (const auto& [id, key] : keys_) {
    out += id.substr(0, id.find(':') + 1) + key.path + "\n";
    for (const auto& [folded, value] : key.values) {
      out += "  " + value.name + (value.expandable ? " (expandable) = " : " = ");
      if (const auto* text = std::get_if<std::string>(&value.data)) {
        out += *text;
      } else {
        out += std::to_string(std::get<std::uint32_t>(value.data)) + " (number)";
      }
      out += "\n";
    }
  }
  return out;
}

}  // namespace ec
