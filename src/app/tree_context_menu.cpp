#include "app/tree_context_menu.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

#include "app/selection_presenter.h"
#include "render/resource_kind.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

bool IsResource(const CurrentSelection& s) {
  return s.kind == kKindConstants && !s.wholeCategory && s.constant.value.kind == ConstantValue::Kind::Bytes;
}

}  // namespace

TreeContextMenu::TreeContextMenu(SelectionPresenter& presenter, QTreeWidget* tree, QObject* parent)
    : QObject(parent),
      presenter_(presenter),
      tree_(tree),
      copySign_(new QLabel(tree->viewport())),
      copySignTimer_(new QTimer(this)) {
  // Replacing the clipboard unasked is harmless only when the user sees it.
  copySign_->setStyleSheet(
      QStringLiteral("QLabel { background: #fffbe6; color: #5c4400; border: 1px solid #d9c27a; padding: 1px 4px; }"));
  copySign_->hide();
  copySignTimer_->setSingleShot(true);
  connect(copySignTimer_, &QTimer::timeout, copySign_, &QWidget::hide);
}

TreeContextMenu::~TreeContextMenu() { delete menu_.data(); }

void TreeContextMenu::OnRequested(const QPoint& viewportPos) {
  presenter_.CopySelectedNodeText();
  ShowCopySign(viewportPos);
  BuildMenu()->popup(tree_->viewport()->mapToGlobal(viewportPos));
}

// Above the click, where the menu that opens below it leaves it visible.
void TreeContextMenu::ShowCopySign(const QPoint& viewportPos) {
  const QString text = QGuiApplication::clipboard()->text();
  if (text.isEmpty()) return;
  const QString shown = copySign_->fontMetrics().elidedText(text, Qt::ElideMiddle, 240);
  copySign_->setText(QStringLiteral("已复制：") + shown);
  copySign_->adjustSize();
  const int x = std::clamp(viewportPos.x(), 0, std::max(0, tree_->viewport()->width() - copySign_->width()));
  copySign_->move(x, std::max(0, viewportPos.y() - copySign_->height() - 4));
  copySign_->show();
  copySign_->raise();
  copySignTimer_->start(copySignMilliseconds_);
}

QMenu* TreeContextMenu::Menu() const { return menu_.data(); }

QMenu* TreeContextMenu::BuildMenu() {
  // The old menu may be the one whose action is running right now.
  if (menu_) menu_->deleteLater();
  menu_ = new QMenu(tree_);
  if (IsResource(presenter_.Selection())) {
    connect(menu_->addAction(QStringLiteral("保存为文件…")), &QAction::triggered, this,
            &TreeContextMenu::SaveResourceWithDialog);
    menu_->addSeparator();
  }
  if (const auto target = presenter_.SelectedTypeDeclaration()) {
    connect(menu_->addAction(QStringLiteral("使用处")), &QAction::triggered, this,
            [this, target = *target] { emit UsesRequested(target); });
    menu_->addSeparator();
  }
  connect(menu_->addAction(QStringLiteral("与其他模块比较…")), &QAction::triggered, this,
          &TreeContextMenu::CompareRequested);
  return menu_.data();
}

void TreeContextMenu::SaveResourceWithDialog() {
  const Constant& constant = presenter_.Selection().constant;
  const QString suggested =
      QString::fromStdString(constant.name + std::string(ResourceFileExtension(constant.value.bytes)));
  const QString path = chooseSavePath_
                           ? chooseSavePath_(suggested)
                           : QFileDialog::getSaveFileName(tree_->window(), QStringLiteral("保存为文件"), suggested);
  if (path.isEmpty()) return;
  if (!SaveResourceTo(path.toStdString())) {
    QMessageBox::warning(tree_->window(), QStringLiteral("信息："), QStringLiteral("无法写入文件：") + path);
  }
}

bool TreeContextMenu::SaveResourceTo(const std::string& path) const {
  const CurrentSelection& selection = presenter_.Selection();
  return IsResource(selection) && WriteFileBytes(PathFromUtf8(path), selection.constant.value.bytes);
}

}  // namespace ec
