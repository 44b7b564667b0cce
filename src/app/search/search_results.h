#pragma once
// The results tree of the module search: one node per module with hits (its
// file name without the extension, bold, item data = its 1-based place in
// the file list), under it one node per category or class with its hits.

#include <string>

#include "search/module_search.h"

class QTreeWidgetItem;

namespace ec {

class TreeViewHelper;

// The item data of a node that shows what matched in a remark or parameter.
inline constexpr int kSearchDetailItemData = -1;

// Appends the module's nodes at the end of the tree in one go and opens its
// categories; nothing for a module without hits. Answers the last category
// node added (to scroll to), or nullptr.
QTreeWidgetItem* AppendModuleResults(TreeViewHelper& tree, const std::string& modulePath, int position,
                                     const ModuleSearchResult& result);

// What a double click on the node at `index` asks for: the module (its
// 1-based place in the file list) and the name to find there ("" for the
// module node itself: the module is only opened).
struct SearchHitTarget {
  int position = 0;
  std::string name;
};
SearchHitTarget HitTargetOf(TreeViewHelper& tree, int index);

}  // namespace ec
