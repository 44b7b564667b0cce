#include "app/selection_presenter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTreeWidget>

#include "app/module_loader.h"
#include "app/resource_picture.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "render/type_link_schemes.h"

namespace ec {

void PutOnClipboard(const std::string& text) { PutOnClipboard(QString::fromStdString(text)); }

void PutOnClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard); }

void PutHtmlOnClipboard(const std::string& html) { PutHtmlOnClipboard(QString::fromStdString(html)); }

void PutHtmlOnClipboard(const QString& html) {
  auto* data = new QMimeData;
  data->setText(html);
  data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

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
    return;
  }
  auto page = Render(Rendering::ItemPage);
  if (!page) return;
  const QImage picture = SelectedResourcePicture();
  if (!picture.isNull()) *page += ResourcePicturePage(picture, selection_.constant.value.bytes.size());
  if (selection_.kind == kKindConstants && !selection_.wholeCategory) *page += ResourceSoundPage(selection_.constant);
  loader_.writePage(*page, picture);
}

std::optional<DeclarationLink> SelectionPresenter::SelectedTypeDeclaration() const {
  if (selection_.loadNumber != loader_.LoadNumber()) return std::nullopt;
  const int itemData = tree_.ItemData(tree_.CurrentIndex());
  if (selection_.kind == kKindClass && selection_.classIndex >= 1)
    return DeclarationLink{DeclarationKind::Class, {0, static_cast<size_t>(selection_.classIndex - 1)}};
  if (selection_.kind == kKindDataTypes && !selection_.wholeCategory && itemData >= 1)
    return DeclarationLink{DeclarationKind::DataType, {0, static_cast<size_t>(itemData - 1)}};
  return std::nullopt;
}

QImage SelectionPresenter::SelectedResourcePicture() const {
  if (selection_.kind != kKindConstants || selection_.wholeCategory) return {};
  return ResourcePicture(selection_.constant);
}

std::optional<std::string> SelectionPresenter::Render(Rendering rendering) const {
  // The page's type names link to their declarations; the copies stay plain.
  if (rendering != Rendering::ItemPage)
    return RenderSelection(selection_, loader_.Model(), rendering, loader_.LoadNumber());
  const PageTypeLinks links(loader_.Model());
  return RenderSelection(selection_, loader_.Model(), rendering, loader_.LoadNumber(), &links);
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
