// Keys and clicks that arrive faster than pages are shown: the highlighted
// node, the current node, the page and what the copy buttons copy stay the
// same node. The events are posted all at once, as auto-repeat and quick
// clicks deliver them, and go through the tree's own event handling.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

#include "app/page_view.h"
#include "render/declaration_code.h"
#include "render/item_page.h"
#include "tests/app/window_fixture.h"

namespace ec::test {
namespace {

constexpr int kSubroutineCategory = 1, kDllCategory = 15, kConstantCategory = 19;

class FastInputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window().resize(1016, 720);
    Window().show();
    Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
    ASSERT_EQ(Window().Tree().Count(), 40);
    tree_ = Window().Tree().Tree();
  }

  void Post(QObject* target, QEvent* event) { QCoreApplication::postEvent(target, event); }
  void PostKey(Qt::Key key) {
    Post(tree_, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    Post(tree_, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
  }
  void PostClick(int index) {
    const QPoint at = tree_->visualItemRect(Window().Tree().Item(index)).center();
    const QPointF local(at), global(tree_->viewport()->mapToGlobal(at));
    Post(tree_->viewport(), new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                                            Qt::NoModifier));
    Post(tree_->viewport(), new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                            Qt::NoButton, Qt::NoModifier));
  }
  // Lets every posted event arrive, and every page's blocks be measured.
  void Settle() {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
      if ((clock.elapsed() > 300 && Window().Page()->IsMeasured()) || clock.elapsed() > 10000) loop.quit();
    });
    check.start(10);
    loop.exec();
  }

  // Highlight, current node, selection, page and copied text all name the
  // constant category.
  void ExpectConstantCategoryEverywhere() {
    QTreeWidgetItem* constants = Window().Tree().Item(kConstantCategory);
    EXPECT_EQ(tree_->currentItem(), constants) << tree_->currentItem()->text(0).toStdString();
    ASSERT_EQ(tree_->selectedItems().size(), 1);
    EXPECT_EQ(tree_->selectedItems().front(), constants) << tree_->selectedItems().front()->text(0).toStdString();
    const auto& all = Window().Loader().Model().constants;
    EXPECT_EQ(Window().Page()->Page(), ItemPage(std::span<const Constant>(all), nullptr));
    EXPECT_EQ(Window().Presenter().Selection().kind, kKindConstants);
    Control<QPushButton>("按钮复制代码")->click();
    EXPECT_EQ(Clipboard(), RenderConstantCode(all, nullptr, CodeMode::PlainText));
  }

  QTreeWidget* tree_ = nullptr;
};

TEST_F(FastInputTest, AutoRepeatedDownKeysKeepHighlightPageAndCopyTogether) {
  tree_->collapseItem(Window().Tree().Item(kSubroutineCategory));
  tree_->collapseItem(Window().Tree().Item(kDllCategory));
  tree_->setFocus();
  PostKey(Qt::Key_Home);
  Settle();
  // Root, 子程序集合, API, 常量.
  for (int i = 0; i < 3; ++i) PostKey(Qt::Key_Down);
  Settle();
  ExpectConstantCategoryEverywhere();
}

TEST_F(FastInputTest, QuickClicksKeepHighlightPageAndCopyTogether) {
  PostClick(kDllCategory);
  PostClick(kConstantCategory);
  Settle();
  ExpectConstantCategoryEverywhere();
}

}  // namespace
}  // namespace ec::test
