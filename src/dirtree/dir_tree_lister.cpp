// Building the tree and listing a node's children: roots, drives, special
// folders, pinned folders and subfolders, each child that has subfolders of
// its own given a "?" placeholder until it is first expanded.
#include "dirtree/dir_tree_lister.h"

#include <QTreeWidget>

#include <algorithm>

#include "dirtree/core/drive_text.h"
#include "dirtree/core/folder_path.h"
#include "dirtree/core/system_folder_table.h"
#include "dirtree/dir_tree_nodes.h"
#include "dirtree/dir_tree_texts.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"
#include "platform/known_folders.h"

namespace ec {
namespace {

MatchItem Root(std::string_view text, DirTreeNodeKind kind) {
  return {std::string(text), static_cast<int>(kind), static_cast<int>(kind), 0};
}

// The places of `names` sorted ignoring case, equal names in listing order.
std::vector<size_t> OrderByName(const std::vector<std::string>& names) {
  std::vector<QString> keys;
  keys.reserve(names.size());
  for (const std::string& name : names) keys.push_back(QString::fromStdString(name));
  std::vector<size_t> order(names.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) {
    return QString::compare(keys[a], keys[b], Qt::CaseInsensitive) < 0;
  });
  return order;
}

}  // namespace

DirTreeLister::DirTreeLister(DirTreeView& tree, TreeViewHelper& helper, TreeSettings& settings,
                             const DirTreeServices& services, QObject* parent)
    : QObject(parent), tree_(tree), helper_(helper), settings_(settings), services_(services) {}

QTreeWidgetItem* DirTreeLister::AddNode(QTreeWidgetItem* parent, const MatchItem& item, bool withPlaceholder) {
  QTreeWidgetItem* node = helper_.AppendChild(parent, item);
  if (withPlaceholder) AddPlaceholder(node);
  return node;
}

void DirTreeLister::AddPlaceholder(QTreeWidgetItem* node) {
  helper_.AppendChild(node, PlaceholderItem());
}

// One batch for the children, then the placeholders of those that have
// subfolders, all with redrawing suspended.
void DirTreeLister::InsertChildren(QTreeWidgetItem* node, const std::vector<MatchItem>& items,
                                   const std::vector<std::string>& folders) {
  if (items.empty()) return;
  const int first = node->childCount();
  helper_.BatchInsert(helper_.IndexOf(node), &items);
  tree_.setUpdatesEnabled(false);
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    if (HasSubfolders(folders[static_cast<size_t>(i)])) AddPlaceholder(node->child(first + i));
  }
  tree_.setUpdatesEnabled(true);
}

std::string DirTreeLister::NodePath(const QTreeWidgetItem* node) const {
  if (node == nullptr) return {};
  switch (KindOf(node)) {
    case DirTreeNodeKind::kFolder: break;
    case DirTreeNodeKind::kDesktop: return desktopFolder_;
    case DirTreeNodeKind::kDocuments: return personalFolder_;
    case DirTreeNodeKind::kComputer: return std::string(kComputerText);
    case DirTreeNodeKind::kDrive:
    case DirTreeNodeKind::kSystemDrive: return DriveNameOfText(node->text(0).toStdString());
    case DirTreeNodeKind::kSystemFolderRoot: return std::string(kSystemFoldersText);
    case DirTreeNodeKind::kVirtualFolderRoot: return std::string(kVirtualFoldersText);
    case DirTreeNodeKind::kEntry: return EntryPath(node);
  }
  std::vector<const QTreeWidgetItem*> folders;
  const QTreeWidgetItem* above = node;
  for (; above != nullptr && KindOf(above) == DirTreeNodeKind::kFolder; above = above->parent()) folders.push_back(above);
  std::string path = NodePath(above);
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) path = JoinPath(path, (*it)->text(0).toStdString());
  return FtpForm(std::move(path));
}

// An entry's item data is its 1-based place in the list its root shows.
std::string DirTreeLister::EntryPath(const QTreeWidgetItem* entry) const {
  const int position = entry->data(0, kItemDataRole).toInt();
  const QTreeWidgetItem* root = entry->parent();
  if (root == nullptr || position < 1) return {};
  const size_t slot = static_cast<size_t>(position - 1);
  if (KindOf(root) == DirTreeNodeKind::kSystemFolderRoot) {
    return slot < systemFolderPaths_.size() ? systemFolderPaths_[slot] : std::string();
  }
  if (KindOf(root) == DirTreeNodeKind::kVirtualFolderRoot) {
    return slot < settings_.virtualFolders.size() ? settings_.virtualFolders[slot].path : std::string();
  }
  return {};
}

// The listing skips files, "." and "..", so its first entry answers.
bool DirTreeLister::HasSubfolders(const std::string& folder) const {
  bool found = false;
  services_.folders->ListFolders(folder, false, [&found](const FolderEntry&) {
    found = true;
    return false;
  });
  return found;
}

