#include "app/tree_finder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/wait_processing_messages.h"
#include "dirtree/treeview/tree_view_helper.h"

namespace ec {
namespace {

// 0 测试模块
//   1 子程序集合(3)
//     2 取文本
//     3 ABC
//     4 快速取文本
//   5 常量(1)            (collapsed)
//     6 取文本长度
//   7 ""
class TreeFinderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(helper.Bind(&tree));
    const int root = helper.InsertOne(-1, {"测试模块", 0, 0, 0});
    const int subs = helper.InsertOne(root, {"子程序集合(3)", 7, 7, 0});
    const std::vector<MatchItem> names{{"取文本", 6, 6, 1}, {"ABC", 6, 6, 2}, {"快速取文本", 6, 6, 3}};
    helper.BatchInsert(subs, &names);
    const int constants = helper.InsertOne(root, {"常量(1)", 8, 8, 0});
    helper.InsertOne(constants, {"取文本长度", 8, 8, 1});
    helper.InsertOne(root, {"", 3, 3, 0});
    ASSERT_EQ(helper.Count(), 8);
  }

  int Find(int selected, const std::string& text, int mode, bool forward = true) {
    return FindInTree(helper, selected, text, mode, forward, [this] { ++pumped; });
  }

  QTreeWidget tree;
  TreeViewHelper helper;
  int pumped = 0;
};

TEST_F(TreeFinderTest, PlainFindFoldsAsciiCaseAndWrapsToTheSelectedNode) {
  EXPECT_EQ(Find(-1, "abc", kFindPlain), 3);
  EXPECT_EQ(Find(-1, "取文本", kFindPlain), 2);
  EXPECT_EQ(Find(2, "取文本", kFindPlain), 4);
  EXPECT_EQ(Find(4, "取文本", kFindPlain), 6);
  EXPECT_EQ(Find(6, "取文本", kFindPlain), 2);  // wraps to the first match
  EXPECT_EQ(Find(3, "ABC", kFindPlain), 3);      // the only match stays selected
  EXPECT_EQ(Find(-1, "xyz", kFindPlain), -1);
  // An empty find text matches the next node with any text, never an empty one.
  EXPECT_EQ(Find(6, "", kFindPlain), 0);
}

TEST_F(TreeFinderTest, BackwardFindStartsAtTheEndWhenNothingIsSelected) {
  EXPECT_EQ(Find(-1, "取文本", kFindPlain, false), 6);
  EXPECT_EQ(Find(6, "取文本", kFindPlain, false), 4);
  EXPECT_EQ(Find(2, "取文本", kFindPlain, false), 6);  // wraps from the top to the end
  EXPECT_EQ(Find(2, "abc", kFindPlain, false), 3);
  EXPECT_EQ(Find(-1, "", kFindPlain, false), 6);       // skips the empty last node
  // A selection beyond the tree (the tree shrank meanwhile) is harmless.
  EXPECT_EQ(Find(100, "测试", kFindPlain, false), 0);
  EXPECT_EQ(Find(100, "测试", kFindPlain, true), 0);
}

TEST_F(TreeFinderTest, PatternModesFindAnywhereIgnoringCase) {
  EXPECT_EQ(Find(-1, "^取", kFindRegex), 2);
  EXPECT_EQ(Find(2, "^取", kFindRegex), 6);  // 快速取文本 does not start with 取
  EXPECT_EQ(Find(-1, "abc", 7), 3);          // unknown modes are regular expressions too
  EXPECT_EQ(Find(-1, "\\(\\d\\)$", kFindRegex), 1);
  EXPECT_EQ(Find(2, "取*本", kFindWildcard), 4);
  EXPECT_EQ(Find(-1, "快*本", kFindWildcard), 4);
  EXPECT_EQ(Find(-1, "常量(?)", kFindWildcard), 5);  // brackets are literal in wildcards
  EXPECT_EQ(Find(-1, "a?c", kFindWildcard), 3);
}

