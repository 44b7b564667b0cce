// The page as a user reads it: zoomed with the keys and the wheel, the zoom
// kept for the next start, a big page's end reached at once, and the place
// scrolled to kept in the history.
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/page_view.h"
#include "app/page_zoom.h"
#include "render/page_face.h"
#include "support/file_bytes.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/large_module.h"

namespace ec::test {
namespace {

class PageTest : public ShownWindowTest {
 protected:
  void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &press);
  }
  void Wheel(QWidget* widget, int delta) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
  }
  QTreeWidget* Tree() { return Control<QTreeWidget>("树型框"); }
};

TEST_F(PageTest, ZoomsPageAndTreeAndKeepsTheZoom) {
  Window().loadModule(SampleModule());
  ASSERT_TRUE(Window().Tree().Select(15));  // the DLL commands: a page taller than the view
  PageView* page = Window().Page();
  const QFont treeFont = Tree()->font();
  const int lineHeight = page->verticalScrollBar()->maximum() + page->viewport()->height();

  Press(page, Qt::Key_Equal);
  Press(Tree(), Qt::Key_Equal);
  EXPECT_EQ(page->Zoom(), 125);
  EXPECT_GT(QFontInfo(Tree()->font()).pixelSize(), QFontInfo(treeFont).pixelSize());
  // The page is laid out again at the new size: it grew taller.
  EXPECT_GT(page->verticalScrollBar()->maximum() + page->viewport()->height(), lineHeight);
  Wheel(page->viewport(), -120);
  EXPECT_EQ(page->Zoom(), 110);
  Wheel(Tree()->viewport(), 120);
  EXPECT_EQ(page->Zoom(), 125);
  // Without Ctrl the wheel scrolls and the keys are the page's own.
  QWheelEvent plain(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(page->viewport(), &plain);
  Press(page, Qt::Key_Equal, Qt::NoModifier);
  EXPECT_EQ(page->Zoom(), 125);

  Stop();
  Start();
  Window().show();
  Window().OnFirstActivation();
  EXPECT_EQ(Window().Page()->Zoom(), 125);
  Press(Window().Page(), Qt::Key_0);
  EXPECT_EQ(Window().Page()->Zoom(), kDefaultZoomPercent);
  EXPECT_EQ(QFontInfo(Tree()->font()).pixelSize(), QFontInfo(treeFont).pixelSize());
}

TEST_F(PageTest, CtrlEndAtOnceLandsAtTheEndOfTheWholePage) {
  constexpr int kCommands = 700;
  const std::string path = files_.File("big.ec");
  ASSERT_TRUE(WriteFileBytes(
      path, writer::LargeModuleBytes(
                {.programSets = 1, .subroutinesPerSet = 100, .constants = 100, .dllCommands = kCommands})));
  Window().loadModule(path);
  // The biggest category: every DLL command with a table of four parameters.
  int api = -1;
  for (int i = 0; i < Window().Tree().Count() && api < 0; ++i)
    if (Window().Tree().Text(i) == "API(" + std::to_string(kCommands) + ")") api = i;
  ASSERT_GE(api, 0);
  PageView* page = Window().Page();
  ASSERT_TRUE(Window().Tree().Select(api));
  ASSERT_FALSE(page->IsMeasured()) << "the page must be big enough to be measured on the worker";
  Press(page, Qt::Key_End);
  const std::string last = "外部命令_" + std::to_string(kCommands - 1);
  QScrollBar* bar = page->verticalScrollBar();
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_TRUE(page->VisibleText().contains(QString::fromStdString(last))) << page->VisibleText().toStdString();
  EXPECT_FALSE(page->VisibleText().contains(QStringLiteral(".版本 2")));
  // Still there once every height is measured.
  for (int i = 0; i < 6000 && !page->IsMeasured(); ++i) QTest::qWait(10);
  ASSERT_TRUE(page->IsMeasured());
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_TRUE(page->VisibleText().contains(QString::fromStdString(last)));
}

// A program set's page is code first, then a table per subroutine, whose
// cells wrap at 125 %: the scroll bar's middle is still near the page's,
// since the estimates of each kind are scaled by a block of that kind.
TEST_F(PageTest, TheScrollBarsMiddleIsNearThePagesMiddle) {
  const std::string path = files_.File("big.ec");
  ASSERT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes({.programSets = 1, .subroutinesPerSet = 400})));
  Window().loadModule(path);
  PageView* page = Window().Page();
  page->SetZoom(125);
  int set = -1;
  for (int i = 0; i < Window().Tree().Count() && set < 0; ++i)
    if (Window().Tree().Text(i).starts_with("第一集(")) set = i;
  ASSERT_TRUE(Window().Tree().Select(set));
  QScrollBar* bar = page->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  for (int i = 0; i < 6000 && !page->IsMeasured(); ++i) QTest::qWait(10);
  ASSERT_TRUE(page->IsMeasured());
  const double middle = page->ViewTop() / (page->ColumnHeight() - page->viewport()->height());
  EXPECT_NEAR(middle, 0.5, 0.04);
}

// Back and forward return to where a node's page was scrolled, in a big page
// whose heights are estimated again each time it is written.
TEST_F(PageTest, BackAndForwardReturnToTheScrolledPlace) {
  const std::string path = files_.File("big.ec");
  ASSERT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes({.programSets = 1, .subroutinesPerSet = 100,
                                                              .constants = 1300, .dllCommands = 300})));
  Window().loadModule(path);
  const auto find = [&](const std::string& prefix) {
    for (int i = 0; i < Window().Tree().Count(); ++i)
      if (Window().Tree().Text(i).starts_with(prefix)) return i;
    return -1;
  };
  const int constants = find("常量("), api = find("API(");
  ASSERT_GE(constants, 0);
  ASSERT_GE(api, 0);
  PageView* page = Window().Page();
  QScrollBar* bar = page->verticalScrollBar();
  ASSERT_TRUE(Window().Tree().Select(constants));
  bar->setValue(bar->maximum() * 2 / 3);
  const QString constantsSeen = page->VisibleText();
  ASSERT_TRUE(Window().Tree().Select(api));
  bar->setValue(bar->maximum() / 3);
  const QString apiSeen = page->VisibleText();
  ASSERT_TRUE(Window().Tree().Select(find("第一集(")));
  for (int i = 0; i < 500 && !page->IsMeasured(); ++i) QTest::qWait(10);

  QTest::keyClick(Tree(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(page->VisibleText(), apiSeen);
  QTest::keyClick(Tree(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(page->VisibleText(), constantsSeen);
  QTest::keyClick(Tree(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(page->VisibleText(), apiSeen);
  EXPECT_GT(bar->value(), 0);
}

}  // namespace
}  // namespace ec::test
