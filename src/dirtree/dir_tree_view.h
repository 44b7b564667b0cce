#pragma once
// The panel's tree control: reports function keys and hands label edits to
// the label editor, which decides what they do.

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

#include "dirtree/core/dir_tree_rules.h"

namespace ec {

class DirTreeLabelEditor;

class DirTreeView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit DirTreeView(QWidget* parent);

  // Label edits go to `editor`; without one every edit is refused.
  void SetLabelEditor(DirTreeLabelEditor* editor) { editor_ = editor; }
  DirTreeLabelEditor* LabelEditor() const { return editor_; }

  QPersistentModelIndex PersistentIndex(QTreeWidgetItem* item) const { return indexFromItem(item); }
  QTreeWidgetItem* ItemAt(const QPersistentModelIndex& index) const {
    return index.isValid() ? itemFromIndex(index) : nullptr;
  }
  bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
  // Runs `step` on the window's thread after the current event; a node
  // deleted in between is skipped.
  void Defer(QTreeWidgetItem* node, std::function<void(QTreeWidgetItem*)> step);

 signals:
  // F1 to F12, Insert and Delete without modifiers.
  void functionKeyPressed(TreeKey key);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  DirTreeLabelEditor* editor_ = nullptr;
  QPersistentModelIndex editing_;
};

// Passes the edited text to the label editor, which accepts it or keeps the
// old one.
class LabelEditDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit LabelEditDelegate(DirTreeView& view) : QStyledItemDelegate(&view), view_(view) {}
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 private:
  DirTreeView& view_;
};

}  // namespace ec
