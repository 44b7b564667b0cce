#include "app/tree_context_menu.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTreeWidget>

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
    : QObject(parent), presenter_(presenter), tree_(tree) {}

TreeContextMenu::~TreeContextMenu() { delete menu_.data(); }

void TreeContextMenu::OnRequested(const QPoint& viewportPos) {
  presenter_.CopySelectedNodeText();
  BuildMenu()->popup(tree_->viewport()->mapToGlobal(viewportPos));
}

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
  const QString path = QFileDialog::getSaveFileName(tree_->window(), QStringLiteral("保存为文件"), suggested);
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
