#pragma once
// A right click on a node of the declaration tree copies the node's text,
// as it always has, and offers the commands that belong to the node (a
// resource constant can be saved as a file, a data type or class shows its
// uses, "使用处") and those of the whole module
// ("与其他模块比较…", on every node).

#include <QObject>
#include <QPointer>

#include <string>

#include "compare/comparison_html.h"

class QMenu;
class QPoint;
class QTreeWidget;

namespace ec {

class SelectionPresenter;

class TreeContextMenu : public QObject {
  Q_OBJECT

 public:
  TreeContextMenu(SelectionPresenter& presenter, QTreeWidget* tree, QObject* parent = nullptr);
  ~TreeContextMenu() override;

  // Runs on a right click at `viewportPos` of the tree (the clicked node is
  // already the current one).
  void OnRequested(const QPoint& viewportPos);
  // The menu of the current node; valid until the next BuildMenu.
  QMenu* BuildMenu();

  // "保存为文件…": asks where, then writes the resource's bytes exactly.
  void SaveResourceWithDialog();
  bool SaveResourceTo(const std::string& path) const;

 signals:
  void CompareRequested();
  void UsesRequested(const DeclarationLink& target);

 private:
  SelectionPresenter& presenter_;
  QTreeWidget* tree_;
  QPointer<QMenu> menu_;
};

}  // namespace ec
