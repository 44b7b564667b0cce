// The main window's shell: its design, dropping files, the layout, the
// settings kept between runs, the file association and the same-folder menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/about_box.h"
#include "app/banner_motion.h"
#include "app/file_dialog_filter.h"
#include "app/module_opener.h"
#include "app/notes_box.h"
#include "app/page_view.h"
#include "app/same_folder_menu.h"
#include "support/file_bytes.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {

using namespace ec::writer;
namespace {

using ShellTest = WindowTest;

TEST_F(ShellTest, ControlsAreWhereTheDesignPutsThem) {
  EXPECT_EQ(Window().windowTitle(), "澜禾·观澄 v1.0.0.1");
  struct Designed {
    const char* name;
    QRect rect;
    const char* caption;
  };
  const Designed buttons[] = {
      {"按钮1", {912, 42, 88, 32}, "批量搜索"},
      {"按钮下一个", {10, 38, 134, 24}, "下一个"},
      {"按钮上一个", {144, 38, 134, 24}, "上一个"},
      {"按钮复制代码", {294, 38, 235, 24}, "复制代码(TXT)"},
      {"按钮复制代码HTML", {529, 38, 235, 24}, "复制代码(HTML)"},
      {"按钮复制代码HTMLIDE", {764, 38, 235, 24}, "复制代码(HTML·IDE)"},
      {"按钮选择模块", {944, 12, 30, 20}, ""},
      {"按钮弹出模块列表", {975, 12, 20, 20}, ""},
  };
  for (const Designed& d : buttons) {
    auto* button = Control<QPushButton>(d.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), d.rect) << d.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(d.caption)) << d.name;
  }
  // The designed text is a hint shown while the box is empty: typing goes into an empty box.
  auto* findBox = Control<QLineEdit>("编辑框查找文本");
  EXPECT_EQ(findBox->placeholderText(), "要在树中查找的文本");
  EXPECT_EQ(findBox->text(), "");
  QTest::keyClicks(findBox, QStringLiteral("qwb"));
  EXPECT_EQ(findBox->text(), "qwb");
  findBox->clear();
  // What the buttons and boxes of the design do is told when the mouse rests on them.
  for (const char* name :
       {"按钮复制代码", "按钮复制代码HTML", "按钮复制代码HTMLIDE", "按钮1", "选择框关联", "组合框匹配"}) {
    EXPECT_FALSE(Window().findChild<QWidget*>(QString::fromUtf8(name))->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(Control<QLineEdit>("编辑框模块文件")->geometry(), QRect(296, 10, 702, 24));
  auto* mode = Control<QComboBox>("组合框匹配");
  ASSERT_EQ(mode->count(), 4);  // the designed three, then pinyin
  EXPECT_EQ(mode->itemText(2), "正则");
  EXPECT_EQ(mode->itemText(3), "拼音");
  auto* association = Control<QCheckBox>("选择框关联");
  EXPECT_TRUE(association->isChecked());
  EXPECT_EQ(association->text(), "关联.EC");
  EXPECT_EQ(Control<QTreeWidget>("树型框")->geometry(), QRect(10, 170, 267, 520));
  EXPECT_EQ(Control<PageView>("浏览器")->geometry(), QRect(294, 170, 712, 520));
  EXPECT_EQ(Control<QWidget>("图片框1")->geometry(), QRect(0, 90, 1016, 74));
  EXPECT_EQ(Control<QWidget>("图片框2")->geometry(), QRect(0, 0, 10880, 90));
}

TEST_F(ShellTest, ResizingKeepsTheTreeWidthAndTheMargins) {
  for (QSize size : {QSize(1200, 800), QSize(900, 500), QSize(1016, 700)}) {
    Window().resize(size);
    Window().Layout();
    const QRect tree = Control<QTreeWidget>("树型框")->geometry();
    const QRect page = Control<PageView>("浏览器")->geometry();
    EXPECT_EQ(tree.left(), 10);
    EXPECT_EQ(tree.width(), 267);
    EXPECT_EQ(tree.top(), 164);
    EXPECT_EQ(size.height() - (tree.bottom() + 1), 10);
    EXPECT_EQ(page.left(), 294);
    EXPECT_EQ(size.width() - (page.right() + 1), 10);
    EXPECT_EQ(size.height() - (page.bottom() + 1), 10);
  }
}

TEST_F(ShellTest, OnlyALastDroppedModuleIsOpened) {
  const std::string upper = CopyOf(SampleModule(), "X.EC");
  const std::string notes = files_.File("notes.txt");
  ASSERT_TRUE(WriteFileBytes(notes, "text"));
  Window().Opener().HandleDroppedFiles({upper, notes});
  EXPECT_EQ(Window().Loader().CurrentPath(), "");
  Window().Opener().HandleDroppedFiles({notes, upper});
  EXPECT_EQ(Window().Loader().CurrentPath(), upper);
}

TEST_F(ShellTest, ControlsAndModuleComeBackAtTheNextStart) {
  Window().OnFirstActivation();
  EXPECT_EQ(calls_.registered, 1);
  EXPECT_EQ(Window().Loader().CurrentPath(), "");  // the designed sentence names no file
  const std::string sample = CopyOf(SampleModule(), "sample.ec");
  Window().loadModule(sample);
  Control<QLineEdit>("编辑框查找文本")->setText("缓冲");
  Control<QComboBox>("组合框匹配")->setCurrentIndex(1);
  auto* association = Control<QCheckBox>("选择框关联");
  association->click();  // unticking removes the association
  EXPECT_EQ(calls_.removed, 1);
  Stop();

  // This time the window's own showing runs the first-activation steps.
  Start();
  Window().show();
  for (int i = 0; i < 20 && Window().Loader().CurrentPath().empty(); ++i) QCoreApplication::processEvents();
  EXPECT_EQ(Control<QLineEdit>("编辑框模块文件")->text().toStdString(), sample);
  EXPECT_EQ(Control<QLineEdit>("编辑框查找文本")->text(), "缓冲");
  EXPECT_EQ(Control<QComboBox>("组合框匹配")->currentIndex(), 1);
  EXPECT_FALSE(Control<QCheckBox>("选择框关联")->isChecked());
  EXPECT_EQ(Window().Loader().CurrentPath(), sample);
  EXPECT_EQ(Window().Tree().Count(), 40);
  // The association was made once, at the very first start.
  EXPECT_EQ(calls_.registered, 1);
  EXPECT_EQ(calls_.removed, 1);
  Stop();

  // A module on the command line wins over the saved path.
  const std::string other = CopyOf(SampleModule(), "other.ec");
  Start(other);
  Window().OnFirstActivation();
  EXPECT_EQ(Window().Loader().CurrentPath(), other);
}

TEST_F(ShellTest, SameFolderMenuListsTheModulesAndLoadsTheChosenOne) {
  const std::string a = CopyOf(SampleModule(), "a.ec");
  const std::string b = CopyOf(SampleModule(), "b.ec");
  ASSERT_TRUE(WriteFileBytes(files_.File("c.txt"), "text"));
  const std::string program = CopyOf(SampleModule(), "c.e");
  Window().loadModule(a);
  // The arrow button opens the list; its filter box takes the keys.
  QTest::mouseClick(Control<QPushButton>("按钮弹出模块列表"), Qt::LeftButton);
  SameFolderMenu& menu = Window().Opener().Menu();
  ASSERT_TRUE(menu.Popup()->isVisible());
  EXPECT_EQ(menu.VisibleTexts().mid(1), (QStringList{"a.ec", "b.ec", QStringLiteral("c.e") + kProgramMark}));
  QTest::keyClicks(menu.FilterBox(), QStringLiteral("b"));
  QTest::keyClick(menu.FilterBox(), Qt::Key_Return);
  EXPECT_FALSE(menu.Popup()->isVisible());
  Window().Opener().OnPollingTick();
  EXPECT_EQ(Window().Loader().CurrentPath(), b);
  // Loaded once: later ticks find nothing pending.
  Window().loadModule(a);
  Window().Opener().OnPollingTick();
  EXPECT_EQ(Window().Loader().CurrentPath(), a);
  // Choosing b again, after a was opened otherwise, opens b again.
  Window().Opener().SetPendingModulePath(b);
  Window().Opener().OnPollingTick();
  EXPECT_EQ(Window().Loader().CurrentPath(), b);
}

TEST_F(ShellTest, NotesBoxOpensOnceAndAboutNamesTheSettingsFile) {
  Window().ShowNotesBox();
  Window().ShowNotesBox();
  const auto boxes = Window().findChildren<NotesBox*>();
  ASSERT_EQ(boxes.size(), 1);
  NotesBox* box = boxes.first();
  EXPECT_EQ(box->windowTitle(), "澜禾：");
  box->resize(400, 300);
  QPushButton* close = box->findChild<QPushButton*>();
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "关闭(&G)");
  EXPECT_EQ(close->geometry().right() + 1, 400 - 5);
  EXPECT_EQ(close->geometry().bottom() + 1, 300 - 5);
  close->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(Window().findChildren<NotesBox*>().isEmpty());

  const QString about = AboutText(viewer_->Store().Path());
  EXPECT_TRUE(about.contains("1.0.0.1"));
  EXPECT_TRUE(about.contains(QString::fromLatin1(qVersion())));
  EXPECT_TRUE(about.contains(QString::fromStdString(settings_.path().string())));
  EXPECT_TRUE(about.contains("使用手册：")) << about.toStdString();
  EXPECT_TRUE(about.contains("manual.zh-CN.md"));
}

