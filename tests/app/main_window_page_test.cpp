// The page as a user reads it: zoomed with the keys and the wheel, the zoom
// kept for the next start, and a big page's end reached at once.
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
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
  constexpr int kCommands = 300;
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
  QEventLoop whole;
  QObject::connect(page, &PageView::PageShown, &whole, [&](bool complete) {
    if (complete) whole.quit();
  });
  ASSERT_TRUE(Window().Tree().Select(api));
  ASSERT_TRUE(page->IsBuilding());
  auto* buildingLine = page->findChild<QLabel*>(QStringLiteral("标签页面生成中"));
  ASSERT_NE(buildingLine, nullptr);
  EXPECT_TRUE(buildingLine->isVisible());
  Press(page, Qt::Key_End);
  QTimer::singleShot(60000, &whole, &QEventLoop::quit);
  whole.exec();
  ASSERT_FALSE(page->IsBuilding());
  EXPECT_FALSE(buildingLine->isVisible());
  EXPECT_EQ(page->verticalScrollBar()->value(), page->verticalScrollBar()->maximum());
  const std::string last = "外部命令_" + std::to_string(kCommands - 1);
  EXPECT_TRUE(page->VisibleText().contains(QString::fromStdString(last))) << page->VisibleText().toStdString();
  EXPECT_FALSE(page->VisibleText().contains(QStringLiteral(".版本 2")));
}

}  // namespace
}  // namespace ec::test
