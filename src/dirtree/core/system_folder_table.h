#pragma once
// The special folders listed under "系统夹", with the "Shell Folders" value
// name that gives each its folder.

#include <array>
#include <string>
#include <string_view>

namespace ec {

class KnownFolders;

struct SystemFolderEntry {
  std::string_view displayName;
  std::string_view valueName;
};

inline constexpr int kSystemFolderCount = 23;
inline constexpr int kPersonalFolder = 0;
inline constexpr int kDesktopFolder = 2;
inline constexpr int kFontsFolder = 3;
inline constexpr std::string_view kSystemFolderOutOfRange = "超出范围，最小 0，最大 22";

extern const std::array<SystemFolderEntry, kSystemFolderCount> SystemFolderTable;

// The display name of entry `index`, or kSystemFolderOutOfRange.
std::string SystemFolderName(int index);
// The folder of entry `index` ("" when the system has none), or
// kSystemFolderOutOfRange.
std::string SystemFolderPath(KnownFolders& folders, int index);

}  // namespace ec
