// Renaming in place: folders are renamed on disk, pinned folders get a new
// display name, drives a new volume label. A drive's label is edited without
// its " (C:)": the first request strips it and asks again in a deferred step,
// once the tree has finished with the request.
#include "dirtree/dir_tree_label_editor.h"

#include <QTreeWidget>

#include "dirtree/core/drive_text.h"
#include "dirtree/core/folder_path.h"
#include "dirtree/dir_tree_lister.h"
#include "dirtree/dir_tree_nodes.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"

namespace ec {
namespace {

DriveType TypeOfDrive(const std::vector<Drive>& drives, const std::string& name) {
  for (const Drive& drive : drives) {
    if (drive.name == name) return drive.type;
  }
  return DriveType::kOther;
}

}  // namespace

DirTreeLabelEditor::DirTreeLabelEditor(DirTreeView& tree, DirTreeLister& lister, TreeSettings& settings,
                                       const DirTreeServices& services)
    : tree_(tree), lister_(lister), settings_(settings), services_(services) {}

bool DirTreeLabelEditor::AllowLabelEdit(QTreeWidgetItem* node) {
  const SelectedNode kinds = KindsOf(node);
  if (IsDriveKind(kinds.kind)) return AllowDriveEdit(node);
  return kinds.kind == DirTreeNodeKind::kFolder || kinds.IsVirtualEntry();
}

bool DirTreeLabelEditor::AllowDriveEdit(QTreeWidgetItem* node) {
  if (reEditPending_) return true;
  editedDrive_ = DriveNameOfText(node->text(0).toStdString());
  const std::string label = DriveLabelOfText(node->text(0).toStdString());
  tree_.Defer(node, [this, label](QTreeWidgetItem* drive) {
    drive->setText(0, QString::fromStdString(label));
    reEditPending_ = true;
    tree_.editItem(drive);
  });
  return false;
}

bool DirTreeLabelEditor::FinishLabelEdit(QTreeWidgetItem* node, const std::string& text) {
  const bool driveEdit = reEditPending_;
  reEditPending_ = false;
  const DirTreeNodeKind kind = KindOf(node);
  if (IsDriveKind(kind)) return driveEdit && FinishDriveEdit(node, text);
  if (kind == DirTreeNodeKind::kFolder) return FinishFolderRename(node, text);
  if (kind == DirTreeNodeKind::kEntry) return FinishVirtualRename(node, text);
  return false;
}

// The user gave up: a drive gets its full text back, nothing else changed.
void DirTreeLabelEditor::CancelLabelEdit(QTreeWidgetItem* node) {
  if (!reEditPending_) return;
  reEditPending_ = false;
  if (IsDriveKind(KindOf(node))) node->setText(0, QString::fromStdString(JoinDriveText(node)));
}

std::string DirTreeLabelEditor::JoinDriveText(const QTreeWidgetItem* node) const {
  return node->text(0).toStdString() + " (" + editedDrive_ + ")";
}

// The edit itself is always refused: the node shows the label the drive has.
bool DirTreeLabelEditor::FinishDriveEdit(QTreeWidgetItem* node, const std::string& text) {
  const std::string drive = editedDrive_;
  const std::string label = text.empty() ? std::string(DriveTypeWord(TypeOfDrive(lister_.Drives(), drive))) : text;
  if (services_.drives->SetLabel(drive, label)) {
    tree_.Defer(node, [label, drive](QTreeWidgetItem* done) {
      done->setText(0, QString::fromStdString(label + " (" + drive + ")"));
    });
  } else {
    node->setText(0, QString::fromStdString(JoinDriveText(node)));
  }
  return false;
}

bool DirTreeLabelEditor::FinishFolderRename(QTreeWidgetItem* node, const std::string& text) {
  if (!IsPlainFolderName(text) || text == node->text(0).toStdString()) return false;
  const std::string from = lister_.NodePath(node);
  return services_.folders->RenameFolder(from, JoinPath(lister_.NodePath(node->parent()), text));
}

bool DirTreeLabelEditor::FinishVirtualRename(QTreeWidgetItem* node, const std::string& text) {
  const int position = node->data(0, kItemDataRole).toInt();
  if (node->parent() == nullptr || KindOf(node->parent()) != DirTreeNodeKind::kVirtualFolderRoot || position < 1 ||
      static_cast<size_t>(position) > settings_.virtualFolders.size()) {
    return false;
  }
  VirtualFolder& folder = settings_.virtualFolders[static_cast<size_t>(position - 1)];
  if (!text.empty()) {
    folder.name = text;
    return true;
  }
  folder.name = LastComponent(folder.path);
  const std::string name = folder.name;
  tree_.Defer(node, [name](QTreeWidgetItem* entry) { entry->setText(0, QString::fromStdString(name)); });
  return false;
}

}  // namespace ec
