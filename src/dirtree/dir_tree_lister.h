#pragma once
// What the tree shows: its five roots, the drives, special folders, pinned
// folders and subfolders listed into a node when it is first expanded, and
// the folder each node stands for.

#include <QObject>

#include <string>
#include <vector>

#include "dirtree/core/dir_tree_node_kind.h"
#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "platform/drive_list.h"

class QTreeWidgetItem;

namespace ec {

class DirTreeView;

class DirTreeLister : public QObject {
  Q_OBJECT

 public:
  DirTreeLister(DirTreeView& tree, TreeViewHelper& helper, TreeSettings& settings, const DirTreeServices& services,
                QObject* parent);

  // The folder of a node ("" for none).
  std::string NodePath(const QTreeWidgetItem* node) const;
  QTreeWidgetItem* RootOfKind(DirTreeNodeKind kind) const;
  // The drives as the tree last listed them.
  const std::vector<Drive>& Drives() const { return drives_; }
  const std::string& DesktopFolder() const { return desktopFolder_; }
  const std::string& PersonalFolder() const { return personalFolder_; }

  // Clears the tree and adds the roots the settings do not hide.
  void BuildRoots();
  // Lists the node's children again, by its kind.
  void RefreshChildren(QTreeWidgetItem* node);
  void ListSubfolders(QTreeWidgetItem* node);
  // Looks at no more than three subfolder entries.
  bool HasSubfolders(const std::string& folder) const;
  // A placeholder below the new node stands for subfolders not listed yet.
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const MatchItem& item, bool withPlaceholder);
  static void DeleteChildren(QTreeWidgetItem* node);
  // Hands memory back after the tree shrank or grew a lot.
  void Trim() const;

  void OnItemExpanded(QTreeWidgetItem* node);

 private:
  std::string EntryPath(const QTreeWidgetItem* entry) const;
  void AddPlaceholder(QTreeWidgetItem* node);
  void InsertChildren(QTreeWidgetItem* node, const std::vector<MatchItem>& items,
                      const std::vector<std::string>& folders);
  void ListDrives(QTreeWidgetItem* computer);
  void ListSystemFolders(QTreeWidgetItem* root);
  void ListVirtualFolders(QTreeWidgetItem* root);

  DirTreeView& tree_;
  TreeViewHelper& helper_;
  TreeSettings& settings_;
  const DirTreeServices& services_;
  std::vector<std::string> systemFolderPaths_;
  std::vector<Drive> drives_;
  std::string desktopFolder_;
  std::string personalFolder_;
};

}  // namespace ec
