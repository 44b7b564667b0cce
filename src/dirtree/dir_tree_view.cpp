#include "dirtree/dir_tree_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <optional>

#include "dirtree/dir_tree_label_editor.h"

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

DirTreeView::DirTreeView(QWidget* parent) : QTreeWidget(parent) {
  setItemDelegate(new LabelEditDelegate(*this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // F2 is the panel's key
}

void DirTreeView::keyPressEvent(QKeyEvent* event) {
  const auto key = KeyOf(event->key());
  if (!key || event->modifiers() != Qt::NoModifier) {
    QTreeWidget::keyPressEvent(event);
    return;
  }
  emit functionKeyPressed(*key);
  event->accept();
}

void DirTreeView::Defer(QTreeWidgetItem* node, std::function<void(QTreeWidgetItem*)> step) {
  const QPersistentModelIndex index = PersistentIndex(node);
  QTimer::singleShot(0, this, [this, index, step = std::move(step)] {
    if (QTreeWidgetItem* still = ItemAt(index)) step(still);
  });
}

// Qt asks on every click and key whether to edit; only the panel's own
// requests (editItem, with every trigger) are label edits.
bool DirTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger != QAbstractItemView::AllEditTriggers) return QTreeWidget::edit(index, trigger, event);
  QTreeWidgetItem* item = itemFromIndex(index);
  if (item == nullptr || editor_ == nullptr || !editor_->AllowLabelEdit(item)) return false;
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
    QTreeWidgetItem* item = ItemAt(edited);
    if (item != nullptr && editor_ != nullptr) editor_->CancelLabelEdit(item);
  }
}

void LabelEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* line = qobject_cast<QLineEdit*>(editor);
  QTreeWidgetItem* item = view_.ItemAt(index);
  DirTreeLabelEditor* labels = view_.LabelEditor();
  if (line == nullptr || item == nullptr || labels == nullptr) return;
  const QString text = line->text();
  if (labels->FinishLabelEdit(item, text.toStdString())) model->setData(index, text, Qt::EditRole);
}

}  // namespace ec
