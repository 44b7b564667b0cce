#pragma once
// Index-based access to a QTreeWidget, shared by every tree of the viewer.
//
// Items are addressed by their index: the 0-based position in a depth-first
// walk of the whole tree (roots in order, each item followed by all of its
// descendants), collapsed branches included. The helper keeps a table from
// index to item; it notices every change of the tree's rows, whoever made it,
// and rebuilds the table with one walk when it is next needed, so an index
// never reaches an item that has been deleted.
//
// Each item carries its image index (the node kind in the module trees) and
// a 32-bit value of its owner's choosing in the item data roles below.

#include <QIcon>
#include <QMetaObject>
#include <QPointer>
#include <QTreeWidget>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ec {

// Data roles of column 0 that hold what an item was inserted with (all int).
inline constexpr int kImageRole = Qt::UserRole + 1;
inline constexpr int kSelectedImageRole = Qt::UserRole + 2;
inline constexpr int kItemDataRole = Qt::UserRole + 3;

// Where a batch goes relative to its parent; any other code counts as last.
inline constexpr int kInsertAsRoot = 1;
inline constexpr int kInsertFirst = 2;
inline constexpr int kInsertLast = 3;
inline constexpr int kInsertSorted = 4;

// One item to insert. `text` is UTF-8.
struct MatchItem {
  std::string text;
  int image = 0;
  int selectedImage = 0;
  int itemData = 0;
};

class TreeViewHelper {
 public:
  TreeViewHelper() = default;
  ~TreeViewHelper();
  TreeViewHelper(const TreeViewHelper&) = delete;
  TreeViewHelper& operator=(const TreeViewHelper&) = delete;

  // Binds to `widget` when it is a QTreeWidget; anything else answers false
  // and leaves the helper unbound. Binding again replaces the bound tree.
  bool Bind(QWidget* widget);
  bool IsBound() const { return !tree_.isNull(); }
  QTreeWidget* Tree() const { return tree_.data(); }

  // Icons by image index; items whose image has no icon show none.
  void SetImageList(std::vector<QIcon> icons);
  const std::vector<QIcon>& ImageList() const { return icons_; }

  // Inserts `items` in list order under the item at `parentIndex` (at the
  // top level when the index is outside the table). Redrawing is suspended
  // for the batch. Answers 0, or -1 when there is no list (or no tree).
  int BatchInsert(int parentIndex, const std::vector<MatchItem>* items, int positionCode = kInsertLast);
  // Inserts one item and answers its index (-1 when unbound). Finding the
  // index walks the tree, so many items belong in one BatchInsert instead.
  int InsertOne(int parentIndex, const MatchItem& item, int positionCode = kInsertLast);
  // Appends one item below `parent` (at the top level for nullptr) without
  // walking the tree, for callers that hold the parent item already.
  QTreeWidgetItem* AppendChild(QTreeWidgetItem* parent, const MatchItem& item);
  // BatchInsert at the end of `parent`'s children, for a caller that holds
  // the parent item: no walk of the tree, however big it has grown.
  void BatchAppend(QTreeWidgetItem* parent, const std::vector<MatchItem>& items);

  int Count();
  QTreeWidgetItem* Item(int index);
  int IndexOf(const QTreeWidgetItem* item);
  // The index of the tree's current item, -1 when there is none.
  int CurrentIndex();

  // Reads answer "" / -1 / 0 for an index outside the table.
  std::string Text(int index);
  bool SetText(int index, const std::string& text);
  int Image(int index);
  int SelectedImage(int index);
  int ItemData(int index);
  int Depth(int index);   // 1 for a root, 0 outside the table
  int Parent(int index);  // -1 for a root

  bool Expand(int index);
  // Expands the item's ancestors and scrolls the item into view.
  bool EnsureVisible(int index);
  // Makes the item current (and selected), expanding its ancestors and
  // scrolling to it.
  bool Select(int index);
  // Deletes the item with all its descendants.
  bool Delete(int index);
  void Clear();

  // The item under the mouse is highlighted.
  void EnableHotTracking();
  // Every item, present and future, gets a check box.
  void EnableCheckBoxes();
  bool IsChecked(int index);
  bool SetChecked(int index, bool checked);

 private:
  void Unbind();
  void WatchModel();
  void MarkStale() { stale_ = true; }
  void EnsureTable();
  QTreeWidgetItem* MakeItem(const MatchItem& item) const;
  QIcon IconFor(int image, int selectedImage) const;
  void InsertItems(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& made, int positionCode);
  void InsertSorted(QTreeWidgetItem* parent, QTreeWidgetItem* item);

  QPointer<QTreeWidget> tree_;
  std::vector<QMetaObject::Connection> connections_;
  std::vector<QTreeWidgetItem*> table_;
  std::vector<QIcon> icons_;
  // Icons that show another image while selected, made once per pair: a
  // folder listing would otherwise build one per item.
  mutable std::map<std::pair<int, int>, QIcon> pairIcons_;
  bool stale_ = true;
  bool checkBoxes_ = false;
};

}  // namespace ec
