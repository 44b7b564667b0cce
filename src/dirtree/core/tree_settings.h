#pragma once
// What the directory tree keeps in its settings file "目录树.ini": the pinned
// folders (section "虚拟夹") and the check marks of the menu "不显示的节点"
// (section "不显示节点").

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dirtree/core/virtual_folder.h"

namespace ec {

class ControlStateStore;

inline constexpr std::string_view kTreeSettingsFileName = "目录树.ini";
inline constexpr std::string_view kDefaultVirtualFolderName = "本程序所在目录";

// The entries of "不显示的节点", in menu order.
enum class HiddenNode { kDocuments, kSystemFolders, kVirtualFolders, kHiddenFolders, kSystemAttributeFolders, kReadOnlyFolders };
inline constexpr int kHiddenNodeCount = 6;
inline constexpr std::array<std::string_view, kHiddenNodeCount> kHiddenNodeCaptions = {
    "我的文档", "系统夹", "虚拟夹", "隐藏文件夹", "系统文件夹", "只读文件夹"};

struct HiddenNodeSettings {
  // Checked = that root is not created, or folders with that attribute are
  // not listed. Hidden folders are left out until the user says otherwise.
  std::array<bool, kHiddenNodeCount> checked = {false, false, false, true, false, false};
  bool operator[](HiddenNode node) const { return checked[static_cast<size_t>(node)]; }
  bool& operator[](HiddenNode node) { return checked[static_cast<size_t>(node)]; }
};

// The attribute bits of folders that are not listed: 1 read-only, 2 hidden, 4 system.
std::uint32_t FolderAttributeMask(const HiddenNodeSettings& hidden);

struct TreeSettings {
  std::vector<VirtualFolder> virtualFolders;
  HiddenNodeSettings hidden;
};

// Reads the file's settings over `settings`: pinned folders whose path does
// not exist are left out; when the file counts none, the list holds the
// program's folder as "本程序所在目录". Check marks missing from the file keep
// the values they have.
void ReadTreeSettings(ControlStateStore& store, const std::function<bool(const std::string&)>& exists,
                      const std::string& programFolder, TreeSettings& settings);
// Writes every slot of the list, removed ones (empty path) included.
void WriteTreeSettings(ControlStateStore& store, const TreeSettings& settings);

}  // namespace ec
