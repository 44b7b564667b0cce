// The main window's layout beyond the designed size: the minimum size, the
// controls that follow the width, the draggable tree border, and the size,
// place and tree width kept between runs.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/main_window_layout.h"
#include "app/page_view.h"
#include "app/splitter_bar.h"
#include "tests/app/window_fixture.h"

namespace ec::test {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, ControlsFollowTheWidthAndTheBorderDrags) {
  Window().show();
  Window().resize(300, 200);
  EXPECT_EQ(Window().size(), kMainWindowMinimumSize);

  Window().resize(1416, 800);
  EXPECT_EQ(Control<QLineEdit>("编辑框模块文件")->geometry(), QRect(296, 10, 1416 - 18 - 296, 24));
  EXPECT_EQ(Control<QPushButton>("按钮弹出模块列表")->geometry().right(), 1416 - 18 - 4);
  const QRect copyText = Control<QPushButton>("按钮复制代码")->geometry();
  const QRect copyIde = Control<QPushButton>("按钮复制代码HTMLIDE")->geometry();
  EXPECT_EQ(copyText.left(), 294);
  EXPECT_EQ(copyIde.right(), 1416 - 17 - 1);
  EXPECT_EQ(copyText.width(), Control<QPushButton>("按钮复制代码HTML")->geometry().width());
  EXPECT_EQ(Control<QPushButton>("按钮1")->x(), 1416 - 104);
  EXPECT_EQ(Control<QTreeWidget>("树型框")->geometry(), QRect(10, 164, 267, 800 - 164 - 10));
  EXPECT_EQ(Window().Page()->geometry(), QRect(294, 164, 1416 - 294 - 10, 626));

  // Dragging the bar between tree and page by 100 pixels widens the tree;
  // the page view keeps its minimum width however far it is dragged.
  auto* bar = Window().findChild<SplitterBar*>();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
  QTest::mouseMove(bar, QPoint(108, 50));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(108, 50));
  EXPECT_EQ(Control<QTreeWidget>("树型框")->width(), 367);
  EXPECT_EQ(Window().Page()->x(), 394);
  // The toolbar follows: the find row spans the tree, the path box and the
  // copy buttons start over the page.
  EXPECT_EQ(Control<QLineEdit>("编辑框查找文本")->geometry(), QRect(8, 10, 308, 24));
  EXPECT_EQ(Control<QComboBox>("组合框匹配")->geometry().right() + 1, 10 + 367);
  EXPECT_EQ(Control<QPushButton>("按钮上一个")->geometry().right() + 1, 10 + 367 + 1);
  EXPECT_EQ(Control<QLineEdit>("编辑框模块文件")->x(), 394 + 2);
  EXPECT_EQ(Control<QPushButton>("按钮复制代码")->x(), 394);
  EXPECT_EQ(Control<QPushButton>("按钮复制代码HTMLIDE")->geometry().right(), 1416 - 17 - 1);
  // Narrowed, the find box keeps room for its text and the path box never overlaps it.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
  QTest::mouseMove(bar, QPoint(-1000, 50));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(-1000, 50));
  EXPECT_EQ(Control<QTreeWidget>("树型框")->width(), kTreeMinimumWidth);
  EXPECT_EQ(Control<QLineEdit>("编辑框查找文本")->width(), 120);
  EXPECT_GT(Control<QLineEdit>("编辑框模块文件")->x(), Control<QComboBox>("组合框匹配")->geometry().right());
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
  QTest::mouseMove(bar, QPoint(3000, 50));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(3000, 50));
  EXPECT_EQ(Window().Page()->width(), kPageMinimumWidth);
}

TEST_F(LayoutTest, SizePlaceAndTreeWidthComeBack) {
  Window().show();
  Window().OnFirstActivation();
  Window().setGeometry(40, 30, 1200, 780);
  auto* bar = Window().findChild<SplitterBar*>();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 50));
  QTest::mouseMove(bar, QPoint(91, 50));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(91, 50));
  Stop();

  Start();
  EXPECT_EQ(Window().geometry(), QRect(40, 30, 1200, 780));
  Window().show();
  Window().OnFirstActivation();
  EXPECT_EQ(Control<QTreeWidget>("树型框")->width(), 267 + 83);
  EXPECT_EQ(Window().Page()->x(), 10 + 267 + 83 + 17);
}

}  // namespace
}  // namespace ec::test
