#include "app/page_links.h"

#include <QUrl>

#include "app/module_loader.h"
#include "app/resource_picture.h"
#include "compare/declaration_node.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "navigate/type_uses.h"
#include "navigate/where_used_page.h"
#include "render/type_link_schemes.h"

namespace ec {

int FindNode(TreeViewHelper& tree, const TreeNodeInfo& node) {
  const int count = tree.Count();
  for (int i = 1; i < count; ++i)
    if (tree.Image(i) == node.kind && tree.ItemData(i) == node.itemData &&
        tree.ItemData(tree.Parent(i)) == node.parentItemData)
      return i;
  return -1;
}

PageLinks::PageLinks(ModuleLoader& loader, TreeViewHelper& tree, QObject* parent)
    : QObject(parent), loader_(loader), tree_(tree) {}

PageLinks::~PageLinks() = default;

void PageLinks::OnLinkClicked(const QUrl& url) {
  const std::string href = url.toString().toStdString();
  if (const auto link = ParseDeclarationHref(href)) {
    GoTo(*link);
  } else if (const auto target = ParseUsesHref(href)) {
    ShowUses(*target);
  } else if (href == kSaveResourceHref) {
    emit SaveResourceRequested();
  }
}

bool PageLinks::GoTo(const DeclarationLink& link) {
  const auto node = TreeNodeOf(loader_.Model(), link);
  if (!node) return false;
  const int index = FindNode(tree_, *node);
  if (index < 0) return false;
  tree_.EnsureVisible(index);
  return tree_.Select(index);
}

const TypeUseIndex& PageLinks::Uses() {
  if (!uses_ || usesModel_ != loader_.SharedModel()) {
    usesModel_ = loader_.SharedModel();
    uses_ = std::make_unique<TypeUseIndex>(*usesModel_);
  }
  return *uses_;
}

void PageLinks::ShowUses(const DeclarationLink& target) {
  if (target.kind != DeclarationKind::DataType && target.kind != DeclarationKind::Class) return;
  loader_.writePage(WhereUsedPage(loader_.Model(), Uses(), target));
  emit UsesShown(QString::fromStdString(UsesHref(target)));
}

}  // namespace ec
