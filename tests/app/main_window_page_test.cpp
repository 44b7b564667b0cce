// The page as a user reads it: zoomed with the keys and the wheel, the zoom
// kept for the next start.
#include <QKeyEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/page_view.h"
#include "app/page_zoom.h"
#include "render/page_face.h"
#include "tests/app/window_fixture.h"

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

}  // namespace
}  // namespace ec::test