TEST(ShellParts, DialogFilterAndBanner) {
  EXPECT_EQ(QtFileFilter("易模块(*.ec)|*.ec|所有文件(*.*)|*.*"), "易模块(*.ec);;所有文件(*.*)");
  EXPECT_EQ(QtFileFilter("Texts|*.txt;*.md|dangling"), "Texts (*.txt *.md)");
  // The open dialog's first, preselected filter shows modules and programs.
  EXPECT_EQ(QtFileFilter(kOpenDialogFilter).section(QStringLiteral(";;"), 0, 0), "易模块和易程序(*.ec *.e)");

  // The logo travels right until within 20 pixels of the right bound, then
  // back until within 20 pixels of the left bound.
  BannerMotion motion;
  int left = 368;
  int turns = 0;
  int lowest = left, highest = left;
  for (int tick = 0; tick < 2000; ++tick) {
    const bool before = motion.movingRight;
    left = motion.Step(left, 195, 160, 919);
    turns += before != motion.movingRight;
    lowest = std::min(lowest, left);
    highest = std::max(highest, left);
  }
  EXPECT_GE(turns, 2);
  EXPECT_EQ(highest + 195, 919 - 20 + 1);
  EXPECT_EQ(lowest, 160 + 20 - 1);
  // In a window too narrow for it the logo is hidden; after a shrink it comes back inside.
  EXPECT_TRUE(BannerMotion::Fits(195, 160, 160 + 195 + 40));
  EXPECT_FALSE(BannerMotion::Fits(195, 160, 160 + 195 + 39));
  EXPECT_EQ(BannerMotion::Clamp(700, 195, 160, 600), 600 - 20 - 195);
  EXPECT_EQ(BannerMotion::Clamp(100, 195, 160, 600), 180);
}

}  // namespace
}  // namespace ec::test
