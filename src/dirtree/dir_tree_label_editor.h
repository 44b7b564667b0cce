#pragma once
// Renaming nodes in place: which nodes may be renamed and what an accepted
// text does (a folder renamed on disk, a pinned folder's display name, a
// drive's volume label).

#include <string>

#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"

class QTreeWidgetItem;

namespace ec {

class DirTreeLister;
class DirTreeView;

class DirTreeLabelEditor {
 public:
  DirTreeLabelEditor(DirTreeView& tree, DirTreeLister& lister, TreeSettings& settings,
                     const DirTreeServices& services);

  // May an edit start; is the new text accepted; the user cancelled it.
  bool AllowLabelEdit(QTreeWidgetItem* node);
  bool FinishLabelEdit(QTreeWidgetItem* node, const std::string& text);
  void CancelLabelEdit(QTreeWidgetItem* node);

 private:
  bool AllowDriveEdit(QTreeWidgetItem* node);
  bool FinishDriveEdit(QTreeWidgetItem* node, const std::string& text);
  bool FinishFolderRename(QTreeWidgetItem* node, const std::string& text);
  bool FinishVirtualRename(QTreeWidgetItem* node, const std::string& text);
  std::string JoinDriveText(const QTreeWidgetItem* node) const;

  DirTreeView& tree_;
  DirTreeLister& lister_;
  TreeSettings& settings_;
  const DirTreeServices& services_;
  // A drive's label is edited without its " (C:)": the first edit request
  // strips it and asks again.
  bool reEditPending_ = false;
  std::string editedDrive_;
};

}  // namespace ec
