#include "dirtree/core/tree_settings.h"

#include <algorithm>
#include <cmath>

#include "settings/control_state_store.h"

namespace ec {
namespace {

constexpr std::string_view kVirtualSection = "虚拟夹";
constexpr std::string_view kHiddenSection = "不显示节点";
constexpr std::string_view kCountKey = "项目数";
// The shortest entry a slot needs in the file, "\r\n路径 1=": a count beyond
// what the file could hold is a damaged count.
constexpr double kLeastBytesPerSlot = 10;

std::string PathKey(size_t slot) { return "路径 " + std::to_string(slot); }
std::string NameKey(size_t slot) { return "名称 " + std::to_string(slot); }

size_t BoundedCount(double stored, size_t contentBytes) {
  if (!std::isfinite(stored) || stored < 1) return 0;
  return static_cast<size_t>(std::min(std::floor(stored), static_cast<double>(contentBytes) / kLeastBytesPerSlot));
}

}  // namespace

std::uint32_t FolderAttributeMask(const HiddenNodeSettings& hidden) {
  return (hidden[HiddenNode::kReadOnlyFolders] ? 1u : 0u) | (hidden[HiddenNode::kHiddenFolders] ? 2u : 0u) |
         (hidden[HiddenNode::kSystemAttributeFolders] ? 4u : 0u);
}

void ReadTreeSettings(ControlStateStore& store, const std::function<bool(const std::string&)>& exists,
                      const std::string& programFolder, TreeSettings& settings) {
  store.SetSection(kVirtualSection);
  const double stored = store.ReadNumber(kCountKey, 0);
  const size_t count = BoundedCount(stored, store.RawContent().size());
  settings.virtualFolders.clear();
  for (size_t slot = 1; slot <= count; ++slot) {
    VirtualFolder folder{store.ReadText(PathKey(slot), ""), store.ReadText(NameKey(slot), "")};
    if (!folder.path.empty() && exists(folder.path)) settings.virtualFolders.push_back(std::move(folder));
  }
  if (count == 0) settings.virtualFolders.push_back({programFolder, std::string(kDefaultVirtualFolderName)});

  store.SetSection(kHiddenSection);
  for (int i = 0; i < kHiddenNodeCount; ++i) {
    bool& checked = settings.hidden.checked[static_cast<size_t>(i)];
    checked = store.ReadLogical(kHiddenNodeCaptions[static_cast<size_t>(i)], checked);
  }
}

void WriteTreeSettings(ControlStateStore& store, const TreeSettings& settings) {
  store.SetSection(kVirtualSection);
  store.WriteNumber(kCountKey, static_cast<double>(settings.virtualFolders.size()));
  for (size_t i = 0; i < settings.virtualFolders.size(); ++i) {
    store.WriteText(PathKey(i + 1), settings.virtualFolders[i].path);
    store.WriteText(NameKey(i + 1), settings.virtualFolders[i].name);
  }
  store.SetSection(kHiddenSection);
  for (int i = 0; i < kHiddenNodeCount; ++i) {
    store.WriteLogical(kHiddenNodeCaptions[static_cast<size_t>(i)], settings.hidden.checked[static_cast<size_t>(i)]);
  }
}

}  // namespace ec
