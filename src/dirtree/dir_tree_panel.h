#pragma once
// The directory-tree panel "澜禾·目录树": a folder browser to embed in other
// windows. Five roots (desktop, documents, computer with its drives, special
// folders, pinned folders) whose subfolders are listed only when a node is
// first expanded. A host reads NodePath of the selected node and calls
// LocatePath to show a folder; the user's commands are the panel's menus and
// function keys. The settings live in "目录树.ini" beside the viewer's own.

#include <QPersistentModelIndex>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dirtree/core/dir_tree_node_kind.h"
#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "platform/drive_list.h"
#include "settings/control_state_store.h"

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace ec {

class DirTreeMenus;
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
  void ListSubfolders(QTreeWidgetItem* node);
  // Looks at no more than three subfolder entries.
  bool HasSubfolders(const std::string& folder) const;
  void LoadTreeConfig();
  void SaveTreeConfig();

  // The commands act on the selected node.
  void HandleKey(TreeKey key);
  void RunCommand(DirTreeCommand command);
  void ToggleHiddenNode(HiddenNode node);
  // The menu for a node ("本地" or "特殊夹") with its entries set for it.
  QMenu* PrepareNodeMenu(const QTreeWidgetItem* node);
  QMenu* TreeMenu() const;

  // Label editing of the tree view: may it start, is the new text accepted,
  // and the user cancelled it.
  bool AllowLabelEdit(QTreeWidgetItem* node);
  bool FinishLabelEdit(QTreeWidgetItem* node, const std::string& text);
  void CancelLabelEdit(QTreeWidgetItem* node);

  QTreeWidget* Tree() const;
  TreeViewHelper& Helper() { return helper_; }
  DirTreeMenus& Menus() const { return *menus_; }
  const std::vector<VirtualFolder>& VirtualFolders() const { return settings_.virtualFolders; }
  const HiddenNodeSettings& Hidden() const { return settings_.hidden; }
  const std::vector<std::string>& SystemFolderPaths() const { return systemFolderPaths_; }
  std::uint32_t AttributeMask() const { return attributeMask_; }
  const ControlStateStore& Store() const { return store_; }

 private:
  // Building and listing (dir_tree_listing.cpp).
  static DirTreeNodeKind KindOf(const QTreeWidgetItem* node);
  static bool IsPlaceholder(const QTreeWidgetItem* node);
  static bool HasPlaceholder(const QTreeWidgetItem* node);
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const MatchItem& item, bool withPlaceholder);
  void AddPlaceholder(QTreeWidgetItem* node);
  void InsertChildren(QTreeWidgetItem* node, const std::vector<MatchItem>& items, const std::vector<std::string>& folders);
  void ListDrives(QTreeWidgetItem* computer);
  void ListSystemFolders(QTreeWidgetItem* root);
  void ListVirtualFolders(QTreeWidgetItem* root);
  void DeleteChildren(QTreeWidgetItem* node);
  QTreeWidgetItem* RootOfKind(DirTreeNodeKind kind) const;
  std::string EntryPath(const QTreeWidgetItem* entry) const;
  void OnItemExpanded(QTreeWidgetItem* node);
  void Trim() const;

  // Locating (dir_tree_locate.cpp).
  struct Descent;
  std::optional<Descent> ChooseAnchor(const std::string& target, QTreeWidgetItem* selected);
  std::optional<Descent> DriveAnchor(const std::string& target);
  QTreeWidgetItem* Descend(const Descent& descent);
  QTreeWidgetItem* ChildNamed(QTreeWidgetItem* node, const std::string& name) const;

  // Commands (dir_tree_commands.cpp).
  std::optional<SelectedNode> SelectedKinds() const;
  QTreeWidgetItem* Selected() const;
  void OpenNode();
  void ShowNode();
  void StartRename();
  void NewFolder();
  void DeleteFolder();
  void RemoveVirtualFolder();
  void AddToVirtualFolders();
  void ClearChildren();
  void CheckChildren();
  void CopyToClipboard(const std::string& text) const;
  void ShowAbout();
  void SaveConfigNow();
  bool IsDriveRoot(const std::string& path) const;

  // Label editing (dir_tree_labels.cpp).
  bool FinishDriveEdit(QTreeWidgetItem* node, const std::string& text);
  bool FinishFolderRename(QTreeWidgetItem* node, const std::string& text);
  bool FinishVirtualRename(QTreeWidgetItem* node, const std::string& text);
  std::string JoinDriveText(const QTreeWidgetItem* node) const;
  void Defer(QTreeWidgetItem* node, std::function<void(QTreeWidgetItem*)> step);

  void OnCurrentItemChanged(QTreeWidgetItem* current);
  void OnItemChanged(QTreeWidgetItem* node);
  void ShowContextMenu(const QPoint& position);
  void SyncHiddenChecks();

  DirTreeServices services_;
  ControlStateStore store_;
  DirTreeView* tree_ = nullptr;
  TreeViewHelper helper_;
  std::unique_ptr<DirTreeMenus> menus_;
  NodeSelectedCallback onNodeSelected_;
  bool loading_ = false;
  bool closing_ = false;

  TreeSettings settings_;
  std::uint32_t attributeMask_ = 0;
  std::vector<std::string> systemFolderPaths_;
  std::vector<Drive> drives_;
  std::string desktopFolder_;
  std::string personalFolder_;

  // A drive's label is edited without its " (C:)": the first edit request
  // strips it and asks again.
  bool reEditPending_ = false;
  std::string editedDrive_;
};

}  // namespace ec
