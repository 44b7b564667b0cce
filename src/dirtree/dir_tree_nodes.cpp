#include "dirtree/dir_tree_nodes.h"

#include <QTreeWidgetItem>

#include "dirtree/dir_tree_texts.h"

namespace ec {
namespace {

// A placeholder's item data tells it from a real folder named "?".
constexpr int kPlaceholderData = -1;

}  // namespace

DirTreeNodeKind KindOf(const QTreeWidgetItem* node) {
  return static_cast<DirTreeNodeKind>(node->data(0, kImageRole).toInt());
}

SelectedNode KindsOf(const QTreeWidgetItem* node) {
  return {KindOf(node), node->parent() != nullptr ? KindOf(node->parent()) : DirTreeNodeKind::kFolder};
}

bool IsPlaceholder(const QTreeWidgetItem* node) {
  return node->data(0, kItemDataRole).toInt() == kPlaceholderData && node->text(0) == QLatin1String("?");
}

bool HasPlaceholder(const QTreeWidgetItem* node) {
  return node != nullptr && node->childCount() > 0 && IsPlaceholder(node->child(0));
}

MatchItem PlaceholderItem() { return {std::string(kPlaceholderText), 0, 0, kPlaceholderData}; }

MatchItem FolderItem(std::string name) {
  return {std::move(name), static_cast<int>(DirTreeNodeKind::kFolder), kFolderSelectedImage, 0};
}

MatchItem EntryItem(std::string text, int position) {
  const int kind = static_cast<int>(DirTreeNodeKind::kEntry);
  return {std::move(text), kind, kind, position};
}

}  // namespace ec
