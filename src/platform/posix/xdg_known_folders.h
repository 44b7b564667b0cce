#pragma once
// The Linux answers for the special folders: the XDG user directories of
// $XDG_CONFIG_HOME/user-dirs.dirs (with their usual defaults) and well-known
// paths for the names that have an equivalent.

#include <map>
#include <string>

#include "platform/posix/xdg_base_directories.h"
#include "platform/known_folders.h"

namespace ec {

// The XDG_*_DIR entries of a user-dirs.dirs file, "$HOME" expanded; entries
// that are neither absolute nor below $HOME are left out, as xdg-user-dirs does.
std::map<std::string, std::string> ParseUserDirs(std::string_view text, const std::string& home);

class XdgKnownFolders : public KnownFolders {
 public:
  explicit XdgKnownFolders(EnvironmentLookup lookup);
  std::optional<std::string> Folder(std::string_view valueName) override;

 private:
  std::optional<std::string> UserDir(const char* key, const char* fallback) const;
  std::optional<std::string> BelowHome(const char* variable, const char* belowHome, const char* leaf) const;
  std::optional<std::string> Fonts() const;
  std::optional<std::string> Temp() const;

  EnvironmentLookup lookup_;
  std::string home_;
  std::map<std::string, std::string> userDirs_;
};

}  // namespace ec
