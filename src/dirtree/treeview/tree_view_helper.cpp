#include "dirtree/treeview/tree_view_helper.h"

#include <QAbstractItemModel>
#include <QString>

#include <algorithm>
#include <utility>

namespace ec {

namespace {

constexpr char kHotTrackingRule[] = "QTreeView::item:hover { color: #1a5fb4; text-decoration: underline; }";

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

int IntRole(const QTreeWidgetItem* item, int role) { return item->data(0, role).toInt(); }

}  // namespace

TreeViewHelper::~TreeViewHelper() { Unbind(); }

bool TreeViewHelper::Bind(QWidget* widget) {
  Unbind();
  auto* tree = qobject_cast<QTreeWidget*>(widget);
  if (tree == nullptr) return false;
  tree_ = tree;
  WatchModel();
  EnsureTable();
  return true;
}

void TreeViewHelper::Unbind() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
  connections_.clear();
  tree_.clear();
  table_.clear();
  stale_ = true;
  checkBoxes_ = false;
}

// Any change of rows, made by this helper or behind its back, outdates the
// table; it is rebuilt when an index is next used.
void TreeViewHelper::WatchModel() {
  QAbstractItemModel* model = tree_->model();
  auto stale = [this] { MarkStale(); };
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsRemoved, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsInserted, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsMoved, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::modelReset, model, stale));
  connections_.push_back(QObject::connect(model, &QAbstractItemModel::layoutChanged, model, stale));
}

// One depth-first walk with an explicit stack, so a deep tree cannot
// exhaust the call stack.
void TreeViewHelper::EnsureTable() {
  if (tree_.isNull()) {
    table_.clear();
    return;
  }
  if (!stale_) return;
  table_.clear();
  std::vector<std::pair<QTreeWidgetItem*, int>> stack;  // item, next child to visit
  QTreeWidgetItem* root = tree_->invisibleRootItem();
  stack.emplace_back(root, 0);
  while (!stack.empty()) {
    auto& [item, next] = stack.back();
    if (next >= item->childCount()) {
      stack.pop_back();
      continue;
    }
    QTreeWidgetItem* child = item->child(next++);
    table_.push_back(child);
    if (child->childCount() > 0) stack.emplace_back(child, 0);
  }
  stale_ = false;
}

void TreeViewHelper::SetImageList(std::vector<QIcon> icons) {
  icons_ = std::move(icons);
  pairIcons_.clear();
}

QIcon TreeViewHelper::IconFor(int image, int selectedImage) const {
  const auto known = [this](int i) { return i >= 0 && static_cast<size_t>(i) < icons_.size(); };
  if (!known(image)) return {};
  if (selectedImage == image || !known(selectedImage)) return icons_[static_cast<size_t>(image)];
  QIcon& icon = pairIcons_[{image, selectedImage}];
  if (!icon.isNull()) return icon;
  for (const QSize& size : icons_[static_cast<size_t>(image)].availableSizes()) {
    icon.addPixmap(icons_[static_cast<size_t>(image)].pixmap(size), QIcon::Normal);
    icon.addPixmap(icons_[static_cast<size_t>(selectedImage)].pixmap(size), QIcon::Selected);
  }
  return icon;
}

QTreeWidgetItem* TreeViewHelper::MakeItem(const MatchItem& item) const {
  auto* made = new QTreeWidgetItem(QStringList{ToQt(item.text)});
  made->setData(0, kImageRole, item.image);
  made->setData(0, kSelectedImageRole, item.selectedImage);
  made->setData(0, kItemDataRole, item.itemData);
  const QIcon icon = IconFor(item.image, item.selectedImage);
  if (!icon.isNull()) made->setIcon(0, icon);
  if (checkBoxes_) {
    made->setFlags(made->flags() | Qt::ItemIsUserCheckable);
    made->setCheckState(0, Qt::Unchecked);
  }
  return made;
}

int TreeViewHelper::BatchInsert(int parentIndex, const std::vector<MatchItem>* items, int positionCode) {
  if (items == nullptr || tree_.isNull()) return -1;
  if (items->empty()) return 0;
  QTreeWidgetItem* parent = positionCode == kInsertAsRoot ? nullptr : Item(parentIndex);
  QList<QTreeWidgetItem*> made;
  made.reserve(static_cast<qsizetype>(items->size()));
  for (const MatchItem& item : *items) made.append(MakeItem(item));
  tree_->setUpdatesEnabled(false);
  InsertItems(parent, made, positionCode);
  tree_->setUpdatesEnabled(true);
  return 0;
}

void TreeViewHelper::InsertItems(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& made, int positionCode) {
  if (positionCode == kInsertSorted) {
    for (QTreeWidgetItem* item : made) InsertSorted(parent, item);
  } else if (positionCode == kInsertFirst) {
    if (parent != nullptr) parent->insertChildren(0, made);
    else tree_->insertTopLevelItems(0, made);
  } else {
    if (parent != nullptr) parent->addChildren(made);
    else tree_->addTopLevelItems(made);
  }
}

// Sorted by text without regard to case; an item equal to existing ones goes
// after them, so equal texts keep their insertion order.
void TreeViewHelper::InsertSorted(QTreeWidgetItem* parent, QTreeWidgetItem* item) {
  QTreeWidgetItem* holder = parent != nullptr ? parent : tree_->invisibleRootItem();
  const QString text = item->text(0);
  int low = 0;
  int high = holder->childCount();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (QString::compare(holder->child(middle)->text(0), text, Qt::CaseInsensitive) <= 0) low = middle + 1;
    else high = middle;
  }
  holder->insertChild(low, item);
}

