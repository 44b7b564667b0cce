#include "app/search/search_results.h"

#include <QFont>

#include <vector>

#include "dirtree/treeview/tree_view_helper.h"
#include "render/node_kind.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

// What matched in a remark or parameter, one level below its hit (below the
// class for a bare class), marked by its item data so that a double click
// finds the declaration's name rather than this text.
void AppendDetails(TreeViewHelper& tree, QTreeWidgetItem* groupItem, const SearchHitGroup& group) {
  if (!group.classDetail.empty())
    tree.AppendChild(groupItem, {group.classDetail, group.image, group.image, kSearchDetailItemData});
  for (size_t i = 0; i < group.details.size() && static_cast<int>(i) < groupItem->childCount(); ++i) {
    if (group.details[i].empty()) continue;
    QTreeWidgetItem* hit = groupItem->child(static_cast<int>(i));
    tree.AppendChild(hit, {group.details[i], group.childImage, group.childImage, kSearchDetailItemData});
    hit->setExpanded(true);
  }
}

}  // namespace

QTreeWidgetItem* AppendModuleResults(TreeViewHelper& tree, const std::string& modulePath, int position,
                                     const ModuleSearchResult& result) {
  if (result.hitCount == 0) return nullptr;
  const std::string name = Utf8FromPath(PathFromUtf8(modulePath).stem());
  QTreeWidgetItem* module = tree.AppendChild(nullptr, {name, kKindModule, kKindModule, position});
  QFont bold = module->font(0);
  bold.setBold(true);
  module->setFont(0, bold);
  QTreeWidgetItem* last = nullptr;
  for (const SearchHitGroup& group : result.groups) {
    last = tree.AppendChild(module, {group.Text(), group.image, group.image, 0});
    std::vector<MatchItem> hits;
    hits.reserve(group.names.size());
    for (const std::string& hit : group.names) hits.push_back({hit, group.childImage, group.childImage, 0});
    tree.BatchAppend(last, hits);
    AppendDetails(tree, last, group);
    last->setExpanded(true);
  }
  module->setExpanded(true);
  return last;
}

SearchHitTarget HitTargetOf(TreeViewHelper& tree, int index) {
  SearchHitTarget target;
  if (index < 0) return target;
  int module = index;
  while (tree.Parent(module) >= 0) module = tree.Parent(module);
  target.position = tree.ItemData(module);
  if (tree.ItemData(index) == kSearchDetailItemData) index = tree.Parent(index);
  if (module != index) {
    // A category's or class's count in parentheses is no part of the name.
    const std::string text = tree.Text(index);
    const size_t open = text.find('(');
    target.name = open == std::string::npos || open == 0 ? text : text.substr(0, open);
  }
  return target;
}

}  // namespace ec
