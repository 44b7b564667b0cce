// Going round a module: type links, the uses page, back and forward, the
// recent modules of the module list, and the pinyin find mode.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/module_opener.h"
#include "app/node_history.h"
#include "app/page_links.h"
#include "app/page_view.h"
#include "app/same_folder_menu.h"
#include "app/settings_location.h"
#include "app/tree_context_menu.h"
#include "settings/control_state_store.h"
#include "tests/app/window_fixture.h"
#include "tests/support/type_use_module.h"

namespace ec::test {
namespace {

class NavigationTest : public ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    Window().loadModule(WriteTypeUseModule(files_.File("点.ec")));
  }
  int NodeNamed(const char* text) {
    for (int i = 0; i < Window().Tree().Count(); ++i)
      if (Window().Tree().Text(i) == text) return i;
    ADD_FAILURE() << "no node " << text;
    return -1;
  }
  std::string CurrentText() { return Window().Tree().Text(Window().Tree().CurrentIndex()); }
  const std::string& Page() { return Window().Page()->Page(); }
  void Click(const std::string& href) { emit Window().Page()->anchorClicked(QUrl(QString::fromStdString(href))); }
  void Keys(Qt::Key key) { QTest::keyClick(Control<QTreeWidget>("树型框"), key, Qt::AltModifier); }
};

TEST_F(NavigationTest, TypeLinksUsesPageAndHistory) {
  ASSERT_TRUE(Window().Tree().Select(NodeNamed("画")));
  const std::string typeLink = "ecview-declaration:dataType/0/0";
  EXPECT_NE(Page().find("<a href=\"" + typeLink + "\">"), std::string::npos) << Page();
  EXPECT_EQ(Page().find("整数型</span></a>"), std::string::npos);  // basic types never link
  // The copies are the texts as before: no link in them.
  Control<QPushButton>("按钮复制代码HTML")->click();
  EXPECT_NE(Clipboard().find("点"), std::string::npos);
  EXPECT_EQ(Clipboard().find("ecview-"), std::string::npos) << Clipboard();

  Click(typeLink);
  EXPECT_EQ(CurrentText(), "点");
  EXPECT_NE(Page().find("ecview-uses:dataType/0/0"), std::string::npos) << Page();
  Click("ecview-uses:dataType/0/0");
  EXPECT_NE(Page().find("使用处"), std::string::npos) << Page();
  EXPECT_NE(Page().find("ecview-declaration:global/0/0"), std::string::npos) << Page();
  const std::string usesPage = Page();
  Click("ecview-declaration:global/0/0");
  EXPECT_EQ(CurrentText(), "原点");

  // Back and forward walk the pages visited, the uses page among them, by
  // keys and by the buttons.
  Keys(Qt::Key_Left);
  EXPECT_EQ(CurrentText(), "点");
  EXPECT_EQ(Page(), usesPage);
  Keys(Qt::Key_Left);
  EXPECT_EQ(CurrentText(), "点");
  EXPECT_NE(Page(), usesPage);
  Keys(Qt::Key_Left);
  EXPECT_EQ(CurrentText(), "画");
  Control<QToolButton>("按钮前进")->click();
  EXPECT_EQ(CurrentText(), "点");
  EXPECT_TRUE(Control<QToolButton>("按钮前进")->isEnabled());
  // Reading the module again keeps the history; another node drops what lay ahead.
  Window().Loader().Reload();
  EXPECT_EQ(CurrentText(), "点");
  Keys(Qt::Key_Left);
  EXPECT_EQ(CurrentText(), "画");
  ASSERT_TRUE(Window().Tree().Select(NodeNamed("原点")));
  EXPECT_FALSE(Control<QToolButton>("按钮前进")->isEnabled());
  // Another module starts a history of its own.
  Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  EXPECT_FALSE(Control<QToolButton>("按钮后退")->isEnabled());

  // The context menu of a data type offers its uses.
  Window().loadModule(files_.File("点.ec"));
  ASSERT_TRUE(Window().Tree().Select(NodeNamed("点")));
  QMenu* menu = Window().ContextMenu().BuildMenu();
  ASSERT_EQ(menu->actions()[0]->text(), "使用处");
  menu->actions()[0]->trigger();
  EXPECT_NE(Page().find("ecview-declaration:subroutine/0/0"), std::string::npos) << Page();
}

TEST_F(NavigationTest, PinyinFindAndRecentModules) {
  auto* mode = Control<QComboBox>("组合框匹配");
  mode->setCurrentIndex(3);
  Control<QLineEdit>("编辑框查找文本")->setText(QStringLiteral("YD"));
  Control<QPushButton>("按钮下一个")->click();
  EXPECT_EQ(CurrentText(), "原点");

  const std::string sample = CopyOf(SampleModule(), "sample.ec");
  Window().loadModule(sample);
  const std::string point = files_.File("点.ec");
  // The module list starts with the modules opened last, newest first.
  SameFolderMenu& menu = Window().Opener().Menu();
  const auto recentPaths = [&menu] {
    QStringList paths;
    for (int row = 0; row < menu.List()->count(); ++row)
      paths.append(menu.List()->item(row)->data(Qt::UserRole).toString());
    return paths;
  };
  menu.Build(sample);
  ASSERT_GE(menu.List()->count(), 3);
  EXPECT_EQ(recentPaths().mid(0, 2), (QStringList{QString::fromStdString(sample), QString::fromStdString(point)}));
  // A module that is gone is greyed; choosing it drops it, here and in the settings.
  std::filesystem::remove(point);
  menu.Build(sample);
  EXPECT_EQ(menu.List()->item(1)->toolTip().toStdString(), point + "（文件已不存在）");
  menu.List()->setCurrentRow(1);
  menu.ChooseCurrent();
  menu.Build(sample);
  EXPECT_FALSE(recentPaths().contains(QString::fromStdString(point)));
  Stop();
  ControlStateStore store;
  ASSERT_TRUE(store.Bind(SettingsFilePath(settings_.path())));
  store.SetSection("最近模块");
  EXPECT_EQ(store.ReadText("模块1", ""), sample);
  EXPECT_EQ(store.ReadText("模块2", "none"), "");
}

}  // namespace
}  // namespace ec::test
