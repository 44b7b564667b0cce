#pragma once
// Finding the node of a folder: LocatePath's choice of a node to start from
// and its walk down from there, listing folders on the way.

#include <optional>
#include <string>
#include <vector>

#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"

class QTreeWidgetItem;

namespace ec {

class DirTreeLister;
class DirTreeView;

class DirTreeLocator {
 public:
  DirTreeLocator(DirTreeView& tree, DirTreeLister& lister, const TreeSettings& settings,
                 const DirTreeServices& services);

  // Expands the tree down to `target` and selects it; false when no node
  // could be reached, the selection then unchanged.
  bool LocatePath(const std::string& target);

 private:
  struct Descent {
    QTreeWidgetItem* anchor = nullptr;
    std::vector<std::string> elements;  // still to walk down, in order
  };

  QTreeWidgetItem* Reach(const std::string& target);
  std::optional<Descent> ChooseAnchor(const std::string& target, QTreeWidgetItem* selected);
  std::optional<Descent> AncestorAnchor(const std::string& target, QTreeWidgetItem* selected);
  std::optional<Descent> RootAnchor(const std::string& target);
  std::optional<Descent> DriveAnchor(const std::string& target);
  QTreeWidgetItem* Descend(const Descent& descent);
  QTreeWidgetItem* ChildNamed(QTreeWidgetItem* node, const std::string& name) const;

  DirTreeView& tree_;
  DirTreeLister& lister_;
  const TreeSettings& settings_;
  const DirTreeServices& services_;
};

}  // namespace ec
