#include "app/same_folder_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <filesystem>
#include <fstream>

#include "support/utf8_path.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

void Touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }

QStringList EntryTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

TEST(SameFolderMenu, ListsTheModulesBesideTheCurrentOneAndReportsTheChoice) {
  test::TempDir dir;
  const std::string folder = Utf8FromPath(dir.path());
  Touch(dir.path() / "b.ec");
  Touch(dir.path() / "A.EC");
  Touch(dir.path() / "a&b.ec");
  Touch(dir.path() / "notes.txt");
  std::filesystem::create_directory(dir.path() / "sub.ec");

  SameFolderMenu menu;
  QStringList chosen;
  QObject::connect(&menu, &SameFolderMenu::ModuleChosen, [&chosen](const QString& path) { chosen.append(path); });
  QMenu* popup = menu.Build(folder + "/b.ec");
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->title(), QStringLiteral("模块列表"));
  EXPECT_EQ(menu.Folder(), folder);
  EXPECT_EQ(EntryTexts(popup), (QStringList{QStringLiteral("a&&b.ec"), QStringLiteral("A.EC"), QStringLiteral("b.ec")}));

  popup->actions().at(0)->trigger();
  popup->actions().at(1)->trigger();
  ASSERT_EQ(chosen.count(), 2);
  EXPECT_EQ(chosen.at(0), QString::fromStdString(folder + "/a&b.ec"));
  EXPECT_EQ(chosen.at(1), QString::fromStdString(folder + "/A.EC"));

  // A rebuild replaces the menu; the folder is taken from the new text.
  std::filesystem::create_directory(dir.path() / "empty");
  QMenu* again = menu.Build(folder + "/empty/取文本.ec");
  EXPECT_EQ(menu.Menu(), again);
  EXPECT_EQ(EntryTexts(again), (QStringList{QString::fromStdString("当前目录暂无EC文件：" + folder + "/empty/"), QStringLiteral("-")}));
  EXPECT_FALSE(again->actions().at(0)->isEnabled());
  again->actions().at(0)->trigger();
  EXPECT_EQ(chosen.count(), 2);
}

TEST(SameFolderMenu, PathWithoutFolderListsTheRootFolder) {
  SameFolderMenu menu;
  QMenu* popup = menu.Build("这是模块文件路径；可拖放模块到窗口");
  EXPECT_EQ(menu.Folder(), "");
  EXPECT_EQ(EntryTexts(popup), (QStringList{QStringLiteral("当前目录暂无EC文件：/"), QStringLiteral("-")}));
}

}  // namespace
}  // namespace ec
