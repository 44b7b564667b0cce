#pragma once
// The panel's tree control: hands function keys and label edits to the
// panel, which decides what they do.

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace ec {

class DirTreePanel;

class DirTreeView : public QTreeWidget {
  Q_OBJECT

 public:
  DirTreeView(DirTreePanel& panel, QWidget* parent);

  QPersistentModelIndex PersistentIndex(QTreeWidgetItem* item) const { return indexFromItem(item); }
  QTreeWidgetItem* ItemAt(const QPersistentModelIndex& index) const {
    return index.isValid() ? itemFromIndex(index) : nullptr;
  }
  DirTreePanel& Panel() const { return panel_; }
  bool IsEditing() const { return state() == QAbstractItemView::EditingState; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  DirTreePanel& panel_;
  QPersistentModelIndex editing_;
};

// Passes the edited text to the panel, which accepts it or keeps the old one.
class LabelEditDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit LabelEditDelegate(DirTreeView& view) : QStyledItemDelegate(&view), view_(view) {}
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 private:
  DirTreeView& view_;
};

}  // namespace ec
