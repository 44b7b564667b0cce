#include "dirtree/treeview/tree_view_helper.h"

#include "app/node_icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <memory>
#include <string>
#include <vector>

namespace ec {
namespace {

std::vector<MatchItem> Items(std::initializer_list<const char*> texts, int image = 6) {
  std::vector<MatchItem> items;
  int data = 1;
  for (const char* text : texts) items.push_back({text, image, image, data++});
  return items;
}

std::vector<std::string> AllTexts(TreeViewHelper& helper) {
  std::vector<std::string> texts;
  for (int i = 0; i < helper.Count(); ++i) texts.push_back(helper.Text(i));
  return texts;
}

class TreeViewHelperTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(helper.Bind(&tree)); }
  QTreeWidget tree;
  TreeViewHelper helper;
};

TEST(TreeViewHelperBind, RefusesWidgetsThatAreNoTree) {
  QLabel label;
  QTreeWidget tree;
  TreeViewHelper helper;
  ASSERT_TRUE(helper.Bind(&tree));
  EXPECT_FALSE(helper.Bind(&label));
  EXPECT_FALSE(helper.IsBound());
  EXPECT_FALSE(helper.Bind(nullptr));
  const auto items = Items({"a"});
  EXPECT_EQ(helper.BatchInsert(-1, &items), -1);
  EXPECT_EQ(helper.Count(), 0);
  EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST_F(TreeViewHelperTest, IndexesFollowDepthFirstOrderIncludingCollapsedBranches) {
  const auto roots = Items({"A", "B"}, 0);
  ASSERT_EQ(helper.BatchInsert(-1, &roots, kInsertAsRoot), 0);
  const auto underA = Items({"A1", "A2"});
  ASSERT_EQ(helper.BatchInsert(0, &underA), 0);  // A stays collapsed
  const auto underA1 = Items({"A1x"}, 11);
  ASSERT_EQ(helper.BatchInsert(1, &underA1), 0);
  EXPECT_EQ(AllTexts(helper), (std::vector<std::string>{"A", "A1", "A1x", "A2", "B"}));
  EXPECT_EQ(helper.Depth(0), 1);
  EXPECT_EQ(helper.Depth(2), 3);
  EXPECT_EQ(helper.Parent(2), 1);
  EXPECT_EQ(helper.Parent(3), 0);
  EXPECT_EQ(helper.Parent(4), -1);
  EXPECT_EQ(helper.Image(2), 11);
  EXPECT_EQ(helper.ItemData(3), 2);
  EXPECT_EQ(helper.IndexOf(tree.topLevelItem(1)), 4);

  // Out of the table: harmless answers, nothing changes.
  EXPECT_EQ(helper.Text(5), "");
  EXPECT_EQ(helper.Image(-1), -1);
  EXPECT_EQ(helper.Depth(99), 0);
  EXPECT_FALSE(helper.Delete(5));
  EXPECT_FALSE(helper.Select(-2));

  ASSERT_TRUE(helper.Delete(1));  // A1 with its child
  EXPECT_EQ(AllTexts(helper), (std::vector<std::string>{"A", "A2", "B"}));
  EXPECT_EQ(helper.Parent(1), 0);
}

TEST_F(TreeViewHelperTest, PositionCodesPlaceBatchesInListOrder) {
  const auto root = Items({"root"}, 0);
  helper.BatchInsert(-1, &root, kInsertAsRoot);
  const auto existing = Items({"x", "y"});
  helper.BatchInsert(0, &existing);
  const auto first = Items({"1", "2", "3"});
  ASSERT_EQ(helper.BatchInsert(0, &first, kInsertFirst), 0);
  EXPECT_EQ(AllTexts(helper), (std::vector<std::string>{"root", "1", "2", "3", "x", "y"}));

  const auto last = Items({"z"});
  ASSERT_EQ(helper.BatchInsert(0, &last, 77), 0);  // unknown code: last
  EXPECT_EQ(helper.Text(6), "z");

  const std::vector<MatchItem> none;
  EXPECT_EQ(helper.BatchInsert(0, &none), 0);
  EXPECT_EQ(helper.BatchInsert(0, nullptr), -1);
  EXPECT_EQ(helper.Count(), 7);

  // A parent outside the table means the top level.
  const auto top = Items({"top"}, 0);
  ASSERT_EQ(helper.BatchInsert(1000, &top), 0);
  EXPECT_EQ(helper.Depth(7), 1);
  EXPECT_EQ(tree.topLevelItemCount(), 2);
}

TEST_F(TreeViewHelperTest, SortedInsertionOrdersWithoutCaseAndKeepsEqualTextsInOrder) {
  const auto root = Items({"r"}, 0);
  helper.BatchInsert(-1, &root, kInsertAsRoot);
  std::vector<MatchItem> items = Items({"delta", "Bravo", "alpha", "bravo", "Charlie"});
  ASSERT_EQ(helper.BatchInsert(0, &items, kInsertSorted), 0);
  EXPECT_EQ(AllTexts(helper), (std::vector<std::string>{"r", "alpha", "Bravo", "bravo", "Charlie", "delta"}));
  EXPECT_EQ(helper.ItemData(2), 2);
  EXPECT_EQ(helper.ItemData(3), 4);
}

TEST_F(TreeViewHelperTest, TableFollowsChangesMadeBehindItsBack) {
  const auto roots = Items({"a", "b", "c"}, 0);
  helper.BatchInsert(-1, &roots, kInsertAsRoot);
  ASSERT_EQ(helper.Count(), 3);
  delete tree.takeTopLevelItem(0);
  EXPECT_EQ(AllTexts(helper), (std::vector<std::string>{"b", "c"}));
  tree.clear();
  EXPECT_EQ(helper.Count(), 0);
  EXPECT_EQ(helper.Text(0), "");
  tree.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("取文本")}));
  EXPECT_EQ(helper.Text(0), "取文本");

  auto doomed = std::make_unique<QTreeWidget>();
  TreeViewHelper orphan;
  ASSERT_TRUE(orphan.Bind(doomed.get()));
  orphan.InsertOne(-1, {"gone", 0, 0, 0});
  doomed.reset();
  EXPECT_FALSE(orphan.IsBound());
  EXPECT_EQ(orphan.Count(), 0);
  EXPECT_EQ(orphan.InsertOne(-1, {"x", 0, 0, 0}), -1);
}

