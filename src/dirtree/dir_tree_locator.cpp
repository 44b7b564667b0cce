// LocatePath: choose the node to start from (the selection, the desktop or
// documents root, or a drive), then walk down the remaining path elements,
// listing folders on the way and adding the ones the listing leaves out
// (hidden folders).
#include "dirtree/dir_tree_locator.h"

#include <QTreeWidget>

#include "dirtree/core/drive_text.h"
#include "dirtree/core/folder_path.h"
#include "dirtree/dir_tree_lister.h"
#include "dirtree/dir_tree_nodes.h"
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

DirTreeLocator::DirTreeLocator(DirTreeView& tree, DirTreeLister& lister, const TreeSettings& settings,
                               const DirTreeServices& services)
    : tree_(tree), lister_(lister), settings_(settings), services_(services) {}

bool DirTreeLocator::LocatePath(const std::string& path) {
  QTreeWidgetItem* reached = Reach(StripTrailingSeparators(path));
  lister_.Trim();
  if (reached == nullptr) return false;
  tree_.setCurrentItem(reached);
  tree_.scrollToItem(reached);
  return true;
}

QTreeWidgetItem* DirTreeLocator::Reach(const std::string& target) {
  if (target.empty()) return nullptr;
  QTreeWidgetItem* selected = tree_.currentItem();
  if (selected != nullptr && SamePath(lister_.NodePath(selected), target)) return selected;
  const auto descent = ChooseAnchor(target, selected);
  return descent ? Descend(*descent) : nullptr;
}

// Near the selection first, then below the desktop or documents roots, then
// below the selection, and last on a drive.
std::optional<DirTreeLocator::Descent> DirTreeLocator::ChooseAnchor(const std::string& target,
                                                                    QTreeWidgetItem* selected) {
  if (selected != nullptr) {
    const std::string selectedPath = lister_.NodePath(selected);
    const DirTreeNodeKind kind = KindOf(selected);
    // The target is a folder above the selection: one of its ancestors, or
    // nothing when the walk reaches the roots.
    if (kind != DirTreeNodeKind::kDesktop && kind != DirTreeNodeKind::kDocuments &&
        ElementsBelow(selectedPath, target)) {
      return AncestorAnchor(target, selected);
    }
    // A sibling of the selection.
    if (DepthOf(selected) >= 3 && SamePath(lister_.NodePath(selected->parent()), FolderPart(target))) {
      return Descent{selected->parent(), {LastComponent(target)}};
    }
  }
  if (auto root = RootAnchor(target)) return root;
  if (selected != nullptr) {
    if (auto below = ElementsBelow(target, lister_.NodePath(selected))) return Descent{selected, std::move(*below)};
  }
  return DriveAnchor(target);
}

std::optional<DirTreeLocator::Descent> DirTreeLocator::AncestorAnchor(const std::string& target,
                                                                      QTreeWidgetItem* selected) {
  for (QTreeWidgetItem* node = selected->parent(); node != nullptr; node = node->parent()) {
    if (SamePath(lister_.NodePath(node), target)) return Descent{node, {}};
  }
  return std::nullopt;
}

std::optional<DirTreeLocator::Descent> DirTreeLocator::RootAnchor(const std::string& target) {
  if (auto below = ElementsBelow(target, lister_.DesktopFolder())) {
    return Descent{lister_.RootOfKind(DirTreeNodeKind::kDesktop), std::move(*below)};
  }
  if (settings_.hidden[HiddenNode::kDocuments]) return std::nullopt;
  if (auto below = ElementsBelow(target, lister_.PersonalFolder())) {
    return Descent{lister_.RootOfKind(DirTreeNodeKind::kDocuments), std::move(*below)};
  }
  return std::nullopt;
}

// The drive that holds the target (on Linux the deepest mount point above it)
// and its node under "我的电脑"; nothing when either is missing, for example a
// drive that appeared after the tree was built.
std::optional<DirTreeLocator::Descent> DirTreeLocator::DriveAnchor(const std::string& target) {
  std::string drive;
  std::vector<std::string> elements;
  for (const Drive& candidate : services_.drives->Drives()) {
    auto below = ElementsBelow(target, candidate.name);
    if (below && candidate.name.size() > drive.size()) {
      drive = candidate.name;
      elements = std::move(*below);
    }
  }
  QTreeWidgetItem* computer = lister_.RootOfKind(DirTreeNodeKind::kComputer);
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
QTreeWidgetItem* DirTreeLocator::Descend(const Descent& descent) {
  QTreeWidgetItem* node = descent.anchor;
  if (node == nullptr) return nullptr;
  std::string path = lister_.NodePath(node);
  for (const std::string& element : descent.elements) {
    path = JoinPath(path, element);
    if (!services_.folders->Exists(path)) {
      services_.shell->Beep();
      break;
    }
    if (HasPlaceholder(node)) {
      delete node->child(0);
      lister_.ListSubfolders(node);
    }
    QTreeWidgetItem* child = ChildNamed(node, element);
    if (child == nullptr) {
      child = lister_.AddNode(node, FolderItem(element), lister_.HasSubfolders(path));
    }
    node = child;
  }
  return node;
}

QTreeWidgetItem* DirTreeLocator::ChildNamed(QTreeWidgetItem* node, const std::string& name) const {
  for (int i = 0; i < node->childCount(); ++i) {
    QTreeWidgetItem* child = node->child(i);
    if (!IsPlaceholder(child) && SamePath(child->text(0).toStdString(), name)) return child;
  }
  return nullptr;
}

}  // namespace ec
