// The viewer's keys, type to find, and reloading a module (F5, or its file
// changed on disk) with the same node selected again.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "app/module_file_watcher.h"
#include "support/file_bytes.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/large_module.h"

namespace ec::test {
namespace {

class KeysTest : public ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  }
  QLineEdit* FindBox() { return Control<QLineEdit>("编辑框查找文本"); }
  QTreeWidget* TreeWidget() { return Control<QTreeWidget>("树型框"); }
  int Current() { return Window().Tree().CurrentIndex(); }
  std::string CurrentText() { return Window().Tree().Text(Current()); }

  // Waits, handling events, until `done` holds or two seconds have passed.
  template <typename Condition>
  bool WaitFor(Condition done) {
    for (int i = 0; i < 200 && !done(); ++i) QTest::qWait(10);
    return done();
  }
};

TEST_F(KeysTest, FindKeysAndTypeToFind) {
  // The designed hint (shown in the empty box) is never searched for.
  Control<QPushButton>("按钮下一个")->click();
  EXPECT_EQ(Current(), 0);

  FindBox()->setText(QStringLiteral("常量_"));
  QTest::keyClick(FindBox(), Qt::Key_Return);
  EXPECT_EQ(CurrentText(), "常量_圆周率");
  QTest::keyClick(TreeWidget(), Qt::Key_F3);
  EXPECT_EQ(CurrentText(), "常量_最大行数");
  QTest::keyClick(TreeWidget(), Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(CurrentText(), "常量_圆周率");

  // Ctrl+F: the find box with its text selected, so typing replaces it.
  QTest::keyClick(TreeWidget(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(FindBox()->hasFocus());
  EXPECT_EQ(FindBox()->selectedText(), QStringLiteral("常量_"));

  // Typing in the tree goes into the find box instead of jumping by letter.
  TreeWidget()->setFocus();
  QTest::keyClick(TreeWidget(), 'q');
  QTest::keyClick(QApplication::focusWidget(), 'u');
  EXPECT_EQ(FindBox()->text(), QStringLiteral("qu"));
  EXPECT_TRUE(FindBox()->hasFocus());
  EXPECT_EQ(CurrentText(), "常量_圆周率");
}

TEST_F(KeysTest, ReloadKeepsTheSelectedNode) {
  ASSERT_TRUE(Window().Tree().Select(27));
  const std::string selected = CurrentText();
  const uint64_t loads = Window().Loader().LoadNumber();
  QTest::keyClick(TreeWidget(), Qt::Key_F5);
  EXPECT_EQ(Window().Loader().LoadNumber(), loads + 1);
  EXPECT_EQ(CurrentText(), selected);

  // A module rebuilt on disk is reloaded by itself, once, after the writing;
  // a node whose category count changed is still found.
  const std::string path = files_.File("built.ec");
  ASSERT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes({.programSets = 2, .subroutinesPerSet = 3})));
  Window().loadModule(path);
  Window().SetReloadQuietMilliseconds(30);
  ASSERT_TRUE(Window().Tree().Select(3));
  const std::string subroutine = CurrentText();
  const uint64_t before = Window().Loader().LoadNumber();
  const std::string rebuilt = writer::LargeModuleBytes({.programSets = 3, .subroutinesPerSet = 3});
  ASSERT_TRUE(WriteFileBytes(path, rebuilt.substr(0, rebuilt.size() / 2)));
  ASSERT_TRUE(WriteFileBytes(path, rebuilt));
  ASSERT_TRUE(WaitFor([&] { return Window().Loader().LoadNumber() > before; }));
  QTest::qWait(150);
  EXPECT_EQ(Window().Loader().LoadNumber(), before + 1);
  EXPECT_EQ(Window().Loader().Model().subroutineGroups.size(), 3u);
  EXPECT_EQ(CurrentText(), subroutine);
  EXPECT_EQ(Window().Tree().Text(1), "子程序集合(9)");

  // A node that no longer exists: the root.
  ASSERT_TRUE(Window().Tree().Select(Window().Tree().Count() - 1));
  ASSERT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes({.programSets = 1, .subroutinesPerSet = 1})));
  ASSERT_TRUE(WaitFor([&] { return Window().Loader().LoadNumber() > before + 1; }));
  EXPECT_EQ(Current(), 0);
}

}  // namespace
}  // namespace ec::test
