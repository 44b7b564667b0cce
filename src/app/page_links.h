#pragma once
// The links of the viewer's pages, handled by the viewer itself: a declaration
// link ("ecview-declaration:…", type names, comparison reports, where-used
// pages) selects that declaration's node, which shows its page; a uses link
// ("ecview-uses:…", a data type's or class's name) shows the page of its uses.

#include <QObject>

#include <memory>
#include <optional>

#include "compare/comparison_html.h"

class QUrl;

namespace ec {

class ModuleLoader;
class TreeViewHelper;
class TypeUseIndex;
struct ModuleModel;
struct TreeNodeInfo;

// The index of the tree node that carries `node`'s kind and item data under a
// parent with `node`'s parent item data, or -1.
int FindNode(TreeViewHelper& tree, const TreeNodeInfo& node);

class PageLinks : public QObject {
  Q_OBJECT

 public:
  PageLinks(ModuleLoader& loader, TreeViewHelper& tree, QObject* parent = nullptr);
  ~PageLinks() override;

  void OnLinkClicked(const QUrl& url);
  // Selects the node of the declaration; false when the module shown has none there.
  bool GoTo(const DeclarationLink& link);
  // Shows the page of the uses of a data type or class of the module shown.
  void ShowUses(const DeclarationLink& target);

 signals:
  // A uses page is shown; `key` names it among the pages of the history.
  void UsesShown(const QString& key);
  // The page's "保存为文件…" of a resource was clicked.
  void SaveResourceRequested();

 private:
  const TypeUseIndex& Uses();

  ModuleLoader& loader_;
  TreeViewHelper& tree_;
  // Built at the first uses page of a load, for that load's model.
  // The index points into its model, kept alive with it.
  std::shared_ptr<const ModuleModel> usesModel_;
  std::unique_ptr<TypeUseIndex> uses_;
};

}  // namespace ec
