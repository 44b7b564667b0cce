#pragma once
// Back and forward over the pages shown: Alt+Left / Alt+Right, the mouse's
// back and forward buttons over the tree or the page, and the two small
// buttons at the end of the find box. The pages of the nodes selected are
// entries, and so are the pages of their own (a comparison report, the uses
// of a type), each with its scroll position. The history belongs to the
// module shown; reading it again keeps what still exists, another module
// starts anew.

#include <QObject>

#include <string>

#include "navigate/navigation_history.h"

class QToolButton;
class QWidget;

namespace ec {

class ModuleLoader;
class PageView;
class TreeViewHelper;

class NodeHistory : public QObject {
  Q_OBJECT

 public:
  NodeHistory(TreeViewHelper& tree, ModuleLoader& loader, PageView* page, QToolButton* back, QToolButton* forward,
              QObject* parent = nullptr);

  // The tree's current node changed: by the user unless a load or this
  // history moved it.
  void OnSelectionChanged();
  // The page view shows a page of its own, named by `key` (its text is
  // taken from the view), beside the tree's current node.
  void OnOwnPageShown(const QString& key);
  void OnModuleShown();
  void GoBack();
  void GoForward();
  // The mouse's back and forward buttons over `widget` go back and forward.
  void WatchMouseButtons(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Go(bool forward);
  bool Show(const HistoryEntry& entry);
  void OnScrolled();
  void UpdateButtons();

  TreeViewHelper& tree_;
  ModuleLoader& loader_;
  PageView* page_;
  QToolButton* back_;
  QToolButton* forward_;
  NavigationHistory history_;
  std::string modulePath_;
  bool moving_ = false;
};

}  // namespace ec