int TreeViewHelper::InsertOne(int parentIndex, const MatchItem& item, int positionCode) {
  if (tree_.isNull()) return -1;
  QTreeWidgetItem* parent = positionCode == kInsertAsRoot ? nullptr : Item(parentIndex);
  QTreeWidgetItem* made = MakeItem(item);
  InsertItems(parent, {made}, positionCode);
  return IndexOf(made);
}

QTreeWidgetItem* TreeViewHelper::AppendChild(QTreeWidgetItem* parent, const MatchItem& item) {
  if (tree_.isNull()) return nullptr;
  QTreeWidgetItem* made = MakeItem(item);
  InsertItems(parent, {made}, kInsertLast);
  return made;
}

void TreeViewHelper::BatchAppend(QTreeWidgetItem* parent, const std::vector<MatchItem>& items) {
  if (tree_.isNull() || items.empty()) return;
  QList<QTreeWidgetItem*> made;
  made.reserve(static_cast<qsizetype>(items.size()));
  for (const MatchItem& item : items) made.append(MakeItem(item));
  tree_->setUpdatesEnabled(false);
  InsertItems(parent, made, kInsertLast);
  tree_->setUpdatesEnabled(true);
}

int TreeViewHelper::Count() {
  EnsureTable();
  return static_cast<int>(table_.size());
}

QTreeWidgetItem* TreeViewHelper::Item(int index) {
  EnsureTable();
  if (index < 0 || static_cast<size_t>(index) >= table_.size()) return nullptr;
  return table_[static_cast<size_t>(index)];
}

int TreeViewHelper::IndexOf(const QTreeWidgetItem* item) {
  if (item == nullptr) return -1;
  EnsureTable();
  const auto found = std::find(table_.begin(), table_.end(), item);
  return found == table_.end() ? -1 : static_cast<int>(found - table_.begin());
}

int TreeViewHelper::CurrentIndex() { return tree_.isNull() ? -1 : IndexOf(tree_->currentItem()); }

std::string TreeViewHelper::Text(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item == nullptr ? std::string() : item->text(0).toStdString();
}

bool TreeViewHelper::SetText(int index, const std::string& text) {
  QTreeWidgetItem* item = Item(index);
  if (item == nullptr) return false;
  item->setText(0, ToQt(text));
  return true;
}

int TreeViewHelper::Image(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item == nullptr ? -1 : IntRole(item, kImageRole);
}

int TreeViewHelper::SelectedImage(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item == nullptr ? -1 : IntRole(item, kSelectedImageRole);
}

int TreeViewHelper::ItemData(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item == nullptr ? 0 : IntRole(item, kItemDataRole);
}

int TreeViewHelper::Depth(int index) {
  const QTreeWidgetItem* item = Item(index);
  int depth = 0;
  for (; item != nullptr; item = item->parent()) ++depth;
  return depth;
}

int TreeViewHelper::Parent(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item == nullptr ? -1 : IndexOf(item->parent());
}

bool TreeViewHelper::Expand(int index) {
  QTreeWidgetItem* item = Item(index);
  if (item == nullptr) return false;
  item->setExpanded(true);
  return true;
}

bool TreeViewHelper::EnsureVisible(int index) {
  QTreeWidgetItem* item = Item(index);
  if (item == nullptr) return false;
  for (QTreeWidgetItem* above = item->parent(); above != nullptr; above = above->parent()) above->setExpanded(true);
  tree_->scrollToItem(item);
  return true;
}

bool TreeViewHelper::Select(int index) {
  if (!EnsureVisible(index)) return false;
  tree_->setCurrentItem(Item(index));
  return true;
}

bool TreeViewHelper::Delete(int index) {
  QTreeWidgetItem* item = Item(index);
  if (item == nullptr) return false;
  delete item;  // detaches itself and its descendants from the tree
  return true;
}

void TreeViewHelper::Clear() {
  if (!tree_.isNull()) tree_->clear();
}

void TreeViewHelper::EnableHotTracking() {
  if (tree_.isNull()) return;
  tree_->setMouseTracking(true);
  tree_->setAttribute(Qt::WA_Hover, true);
  const QString sheet = tree_->styleSheet();
  if (!sheet.contains(QLatin1String(kHotTrackingRule))) tree_->setStyleSheet(sheet + QLatin1String(kHotTrackingRule));
}

void TreeViewHelper::EnableCheckBoxes() {
  if (tree_.isNull() || checkBoxes_) return;
  checkBoxes_ = true;
  EnsureTable();
  for (QTreeWidgetItem* item : table_) {
    if (item->flags().testFlag(Qt::ItemIsUserCheckable)) continue;
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
  }
}

bool TreeViewHelper::IsChecked(int index) {
  const QTreeWidgetItem* item = Item(index);
  return item != nullptr && item->checkState(0) == Qt::Checked;
}

bool TreeViewHelper::SetChecked(int index, bool checked) {
  QTreeWidgetItem* item = Item(index);
  if (item == nullptr) return false;
  item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
  return true;
}

}  // namespace ec
