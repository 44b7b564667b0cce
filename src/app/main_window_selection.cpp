// The selected tree node: its item page, the copy buttons and finding nodes.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/main_window.h"
#include "app/page_view.h"
#include "app/tree_finder.h"
#include "app/wait_processing_messages.h"

namespace ec {
namespace {

void PutOnClipboard(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

}  // namespace

void MainWindow::OnTreeSelectionChanged() {
  treeWidget_->setFocus();
  const int index = tree_.CurrentIndex();
  if (index < 0) return;
  TreeNodeInfo node;
  node.kind = tree_.Image(index);
  node.itemData = tree_.ItemData(index);
  node.parentItemData = tree_.ItemData(tree_.Parent(index));
  node.depth = tree_.Depth(index);
  if (node.kind == kKindModule) {
    selection_.kind = kKindModule;
    writePage(summaryPage_);
    return;
  }
  if (!SelectNode(selection_, mainModel_, node, loadNumber_)) return;
  if (auto page = RenderSelection(selection_, mainModel_, Rendering::ItemPage, loadNumber_)) writePage(*page);
}

void MainWindow::CopyAsText() { RunCopy(copyTextButton_, Rendering::PlainCode, QStringLiteral("复制代码(TXT)")); }

void MainWindow::CopyAsHtml() { RunCopy(copyHtmlButton_, Rendering::HtmlCode, QStringLiteral("复制代码(HTML)")); }

void MainWindow::CopyAsIdeHtml() {
  RunCopy(copyIdeButton_, Rendering::Tables, QStringLiteral("复制代码(HTML·IDE)"));
}

void MainWindow::RunCopy(QPushButton* button, Rendering rendering, const QString& caption) {
  button->setText(QStringLiteral("复制中"));
  ProcessPendingEvents();
  // The module node, the subroutine category and a selection left over from
  // an earlier module render nothing: the clipboard keeps what it had.
  if (auto text = RenderSelection(selection_, mainModel_, rendering, loadNumber_)) PutOnClipboard(*text);
  button->setText(QStringLiteral("已复制"));
  WaitProcessingMessages(feedbackMilliseconds_);
  button->setText(caption);
}

void MainWindow::CopySelectedNodeText() {
  const int index = tree_.CurrentIndex();
  if (index >= 0) PutOnClipboard(tree_.Text(index));
}

void MainWindow::FindNext() { RunFind(true); }

void MainWindow::FindPrevious() { RunFind(false); }

void MainWindow::RunFind(bool forward) {
  TreeFindBar bar;
  bar.findBox = findBox_;
  bar.modeBox = modeBox_;
  bar.nextButton = nextButton_;
  bar.previousButton = previousButton_;
  bar.notFoundMilliseconds = feedbackMilliseconds_;
  RunTreeFind(bar, tree_, forward);
}

}  // namespace ec