TEST_F(TreeFinderTest, InvalidExpressionFindsNothingAndWalksNothing) {
  EXPECT_EQ(Find(-1, "(取", kFindRegex), kFindBadPattern);
  EXPECT_EQ(Find(-1, "[", kFindRegex), kFindBadPattern);
  EXPECT_EQ(pumped, 0);
}

TEST_F(TreeFinderTest, EventsAreHandledBeforeEveryNodeOfBothPasses) {
  // From node 2 forward: pass one covers 3..7, pass two 0..2.
  EXPECT_EQ(Find(2, "xyz", kFindPlain), -1);
  EXPECT_EQ(pumped, (1 + 5) + (1 + 3));

  // A handler that empties the tree in the middle of the walk ends it safely.
  int calls = 0;
  const int found = FindInTree(helper, -1, "取文本长度", kFindPlain, true, [&] {
    if (++calls == 3) tree.clear();
  });
  EXPECT_EQ(found, -1);
}

TEST_F(TreeFinderTest, ButtonFlowSelectsInCollapsedBranchOrShowsNotFound) {
  QLineEdit findBox;
  QComboBox modeBox;
  modeBox.addItems({QStringLiteral("一般"), QStringLiteral("通配"), QStringLiteral("正则")});
  QPushButton next(QStringLiteral("下一个"));
  QPushButton previous(QStringLiteral("上一个"));
  const TreeFindBar bar{&findBox, &modeBox, &next, &previous, 40};

  findBox.setText(QStringLiteral("长度"));
  modeBox.setCurrentIndex(kFindPlain);
  ASSERT_FALSE(helper.Item(5)->isExpanded());
  EXPECT_EQ(RunTreeFind(bar, helper, true), 6);
  EXPECT_EQ(helper.CurrentIndex(), 6);
  EXPECT_TRUE(helper.Item(5)->isExpanded());
  EXPECT_EQ(next.text(), QStringLiteral("下一个"));

  // Backward from the selection, through the match mode of the box.
  findBox.setText(QStringLiteral("^取"));
  modeBox.setCurrentIndex(kFindRegex);
  EXPECT_EQ(RunTreeFind(bar, helper, false), 2);
  EXPECT_EQ(helper.CurrentIndex(), 2);

  findBox.setText(QStringLiteral("不存在"));
  // Watch the caption while the find runs (the walk itself may be slow).
  QStringList captions;
  QTimer watch;
  watch.setInterval(2);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (captions.isEmpty() || captions.back() != previous.text()) captions.append(previous.text());
  });
  watch.start();
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(RunTreeFind(bar, helper, false), -1);
  EXPECT_GE(clock.elapsed(), 40);
  watch.stop();
  EXPECT_TRUE(captions.contains(QStringLiteral("找不到"))) << captions.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(previous.text(), QStringLiteral("上一个"));
  EXPECT_EQ(helper.CurrentIndex(), 2);  // the selection stays

  // An invalid expression says so instead of "找不到".
  findBox.setText(QStringLiteral("([a-"));
  captions.clear();
  watch.start();
  EXPECT_EQ(RunTreeFind(bar, helper, false), -1);
  watch.stop();
  EXPECT_TRUE(captions.contains(QStringLiteral("表达式有误"))) << captions.join(QLatin1Char(' ')).toStdString();
  EXPECT_FALSE(captions.contains(QStringLiteral("找不到")));
  EXPECT_EQ(previous.text(), QStringLiteral("上一个"));
}

TEST(WaitProcessingMessages, KeepsHandlingEventsUntilTheTimeHasPassed) {
  QObject context;
  int fired = 0;
  QTimer::singleShot(0, &context, [&] { ++fired; });
  QTimer::singleShot(20, &context, [&] { ++fired; });
  QElapsedTimer clock;
  clock.start();
  WaitProcessingMessages(50);
  EXPECT_GE(clock.elapsed(), 50);
  EXPECT_EQ(fired, 2);
  WaitProcessingMessages(-5);  // nothing to wait for
}

}  // namespace
}  // namespace ec
