#pragma once
// The panel's commands on the selected node, chosen from its menus or by
// its function keys: open, show, rename, new folder, delete, pinned
// folders, copying, refreshing and the information boxes.

#include <QObject>

#include <optional>
#include <string>

#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"

class QTreeWidgetItem;

namespace ec {

class DirTreeLabelEditor;
class DirTreeLister;
class DirTreeSettingsFile;
class DirTreeView;

class DirTreeCommands : public QObject {
  Q_OBJECT

 public:
  DirTreeCommands(DirTreeView& tree, DirTreeLister& lister, DirTreeLabelEditor& labels,
                  DirTreeSettingsFile& settingsFile, const DirTreeServices& services, QObject* parent);

  void HandleKey(TreeKey key);
  void RunCommand(DirTreeCommand command);

 signals:
  // "重建目录树": the tree built afresh, the selection kept.
  void rebuildRequested();

 private:
  QTreeWidgetItem* Selected() const;
  std::optional<SelectedNode> SelectedKinds() const;
  void OpenNode();
  void ShowNode();
  void StartRename();
  void NewFolder();
  void DeleteFolder();
  void RemoveVirtualFolder();
  void AddToVirtualFolders();
  void ClearChildren();
  void CheckChildren();
  void CopyFromNode(bool path);
  void ShowAbout();
  void SaveConfigNow();
  bool IsDriveRoot(const std::string& path) const;
  // Selects a node just made and opens its label editor.
  void EditNewNode(QTreeWidgetItem* made);

  DirTreeView& tree_;
  DirTreeLister& lister_;
  DirTreeLabelEditor& labels_;
  DirTreeSettingsFile& settingsFile_;
  TreeSettings& settings_;
  const DirTreeServices& services_;
};

}  // namespace ec
