#pragma once
// A node of a tree named by the texts from the root down to it, so that it
// can be found again after the tree was built anew (a module reloaded).

#include <string>
#include <vector>

namespace ec {

class TreeViewHelper;

// The texts of the node at `index` and its ancestors, root first; empty for
// no node.
std::vector<std::string> NodeTextPath(TreeViewHelper& tree, int index);

// The node the texts lead to, or -1. Each level takes the first child with
// the same text, else the first whose text is the same but for the count in
// its last parentheses ("子程序集合(9)" finds "子程序集合(10)"), since adding
// a declaration changes the counts on the way.
int FindNodeByTextPath(TreeViewHelper& tree, const std::vector<std::string>& path);

}  // namespace ec
