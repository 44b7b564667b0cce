#pragma once
// The Windows answers for the special folders: the string values of
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders.

#include <memory>

#include "platform/registry.h"
#include "platform/known_folders.h"

namespace ec {

inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class RegistryKnownFolders : public KnownFolders {
 public:
  explicit RegistryKnownFolders(std::unique_ptr<Registry> registry) : registry_(std::move(registry)) {}
  std::optional<std::string> Folder(std::string_view valueName) override {
    return registry_->ReadString(RegistryRoot::kCurrentUser, kShellFoldersKey, valueName);
  }

 private:
  std::unique_ptr<Registry> registry_;
};

}  // namespace ec
