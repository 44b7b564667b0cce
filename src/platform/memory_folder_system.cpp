#include "platform/memory_folder_system.h"

#include <algorithm>

#include "platform/path_separator.h"

namespace ec {
namespace {

// "/d/a" → "/d"; a root has no parent. The first character never counts as
// a separator, so "/d" is a root of its own.
std::string ParentOf(const std::string& path) {
  const size_t last = path.find_last_of(kPathSeparator);
  if (last == std::string::npos || last == 0) return {};
  return path.substr(0, last);
}

std::string NameOf(const std::string& path) {
  const size_t last = path.find_last_of(kPathSeparator);
  return last == std::string::npos || last == 0 ? path : path.substr(last + 1);
}

std::string Normal(std::string path) {
  while (path.size() > 1 && path.back() == kPathSeparator) path.pop_back();
  return path;
}

}  // namespace

void MemoryFolderSystem::Add(const std::string& path, bool folder, std::uint32_t attributes) {
  const std::string parent = ParentOf(path);
  if (!parent.empty() && nodes_.find(parent) == nodes_.end()) Add(parent, true, 0);
  auto [node, added] = nodes_.try_emplace(path);
  node->second.folder = folder;
  node->second.attributes = attributes;
  if (added && !parent.empty()) nodes_[parent].children.push_back(NameOf(path));
}

void MemoryFolderSystem::AddFolder(const std::string& path, std::uint32_t attributes) { Add(Normal(path), true, attributes); }
void MemoryFolderSystem::AddFile(const std::string& path) { Add(Normal(path), false, 0); }

bool MemoryFolderSystem::Exists(const std::string& path) { return nodes_.count(Normal(path)) != 0; }

void MemoryFolderSystem::ListFolders(const std::string& folder, bool withAttributes, const Visitor& visit) {
  const std::string path = Normal(folder);
  const auto found = nodes_.find(path);
  if (found == nodes_.end() || !found->second.folder || unlistable_.count(path) != 0) return;
  const std::string prefix = path.back() == kPathSeparator ? path : path + kPathSeparator;
  const std::vector<std::string> names = found->second.children;  // a visitor may change the folder
  for (const std::string& name : names) {
    const auto child = nodes_.find(prefix + name);
    if (child == nodes_.end() || !child->second.folder) continue;
    ++visited_;
    if (!visit({name, withAttributes ? child->second.attributes : 0})) return;
  }
}

bool MemoryFolderSystem::CreateFolder(const std::string& path) {
  const std::string normal = Normal(path);
  const std::string parent = ParentOf(normal);
  if (failCreate || Exists(normal) || parent.empty() || !Exists(parent)) return false;
  Add(normal, true, 0);
  return true;
}

void MemoryFolderSystem::Detach(const std::string& path) {
  const auto parent = nodes_.find(ParentOf(path));
  if (parent == nodes_.end()) return;
  auto& names = parent->second.children;
  names.erase(std::remove(names.begin(), names.end(), NameOf(path)), names.end());
}

void MemoryFolderSystem::Erase(const std::string& path) {
  const std::string prefix = path + kPathSeparator;
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (it->first == path || it->first.starts_with(prefix)) it = nodes_.erase(it);
    else ++it;
  }
}

bool MemoryFolderSystem::RenameFolder(const std::string& from, const std::string& to) {
  const std::string source = Normal(from);
  const std::string target = Normal(to);
  if (failRename || !Exists(source) || Exists(target) || !Exists(ParentOf(target))) return false;
  std::map<std::string, Node> moved;
  const std::string prefix = source + kPathSeparator;
  for (const auto& [path, node] : nodes_) {
    if (path == source) moved[target] = node;
    else if (path.starts_with(prefix)) moved[target + path.substr(source.size())] = node;
  }
  Detach(source);
  Erase(source);
  nodes_.merge(moved);
  nodes_[ParentOf(target)].children.push_back(NameOf(target));
  return true;
}

bool MemoryFolderSystem::DeleteFolder(const std::string& path) {
  const std::string normal = Normal(path);
  if (failDelete || !Exists(normal) || ParentOf(normal).empty()) return false;
  Detach(normal);
  Erase(normal);
  deleted.push_back(normal);
  return true;
}

}  // namespace ec
