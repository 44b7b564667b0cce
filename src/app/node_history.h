#pragma once
// Back and forward in the declaration tree: Alt+Left / Alt+Right, the mouse's
// back and forward buttons over the tree or the page, and the two small
// buttons at the end of the find box. The history belongs to the module
// shown; reading it again keeps what still exists, another module starts anew.

#include <QObject>

#include <string>

#include "navigate/navigation_history.h"

class QToolButton;
class QWidget;

namespace ec {

class ModuleLoader;
class TreeViewHelper;

class NodeHistory : public QObject {
  Q_OBJECT

 public:
  NodeHistory(TreeViewHelper& tree, ModuleLoader& loader, QToolButton* back, QToolButton* forward,
              QObject* parent = nullptr);

  // The tree's current node changed: by the user unless a load or this
  // history moved it.
  void OnSelectionChanged();
  void OnModuleShown();
  void GoBack();
  void GoForward();
  // The mouse's back and forward buttons over `widget` go back and forward.
  void WatchMouseButtons(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Go(bool forward);
  void UpdateButtons();

  TreeViewHelper& tree_;
  ModuleLoader& loader_;
  QToolButton* back_;
  QToolButton* forward_;
  NavigationHistory history_;
  std::string modulePath_;
  bool moving_ = false;
};

}  // namespace ec
