// The find buttons over the sample module's tree.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "tests/app/window_fixture.h"

namespace ec::test {
namespace {

class FindTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
    ASSERT_EQ(Window().Tree().Count(), 40);
  }
  void Find(const char* text, int mode) {
    Control<QLineEdit>("编辑框查找文本")->setText(QString::fromUtf8(text));
    Control<QComboBox>("组合框匹配")->setCurrentIndex(mode);
  }
  int Current() { return Window().Tree().CurrentIndex(); }
};

TEST_F(FindTest, NextAndPreviousWrapAroundTheTree) {
  // "文本" occurs in: 取文本中间 3, 快速取文本 4, 分割文本到数组 5, 读入文本文件 8,
  // 写出文本文件 9, 类_文本缓冲区(3) 36.
  Find("文本", 0);
  QPushButton* next = Control<QPushButton>("按钮下一个");
  QPushButton* previous = Control<QPushButton>("按钮上一个");
  std::vector<int> forward;
  for (int i = 0; i < 7; ++i) {
    next->click();
    forward.push_back(Current());
  }
  EXPECT_EQ(forward, (std::vector<int>{3, 4, 5, 8, 9, 36, 3}));
  previous->click();
  EXPECT_EQ(Current(), 36);
  previous->click();
  EXPECT_EQ(Current(), 9);
  EXPECT_EQ(next->text(), "下一个");
  EXPECT_EQ(previous->text(), "上一个");
  EXPECT_EQ(Window().Presenter().Selection().subroutine.name, "写出文本文件");
}

TEST_F(FindTest, RightButtonOnNextFindsBackwards) {
  Find("常量_", 0);
  Window().Tree().Select(22);
  QPushButton* next = Control<QPushButton>("按钮下一个");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), next->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(next, &press);
  EXPECT_EQ(Current(), 21);
}

TEST_F(FindTest, FindsInsideCollapsedBranchesAndExpandsThem) {
  Window().Tree().Item(19)->setExpanded(false);
  Find("^常量_最大", 2);
  Window().FindNext();
  EXPECT_EQ(Current(), 21);
  EXPECT_TRUE(Window().Tree().Item(19)->isExpanded());
  EXPECT_EQ(Window().Presenter().Selection().constant.name, "常量_最大行数");
  // Wildcards: 取*本 is 取.*本.
  Find("取*本", 1);
  Window().FindNext();
  EXPECT_EQ(Current(), 3);
}

TEST_F(FindTest, NothingFoundShowsItOnThePressedButton) {
  Window().SetFeedbackMilliseconds(60);
  Window().Tree().Select(4);
  Find("没有这个名字", 0);
  QPushButton* previous = Control<QPushButton>("按钮上一个");
  std::string during;
  QTimer::singleShot(20, &Window(), [&] { during = previous->text().toStdString(); });
  previous->click();
  EXPECT_EQ(during, "找不到");
  EXPECT_EQ(previous->text(), "上一个");
  EXPECT_EQ(Current(), 4);
}

}  // namespace
}  // namespace ec::test
