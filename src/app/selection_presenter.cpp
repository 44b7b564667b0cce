#include "app/selection_presenter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTreeWidget>

#include "app/module_loader.h"
#include "app/tree_view_helper.h"

namespace ec {

void PutOnClipboard(const std::string& text) { PutOnClipboard(QString::fromStdString(text)); }

void PutOnClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard); }

SelectionPresenter::SelectionPresenter(TreeViewHelper& tree, QTreeWidget* treeWidget, ModuleLoader& loader,
                                       QObject* parent)
    : QObject(parent), tree_(tree), treeWidget_(treeWidget), loader_(loader) {}

void SelectionPresenter::OnTreeSelectionChanged() {
  treeWidget_->setFocus();
  const int index = tree_.CurrentIndex();
  if (index < 0) return;
  TreeNodeInfo node;
  node.kind = tree_.Image(index);
  node.itemData = tree_.ItemData(index);
  node.parentItemData = tree_.ItemData(tree_.Parent(index));
  node.depth = tree_.Depth(index);
  if (!SelectNode(selection_, loader_.Model(), node, loader_.LoadNumber())) return;
  if (node.kind == kKindModule) {
    loader_.writePage(loader_.SummaryPage());
  } else if (auto page = Render(Rendering::ItemPage)) {
    loader_.writePage(*page);
  }
}

std::optional<std::string> SelectionPresenter::Render(Rendering rendering) const {
  return RenderSelection(selection_, loader_.Model(), rendering, loader_.LoadNumber());
}

bool SelectionPresenter::StandsForWholeModule() const {
  return selection_.kind == kKindModule || selection_.kind == kKindSubroutineCategory;
}

std::function<std::optional<std::string>()> SelectionPresenter::RenderJob(Rendering rendering) const {
  return [selection = selection_, model = loader_.SharedModel(), rendering, load = loader_.LoadNumber()] {
    return RenderSelection(selection, *model, rendering, load);
  };
}

void SelectionPresenter::CopySelectedNodeText() {
  const int index = tree_.CurrentIndex();
  if (index >= 0) PutOnClipboard(tree_.Text(index));
}

}  // namespace ec
