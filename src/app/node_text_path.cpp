#include "app/node_text_path.h"

#include <algorithm>
#include <string_view>

#include "dirtree/treeview/tree_view_helper.h"
#include "viewer/counted_text.h"

namespace ec {
namespace {

// The first child of `parent` (-1: the top level) whose text matches.
int FindChild(TreeViewHelper& tree, int parent, const std::string& text) {
  const int count = tree.Count();
  const std::string_view bare = TextWithoutCount(text);
  int loose = -1;
  for (int i = parent + 1; i < count; ++i) {
    const int p = tree.Parent(i);
    if (p != parent) {
      // Past the parent's last descendant: a node whose parent lies before it.
      if (p < parent) break;
      continue;
    }
    const std::string own = tree.Text(i);
    if (own == text) return i;
    if (loose < 0 && TextWithoutCount(own) == bare) loose = i;
  }
  return loose;
}

}  // namespace

std::vector<std::string> NodeTextPath(TreeViewHelper& tree, int index) {
  std::vector<std::string> path;
  for (int i = index; i >= 0; i = tree.Parent(i)) path.push_back(tree.Text(i));
  std::reverse(path.begin(), path.end());
  return path;
}

int FindNodeByTextPath(TreeViewHelper& tree, const std::vector<std::string>& path) {
  int node = -1;
  for (const std::string& text : path) {
    node = FindChild(tree, node, text);
    if (node < 0) return -1;
  }
  return node;
}

}  // namespace ec
