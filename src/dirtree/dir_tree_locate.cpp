// LocatePath: choose the node to start from (the selection, the desktop or
// documents root, or a drive), then walk down the remaining path elements,
// listing folders on the way and adding the ones the listing leaves out
// (hidden folders).
#include <QTreeWidget>

#include "dirtree/core/drive_text.h"
#include "dirtree/core/folder_path.h"
#include "dirtree/dir_tree_panel.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"
#include "platform/shell_commands.h"

namespace ec {
namespace {

int DepthOf(const QTreeWidgetItem* node) {
  int depth = 0;
  for (; node != nullptr; node = node->parent()) ++depth;
  return depth;
}

}  // namespace

struct DirTreePanel::Descent {
  QTreeWidgetItem* anchor = nullptr;
  std::vector<std::string> elements;  // still to walk down, in order
};

bool DirTreePanel::LocatePath(const std::string& path) {
  const std::string target = StripTrailingSeparators(path);
  QTreeWidgetItem* selected = tree_->currentItem();
  QTreeWidgetItem* reached = nullptr;
  if (target.empty()) {
    reached = nullptr;
  } else if (selected != nullptr && SamePath(NodePath(selected), target)) {
    reached = selected;
  } else if (const auto descent = ChooseAnchor(target, selected)) {
    reached = Descend(*descent);
  }
  Trim();
  if (reached == nullptr) return false;
  tree_->setCurrentItem(reached);
  tree_->scrollToItem(reached);
  return true;
}

std::optional<DirTreePanel::Descent> DirTreePanel::ChooseAnchor(const std::string& target, QTreeWidgetItem* selected) {
  if (selected != nullptr) {
    const std::string selectedPath = NodePath(selected);
    const DirTreeNodeKind kind = KindOf(selected);
    // The target is a folder above the selection: one of its ancestors, or
    // nothing when the walk reaches the roots.
    if (kind != DirTreeNodeKind::kDesktop && kind != DirTreeNodeKind::kDocuments &&
        ElementsBelow(selectedPath, target)) {
      for (QTreeWidgetItem* node = selected->parent(); node != nullptr; node = node->parent()) {
        if (SamePath(NodePath(node), target)) return Descent{node, {}};
      }
      return std::nullopt;
    }
    // A sibling of the selection.
    if (DepthOf(selected) >= 3 && SamePath(NodePath(selected->parent()), FolderPart(target))) {
      return Descent{selected->parent(), {LastComponent(target)}};
    }
  }
  if (auto below = ElementsBelow(target, desktopFolder_)) {
    return Descent{RootOfKind(DirTreeNodeKind::kDesktop), std::move(*below)};
  }
  if (!settings_.hidden[HiddenNode::kDocuments]) {
    if (auto below = ElementsBelow(target, personalFolder_)) {
      return Descent{RootOfKind(DirTreeNodeKind::kDocuments), std::move(*below)};
    }
  }
  if (selected != nullptr) {
    if (auto below = ElementsBelow(target, NodePath(selected))) return Descent{selected, std::move(*below)};
  }
  return DriveAnchor(target);
}

// The drive that holds the target (on Linux the deepest mount point above it)
// and its node under "我的电脑"; nothing when either is missing, for example a
// drive that appeared after the tree was built.
std::optional<DirTreePanel::Descent> DirTreePanel::DriveAnchor(const std::string& target) {
  std::string drive;
  std::vector<std::string> elements;
  for (const Drive& candidate : services_.drives->Drives()) {
    auto below = ElementsBelow(target, candidate.name);
    if (below && candidate.name.size() > drive.size()) {
      drive = candidate.name;
      elements = std::move(*below);
    }
  }
  QTreeWidgetItem* computer = RootOfKind(DirTreeNodeKind::kComputer);
  if (drive.empty() || computer == nullptr || !services_.folders->Exists(drive)) return std::nullopt;
  for (int i = computer->childCount() - 1; i >= 0; --i) {
    QTreeWidgetItem* node = computer->child(i);
    if (IsDriveKind(KindOf(node)) && SamePath(DriveNameOfText(node->text(0).toStdString()), drive)) {
      return Descent{node, std::move(elements)};
    }
  }
  return std::nullopt;
}

// Stops with a beep at the deepest folder that exists.
QTreeWidgetItem* DirTreePanel::Descend(const Descent& descent) {
  QTreeWidgetItem* node = descent.anchor;
  if (node == nullptr) return nullptr;
  std::string path = NodePath(node);
  for (const std::string& element : descent.elements) {
    path = JoinPath(path, element);
    if (!services_.folders->Exists(path)) {
      services_.shell->Beep();
      break;
    }
    if (HasPlaceholder(node)) {
      delete node->child(0);
      ListSubfolders(node);
    }
    QTreeWidgetItem* child = ChildNamed(node, element);
    if (child == nullptr) {
      child = AddNode(node, {element, static_cast<int>(DirTreeNodeKind::kFolder), kFolderSelectedImage, 0},
                      HasSubfolders(path));
    }
    node = child;
  }
  return node;
}

QTreeWidgetItem* DirTreePanel::ChildNamed(QTreeWidgetItem* node, const std::string& name) const {
  for (int i = 0; i < node->childCount(); ++i) {
    QTreeWidgetItem* child = node->child(i);
    if (!IsPlaceholder(child) && SamePath(child->text(0).toStdString(), name)) return child;
  }
  return nullptr;
}

}  // namespace ec
