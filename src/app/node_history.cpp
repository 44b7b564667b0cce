#include "app/node_history.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include <memory>

#include "app/module_loader.h"
#include "app/node_text_path.h"
#include "app/page_view.h"
#include "dirtree/treeview/tree_view_helper.h"

namespace ec {

NodeHistory::NodeHistory(TreeViewHelper& tree, ModuleLoader& loader, PageView* page, QToolButton* back,
                         QToolButton* forward, QObject* parent)
    : QObject(parent), tree_(tree), loader_(loader), page_(page), back_(back), forward_(forward) {
  connect(back_, &QToolButton::clicked, this, &NodeHistory::GoBack);
  connect(forward_, &QToolButton::clicked, this, &NodeHistory::GoForward);
  connect(page_->verticalScrollBar(), &QScrollBar::valueChanged, this, &NodeHistory::OnScrolled);
  UpdateButtons();
}

void NodeHistory::OnSelectionChanged() {
  if (moving_ || loader_.IsLoading()) return;
  const int index = tree_.CurrentIndex();
  if (index < 0) return;
  history_.Visit(NodeTextPath(tree_, index));
  UpdateButtons();
}

void NodeHistory::OnOwnPageShown(const QString& key) {
  if (moving_ || loader_.IsLoading()) return;
  history_.Visit(HistoryEntry{NodeTextPath(tree_, tree_.CurrentIndex()), key.toStdString(),
                              std::make_shared<const std::string>(page_->Page()), 0});
  UpdateButtons();
}

// Only the user's scrolling counts: writing a page scrolls it to its top
// before the history hears of the new page. The place is the view's own, a
// block and a fraction of it, which estimated heights do not move.
void NodeHistory::OnScrolled() {
  if (moving_ || loader_.IsWritingPage()) return;
  history_.SetScroll(page_->ScrollPlace());
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
  while (const auto entry = forward ? history_.Forward() : history_.Back()) {
    if (Show(*entry)) break;  // else gone since: try the next entry
  }
  UpdateButtons();
}

bool NodeHistory::Show(const HistoryEntry& entry) {
  const int index = FindNodeByTextPath(tree_, entry.node);
  if (index < 0) return false;
  moving_ = true;
  tree_.EnsureVisible(index);
  if (tree_.CurrentIndex() != index) {
    tree_.Select(index);
  } else if (entry.page == nullptr) {
    emit loader_.CurrentNodeReselected();  // a page of its own was shown beside it
  }
  if (entry.page != nullptr) loader_.writePage(*entry.page);
  page_->SetScrollPlace(entry.scroll);
  moving_ = false;
  return true;
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
