#include "dirtree/dir_tree_view.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <optional>

#include "dirtree/dir_tree_panel.h"

namespace ec {
namespace {

std::optional<TreeKey> KeyOf(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    return static_cast<TreeKey>(static_cast<int>(TreeKey::kF1) + (key - Qt::Key_F1));
  }
  if (key == Qt::Key_Insert) return TreeKey::kInsert;
  if (key == Qt::Key_Delete) return TreeKey::kDelete;
  return std::nullopt;
}

}  // namespace

DirTreeView::DirTreeView(DirTreePanel& panel, QWidget* parent) : QTreeWidget(parent), panel_(panel) {
  setItemDelegate(new LabelEditDelegate(*this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // F2 is the panel's key
}

void DirTreeView::keyPressEvent(QKeyEvent* event) {
  const auto key = KeyOf(event->key());
  if (!key || event->modifiers() != Qt::NoModifier) {
    QTreeWidget::keyPressEvent(event);
    return;
  }
  panel_.HandleKey(*key);
  event->accept();
}

// Qt asks on every click and key whether to edit; only the panel's own
// requests (editItem, with every trigger) are label edits.
bool DirTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger != QAbstractItemView::AllEditTriggers) return QTreeWidget::edit(index, trigger, event);
  QTreeWidgetItem* item = itemFromIndex(index);
  if (item == nullptr || !panel_.AllowLabelEdit(item)) return false;
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  const bool started = QTreeWidget::edit(index, trigger, event);
  if (started) editing_ = index;
  return started;
}

void DirTreeView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const QPersistentModelIndex edited = editing_;
  editing_ = QPersistentModelIndex();
  QTreeWidget::closeEditor(editor, hint);
  if (hint == QAbstractItemDelegate::RevertModelCache) {
    if (QTreeWidgetItem* item = ItemAt(edited)) panel_.CancelLabelEdit(item);
  }
}

void LabelEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* line = qobject_cast<QLineEdit*>(editor);
  QTreeWidgetItem* item = view_.ItemAt(index);
  if (line == nullptr || item == nullptr) return;
  const QString text = line->text();
  if (view_.Panel().FinishLabelEdit(item, text.toStdString())) model->setData(index, text, Qt::EditRole);
}

}  // namespace ec
