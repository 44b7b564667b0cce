#pragma once
// The directory-tree panel "澜禾·目录树": a folder browser to embed in other
// windows. Five roots (desktop, documents, computer with its drives, special
// folders, pinned folders) whose subfolders are listed only when a node is
// first expanded. A host reads NodePath of the selected node and calls
// LocatePath to show a folder; the user's commands are the panel's menus and
// function keys. The settings live in "目录树.ini" beside the viewer's own.
//
// The panel owns the tree and the parts that act on it (listing, locating,
// renaming, the commands, the menus) and wires their signals in one place.

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"
#include "dirtree/treeview/tree_view_helper.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace ec {

class DirTreeCommands;
class DirTreeLabelEditor;
class DirTreeLister;
class DirTreeLocator;
class DirTreeMenus;
class DirTreeSettingsFile;
class DirTreeView;

class DirTreePanel : public QWidget {
  Q_OBJECT

 public:
  // Called with (1, 0, path of the node) whenever the selection changes.
  using NodeSelectedCallback = std::function<void(int, int, const std::string&)>;

  explicit DirTreePanel(const DirTreeServices& services);
  // Saves the settings.
  ~DirTreePanel() override;

  // Creates a panel, makes `host` its parent, places it and shows it.
  static DirTreePanel* EmbedPanel(QWidget* host, int left, int top, int width, int height,
                                  NodeSelectedCallback onNodeSelected, const DirTreeServices& services);
  void SetNodeSelectedCallback(NodeSelectedCallback callback) { onNodeSelected_ = std::move(callback); }

  // The folder of a node ("" for none); without a node, of the selected one.
  std::string NodePath() const;
  std::string NodePath(const QTreeWidgetItem* node) const;
  // Expands the tree down to `target` and selects it; false when no node
  // could be reached, the selection then unchanged.
  bool LocatePath(const std::string& target);
  void BuildTree(bool keepSelection);
  // Lists the node's children again, by its kind.
  void RefreshChildren(QTreeWidgetItem* node);

  QTreeWidget* Tree() const;

 private:
  void SetUpTree();
  void ConnectSignals();
  void RebuildKeepingSelection() { BuildTree(true); }
  void ToggleHiddenNode(HiddenNode node);
  void OnFunctionKey(TreeKey key);
  void OnCurrentItemChanged(QTreeWidgetItem* current);
  void OnItemChanged(QTreeWidgetItem* node);
  void ShowContextMenu(const QPoint& position);

  DirTreeServices services_;
  std::unique_ptr<DirTreeSettingsFile> settingsFile_;
  TreeSettings& settings_;
  DirTreeView* tree_ = nullptr;
  TreeViewHelper helper_;
  std::unique_ptr<DirTreeMenus> menus_;
  DirTreeLister* lister_ = nullptr;
  std::unique_ptr<DirTreeLocator> locator_;
  std::unique_ptr<DirTreeLabelEditor> labels_;
  DirTreeCommands* commands_ = nullptr;
  NodeSelectedCallback onNodeSelected_;
  bool loading_ = false;
  bool closing_ = false;
};

}  // namespace ec