void DirTreeLister::BuildRoots() {
  helper_.Clear();
  desktopFolder_ = SystemFolderPath(*services_.knownFolders, kDesktopFolder);
  personalFolder_ = SystemFolderPath(*services_.knownFolders, kPersonalFolder);
  AddNode(nullptr, Root(kDesktopText, DirTreeNodeKind::kDesktop), HasSubfolders(desktopFolder_));
  if (!settings_.hidden[HiddenNode::kDocuments]) {
    AddNode(nullptr, Root(kDocumentsText, DirTreeNodeKind::kDocuments), HasSubfolders(personalFolder_));
  }
  QTreeWidgetItem* computer = AddNode(nullptr, Root(kComputerText, DirTreeNodeKind::kComputer), false);
  ListDrives(computer);
  computer->setExpanded(true);
  if (!settings_.hidden[HiddenNode::kSystemFolders]) {
    AddNode(nullptr, Root(kSystemFoldersText, DirTreeNodeKind::kSystemFolderRoot), true);
  }
  if (!settings_.hidden[HiddenNode::kVirtualFolders]) {
    AddNode(nullptr, Root(kVirtualFoldersText, DirTreeNodeKind::kVirtualFolderRoot), true);
  }
}

void DirTreeLister::DeleteChildren(QTreeWidgetItem* node) {
  const QList<QTreeWidgetItem*> children = node->takeChildren();
  qDeleteAll(children);
}

void DirTreeLister::RefreshChildren(QTreeWidgetItem* node) {
  if (node == nullptr) return;
  DeleteChildren(node);
  switch (KindOf(node)) {
    case DirTreeNodeKind::kComputer: ListDrives(node); break;
    case DirTreeNodeKind::kSystemFolderRoot: ListSystemFolders(node); break;
    case DirTreeNodeKind::kVirtualFolderRoot: ListVirtualFolders(node); break;
    default: ListSubfolders(node); break;
  }
  tree_.scrollToItem(node);
  tree_.setFocus();
  Trim();
}

void DirTreeLister::ListDrives(QTreeWidgetItem* computer) {
  drives_ = services_.drives->Drives();
  std::vector<MatchItem> items;
  std::vector<std::string> roots;
  for (const Drive& drive : drives_) {
    const int image = static_cast<int>(drive.system ? DirTreeNodeKind::kSystemDrive : DirTreeNodeKind::kDrive);
    items.push_back({DriveText(drive.label, drive.type, drive.name), image, image, 0});
    roots.push_back(drive.name);
  }
  InsertChildren(computer, items, roots);
}

void DirTreeLister::ListSystemFolders(QTreeWidgetItem* root) {
  systemFolderPaths_.clear();
  std::vector<MatchItem> items;
  for (int index = 0; index < kSystemFolderCount; ++index) {
    std::string folder = SystemFolderPath(*services_.knownFolders, index);
    if (folder.empty() || !services_.folders->Exists(folder)) continue;
    systemFolderPaths_.push_back(std::move(folder));
    items.push_back(EntryItem(SystemFolderName(index), static_cast<int>(systemFolderPaths_.size())));
  }
  InsertChildren(root, items, systemFolderPaths_);
}

void DirTreeLister::ListVirtualFolders(QTreeWidgetItem* root) {
  auto& list = settings_.virtualFolders;
  std::erase_if(list, [](const VirtualFolder& folder) { return folder.path.empty(); });
  std::vector<MatchItem> items;
  std::vector<std::string> folders;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!services_.folders->Exists(list[i].path)) continue;
    items.push_back(EntryItem(DisplayName(list[i]), static_cast<int>(i + 1)));
    folders.push_back(list[i].path);
  }
  InsertChildren(root, items, folders);
}

// Subfolders come sorted by name, ignoring case: Windows lists them that way
// by itself, Linux in no particular order.
void DirTreeLister::ListSubfolders(QTreeWidgetItem* node) {
  const std::string path = NodePath(node);
  std::vector<std::string> names;
  const std::uint32_t mask = FolderAttributeMask(settings_.hidden);
  services_.folders->ListFolders(path, mask != 0, [&](const FolderEntry& entry) {
    if ((entry.attributes & mask) == 0) names.push_back(entry.name);
    return true;
  });
  std::vector<MatchItem> items;
  std::vector<std::string> folders;
  items.reserve(names.size());
  folders.reserve(names.size());
  for (size_t i : OrderByName(names)) {
    folders.push_back(JoinPath(path, names[i]));
    items.push_back(FolderItem(names[i]));
  }
  InsertChildren(node, items, folders);
}

QTreeWidgetItem* DirTreeLister::RootOfKind(DirTreeNodeKind kind) const {
  for (int i = tree_.topLevelItemCount() - 1; i >= 0; --i) {
    if (KindOf(tree_.topLevelItem(i)) == kind) return tree_.topLevelItem(i);
  }
  return nullptr;
}

// A placeholder gives way to the real children. A folder that has gone since
// it was listed goes too, once the view has finished expanding it.
void DirTreeLister::OnItemExpanded(QTreeWidgetItem* node) {
  if (!HasPlaceholder(node)) return;
  if (KindOf(node) == DirTreeNodeKind::kFolder && !services_.folders->Exists(NodePath(node))) {
    tree_.Defer(node, [](QTreeWidgetItem* gone) { delete gone; });
    return;
  }
  RefreshChildren(node);
}

void DirTreeLister::Trim() const {
  if (services_.trimWorkingSet) services_.trimWorkingSet();
}

}  // namespace ec
