#pragma once
// What a node of the directory tree is: its kind (its image index), its
// parent's kind, and whether it is the "?" placeholder of an unlisted folder.

#include <string>

#include "dirtree/core/dir_tree_node_kind.h"
#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/treeview/tree_view_helper.h"

class QTreeWidgetItem;

namespace ec {

DirTreeNodeKind KindOf(const QTreeWidgetItem* node);
// The node's kind and its parent's (a root counts as below a folder).
SelectedNode KindsOf(const QTreeWidgetItem* node);
bool IsPlaceholder(const QTreeWidgetItem* node);
// The node (nullptr answers false) has not been listed yet.
bool HasPlaceholder(const QTreeWidgetItem* node);

MatchItem PlaceholderItem();
MatchItem FolderItem(std::string name);
// An entry of "系统夹" or "虚拟夹": `position` is its 1-based place in the list.
MatchItem EntryItem(std::string text, int position);

}  // namespace ec