TEST_F(TreeViewHelperTest, SelectExpandsAncestorsAndMakesItemCurrent) {
  const int root = helper.InsertOne(-1, {"root", 0, 0, 0});
  const int group = helper.InsertOne(root, {"group", 7, 7, 0});
  const int leaf = helper.InsertOne(group, {"leaf", 6, 6, 3});
  ASSERT_EQ(leaf, 2);
  EXPECT_EQ(helper.InsertOne(root, {"first", 6, 6, 0}, kInsertFirst), 1);
  EXPECT_EQ(helper.CurrentIndex(), -1);
  ASSERT_TRUE(helper.Select(3));
  EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("leaf"));
  EXPECT_TRUE(tree.currentItem()->isSelected());
  EXPECT_TRUE(helper.Item(0)->isExpanded());
  EXPECT_TRUE(helper.Item(2)->isExpanded());
  EXPECT_EQ(helper.CurrentIndex(), 3);
  ASSERT_TRUE(helper.SetText(3, "renamed"));
  EXPECT_EQ(helper.Text(3), "renamed");
}

TEST_F(TreeViewHelperTest, IconsComeFromTheImageListAndCheckBoxesReachAllItems) {
  QPixmap red(16, 16);
  red.fill(Qt::red);
  helper.SetImageList({QIcon(), QIcon(red)});
  helper.InsertOne(-1, {"with icon", 1, 1, 0});
  helper.InsertOne(-1, {"unknown image", 40, 40, 0});
  EXPECT_FALSE(helper.Item(0)->icon(0).isNull());
  EXPECT_TRUE(helper.Item(1)->icon(0).isNull());

  helper.EnableCheckBoxes();
  helper.InsertOne(-1, {"later", 1, 1, 0});
  for (int i = 0; i < helper.Count(); ++i) {
    EXPECT_TRUE(helper.Item(i)->flags().testFlag(Qt::ItemIsUserCheckable)) << i;
    EXPECT_FALSE(helper.IsChecked(i));
  }
  ASSERT_TRUE(helper.SetChecked(2, true));
  EXPECT_TRUE(helper.IsChecked(2));

  helper.EnableHotTracking();
  helper.EnableHotTracking();
  EXPECT_TRUE(tree.hasMouseTracking());
  EXPECT_EQ(tree.styleSheet().count(QStringLiteral(":hover")), 1);
}

TEST_F(TreeViewHelperTest, LargeBatchLandsInOrder) {
  const int root = helper.InsertOne(-1, {"root", 0, 0, 0});
  std::vector<MatchItem> many;
  for (int i = 0; i < 100000; ++i) many.push_back({"item" + std::to_string(i), 6, 6, i + 1});
  ASSERT_EQ(helper.BatchInsert(root, &many), 0);
  ASSERT_EQ(helper.Count(), 100001);
  EXPECT_EQ(helper.Text(100000), "item99999");
  EXPECT_EQ(helper.ItemData(50001), 50001);
  EXPECT_EQ(helper.Parent(100000), 0);
}

TEST(NodeIcons, EveryKindHasItsOwnPicture) {
  const std::vector<QIcon> icons = NodeIcons();
  ASSERT_EQ(icons.size(), static_cast<size_t>(kNodeIconCount));
  std::vector<QImage> pictures;
  for (const QIcon& icon : icons) {
    ASSERT_FALSE(icon.isNull());
    pictures.push_back(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(pictures.back().size(), QSize(16, 16));
  }
  for (size_t a = 0; a < pictures.size(); ++a) {
    for (size_t b = a + 1; b < pictures.size(); ++b) {
      if (a == 1 && b == 2) continue;  // the two spare kinds share a mark
      EXPECT_NE(pictures[a], pictures[b]) << a << " and " << b;
    }
  }
  QImage blank(16, 16, QImage::Format_ARGB32);
  blank.fill(Qt::transparent);
  EXPECT_EQ(NodeIconPixmap(12, 16).toImage().convertToFormat(QImage::Format_ARGB32), blank);
  EXPECT_NE(pictures[0], blank);
}

}  // namespace
}  // namespace ec
