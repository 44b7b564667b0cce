#include "app/node_history.h"

#include <QEvent>
#include <QMouseEvent>
#include <QToolButton>

#include "app/module_loader.h"
#include "app/node_text_path.h"
#include "dirtree/treeview/tree_view_helper.h"

namespace ec {

NodeHistory::NodeHistory(TreeViewHelper& tree, ModuleLoader& loader, QToolButton* back, QToolButton* forward,
                         QObject* parent)
    : QObject(parent), tree_(tree), loader_(loader), back_(back), forward_(forward) {
  connect(back_, &QToolButton::clicked, this, &NodeHistory::GoBack);
  connect(forward_, &QToolButton::clicked, this, &NodeHistory::GoForward);
  UpdateButtons();
}

void NodeHistory::OnSelectionChanged() {
  if (moving_ || loader_.IsLoading()) return;
  const int index = tree_.CurrentIndex();
  if (index < 0) return;
  history_.Visit(NodeTextPath(tree_, index));
  UpdateButtons();
}

void NodeHistory::OnModuleShown() {
  if (loader_.CurrentPath() != modulePath_) {
    history_.Clear();
    modulePath_ = loader_.CurrentPath();
  } else {
    history_.Retain([this](const NavigationHistory::NodePath& path) { return FindNodeByTextPath(tree_, path) >= 0; });
  }
  OnSelectionChanged();
}

void NodeHistory::GoBack() { Go(false); }
void NodeHistory::GoForward() { Go(true); }

void NodeHistory::Go(bool forward) {
  if (loader_.IsLoading()) return;
  while (const auto path = forward ? history_.Forward() : history_.Back()) {
    const int index = FindNodeByTextPath(tree_, *path);
    if (index < 0) continue;  // gone since: try the next entry
    moving_ = true;
    tree_.EnsureVisible(index);
    tree_.Select(index);
    moving_ = false;
    break;
  }
  UpdateButtons();
}

void NodeHistory::UpdateButtons() {
  back_->setEnabled(history_.CanGoBack());
  forward_->setEnabled(history_.CanGoForward());
}

void NodeHistory::WatchMouseButtons(QWidget* widget) { widget->installEventFilter(this); }

bool NodeHistory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::BackButton || button == Qt::ForwardButton) {
      Go(button == Qt::ForwardButton);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ec
