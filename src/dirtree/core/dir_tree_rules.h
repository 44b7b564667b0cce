#pragma once
// Which commands of the directory tree apply to the selected node: the
// enabling rules of the menu "本地" and the function keys.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dirtree/core/dir_tree_node_kind.h"

namespace ec {

// The selected node: its kind and, for entries, the kind of its parent.
struct SelectedNode {
  DirTreeNodeKind kind = DirTreeNodeKind::kFolder;
  DirTreeNodeKind parentKind = DirTreeNodeKind::kFolder;
  bool IsVirtualEntry() const {
    return kind == DirTreeNodeKind::kEntry && parentKind == DirTreeNodeKind::kVirtualFolderRoot;
  }
  bool IsSystemEntry() const {
    return kind == DirTreeNodeKind::kEntry && parentKind == DirTreeNodeKind::kSystemFolderRoot;
  }
};

struct LocalMenuRules {
  bool deleteEnabled = true;
  bool renameEnabled = true;
  bool newEnabled = true;
  bool removeVisible = false;
  bool addEnabled = true;
};

// Deleting acts on listed folders and pinned folders only; renaming also
// changes a drive's label; a new folder goes into any node that is a folder.
LocalMenuRules LocalMenuRulesFor(const SelectedNode& node);

// The keys by their Windows virtual-key codes.
enum class TreeKey : int {
  kInsert = 45,
  kDelete = 46,
  kF1 = 112, kF2, kF3, kF4, kF5, kF6, kF7, kF8, kF9, kF10, kF11, kF12,
};

enum class DirTreeCommand {
  kNone, kOpen, kShow, kRename, kNewFolder, kDelete, kRemoveVirtual, kCopyName, kCopyPath,
  kRefresh, kAddVirtual, kClear, kAbout, kRebuild,
  kCheckChildren, kSaveNow, kAboutTree, kHelpWanted,  // menu entries without a key
};

// The command of a key for the selected node (nullopt: nothing selected, when
// only F12 acts).
DirTreeCommand CommandForKey(TreeKey key, const std::optional<SelectedNode>& selected);

// "新文件夹 " and the number.
std::string NewFolderName(int number);
// The smallest n ≥ 1 for which `base` + separator + NewFolderName(n) does
// not exist; 0 when a million are taken.
int FreeNewFolderNumber(std::string_view base, const std::function<bool(const std::string&)>& exists);

}  // namespace ec
