#include "platform/posix/xdg_known_folders.h"

#include <filesystem>
#include <system_error>

#include "support/file_bytes.h"
#include "support/plain_text.h"

namespace ec {
namespace {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

std::optional<std::string> AbsoluteValue(const EnvironmentLookup& lookup, const char* name) {
  auto value = lookup(name);
  if (!value || value->empty() || (*value)[0] != '/') return std::nullopt;
  return value;
}

}  // namespace

std::map<std::string, std::string> ParseUserDirs(std::string_view text, const std::string& home) {
  std::map<std::string, std::string> dirs;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
    value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME")) {
      if (home.empty()) continue;
      dirs[std::string(key)] = home + std::string(value.substr(5));
    } else if (value.starts_with("/")) {
      dirs[std::string(key)] = std::string(value);
    }
  }
  return dirs;
}

XdgKnownFolders::XdgKnownFolders(EnvironmentLookup lookup) : lookup_(std::move(lookup)) {
  home_ = AbsoluteValue(lookup_, "HOME").value_or("");
  if (const auto base = ResolveXdgBaseDirectories(lookup_)) {
    if (const auto text = ReadFileBytes(base->config_home / "user-dirs.dirs")) userDirs_ = ParseUserDirs(*text, home_);
  }
}

std::optional<std::string> XdgKnownFolders::UserDir(const char* key, const char* fallback) const {
  if (const auto found = userDirs_.find(key); found != userDirs_.end()) return found->second;
  if (home_.empty()) return std::nullopt;
  return home_ + "/" + fallback;
}

// $variable when it is absolute, else below $HOME; `leaf` is appended to either.
std::optional<std::string> XdgKnownFolders::BelowHome(const char* variable, const char* belowHome,
                                                        const char* leaf) const {
  std::string base;
  if (const auto set = AbsoluteValue(lookup_, variable)) base = *set;
  else if (!home_.empty()) base = home_ + "/" + belowHome;
  else return std::nullopt;
  return *leaf != '\0' ? base + "/" + leaf : base;
}

std::optional<std::string> XdgKnownFolders::Fonts() const {
  if (const auto own = BelowHome("XDG_DATA_HOME", ".local/share", "fonts"); own && IsFolder(*own)) return own;
  if (IsFolder("/usr/share/fonts")) return std::string("/usr/share/fonts");
  return std::nullopt;
}

std::optional<std::string> XdgKnownFolders::Temp() const {
  return AbsoluteValue(lookup_, "TMPDIR").value_or("/tmp");
}

std::optional<std::string> XdgKnownFolders::Folder(std::string_view valueName) {
  // Registry value names do not depend on case.
  const std::string name = LowerAscii(valueName);
  if (name == "personal") return UserDir("XDG_DOCUMENTS_DIR", "Documents");
  if (name == "desktop") return UserDir("XDG_DESKTOP_DIR", "Desktop");
  if (name == "my music") return UserDir("XDG_MUSIC_DIR", "Music");
  if (name == "my pictures") return UserDir("XDG_PICTURES_DIR", "Pictures");
  if (name == "my video") return UserDir("XDG_VIDEOS_DIR", "Videos");
  if (name == "fonts") return Fonts();
  if (name == "temp") return Temp();
  if (name == "start menu") return BelowHome("XDG_DATA_HOME", ".local/share", "applications");
  if (name == "programs") return std::string("/usr/share/applications");
  if (name == "startup") return BelowHome("XDG_CONFIG_HOME", ".config", "autostart");
  if (name == "cache") return BelowHome("XDG_CACHE_HOME", ".cache", "");
  if (name == "systemdrive" || name == "systemroot") return std::string("/");
  if (name == "programfiles") return std::string("/opt");
  if (name == "commonprogramfiles") return std::string("/usr/share");
  if (name == "userprofile") return home_.empty() ? std::nullopt : std::optional<std::string>(home_);
  if (name == "appdata") return BelowHome("XDG_CONFIG_HOME", ".config", "");
  return std::nullopt;  // Favorites, Cookies, History, NetHood, SendTo, ALLUSERSPROFILE
}

std::unique_ptr<KnownFolders> CreatePlatformKnownFolders() {
  return std::make_unique<XdgKnownFolders>(ProcessEnvironment);
}

}  // namespace ec
