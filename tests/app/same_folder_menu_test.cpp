// The same-folder popup, driven by keys and clicks as a user drives it.
#include "app/same_folder_menu.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "support/utf8_path.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

void Touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }

class SameFolderMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&menu_, &SameFolderMenu::ModuleChosen, [this](const QString& path) { chosen_.append(path); });
    QObject::connect(&menu_, &SameFolderMenu::MissingRecentChosen, [this](const QString& path) { gone_.append(path); });
  }
  QString Current() const {
    return menu_.List()->currentItem() != nullptr ? menu_.List()->currentItem()->text() : QString();
  }
  QString In(const char* name) const { return QString::fromStdString(Utf8FromPath(dir_ / name)); }

  test::TempDir dir_;
  SameFolderMenu menu_;
  QStringList chosen_, gone_;
};

TEST_F(SameFolderMenuTest, ListsModulesAndProgramsInNaturalOrderAndTypingNarrowsIt) {
  for (const char* name : {"10_b.ec", "1_a.EC", "2_c.e", "a&b.ec", "notes.txt"}) Touch(dir_ / name);
  std::filesystem::create_directory(dir_ / "sub.ec");
  menu_.Show(Utf8FromPath(dir_ / "1_a.EC"), QPoint(10, 10));
  ASSERT_TRUE(menu_.Popup()->isVisible());
  EXPECT_EQ(menu_.Folder(), Utf8FromPath(dir_.path()));
  EXPECT_EQ(menu_.VisibleTexts(), (QStringList{"1_a.EC", QStringLiteral("2_c.e") + kProgramMark, "10_b.ec", "a&b.ec"}));

  // Arrows move while the focus stays in the filter box; Enter opens.
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Down);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Down);
  EXPECT_EQ(Current(), "10_b.ec");
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Up);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Return);
  EXPECT_EQ(chosen_, QStringList{In("2_c.e")});
  EXPECT_FALSE(menu_.Popup()->isVisible());

  // Typing narrows, case aside; the first entry left is the one Enter opens.
  menu_.Show(Utf8FromPath(dir_ / "1_a.EC"), QPoint(10, 10));
  EXPECT_TRUE(menu_.FilterBox()->text().isEmpty());
  QTest::keyClicks(menu_.FilterBox(), QStringLiteral("B"));
  EXPECT_EQ(menu_.VisibleTexts(), (QStringList{"10_b.ec", "a&b.ec"}));
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Backspace);
  QTest::keyClicks(menu_.FilterBox(), QStringLiteral("_B"));
  EXPECT_EQ(menu_.VisibleTexts(), (QStringList{"10_b.ec"}));
  QTest::keyClicks(menu_.FilterBox(), QStringLiteral("x"));
  EXPECT_TRUE(menu_.VisibleTexts().isEmpty());
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Return);  // nothing left: nothing opens
  EXPECT_EQ(chosen_.size(), 1);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Backspace);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Return);
  EXPECT_EQ(chosen_.last(), In("10_b.ec"));

  // A click opens the entry clicked.
  menu_.Show(Utf8FromPath(dir_ / "1_a.EC"), QPoint(10, 10));
  QListWidgetItem* last = menu_.List()->item(3);
  QTest::mouseClick(menu_.List()->viewport(), Qt::LeftButton, {}, menu_.List()->visualItemRect(last).center());
  EXPECT_EQ(chosen_.last(), In("a&b.ec"));
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Escape);
  EXPECT_FALSE(menu_.Popup()->isVisible());
}

TEST_F(SameFolderMenuTest, RecentModulesComeFirstAndAGoneOneIsDroppedWhenChosen) {
  Touch(dir_ / "here.ec");
  menu_.SetRecent({Utf8FromPath(dir_ / "here.ec"), "/nowhere/gone.ec"});
  menu_.Show(Utf8FromPath(dir_ / "here.ec"), QPoint(0, 0));
  EXPECT_EQ(menu_.VisibleTexts(), (QStringList{"here.ec", "gone.ec", "here.ec"}));
  EXPECT_EQ(menu_.List()->item(1)->toolTip(), QStringLiteral("/nowhere/gone.ec（文件已不存在）"));
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Down);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Return);
  EXPECT_EQ(gone_, QStringList{"/nowhere/gone.ec"});
  EXPECT_TRUE(chosen_.isEmpty());
}

TEST_F(SameFolderMenuTest, AFolderWithoutModulesShowsOneGreyedLine) {
  std::filesystem::create_directory(dir_ / "empty");
  menu_.Show(Utf8FromPath(dir_ / "empty" / "取文本.ec"), QPoint(0, 0));
  EXPECT_EQ(menu_.VisibleTexts(),
            QStringList{QString::fromStdString("当前目录暂无EC文件：" + Utf8FromPath(dir_ / "empty") + "/")});
  EXPECT_FALSE(menu_.List()->item(0)->flags() & Qt::ItemIsEnabled);
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Return);
  menu_.ChooseCurrent();
  EXPECT_TRUE(chosen_.isEmpty());
  // A path without a folder lists the root folder.
  menu_.Build("这是模块文件路径；可拖放模块到窗口");
  EXPECT_EQ(menu_.Folder(), "");
}

// 480 modules: all of them in the list, which fits on the screen and scrolls.
TEST_F(SameFolderMenuTest, FourHundredEightyModulesAllFitOnTheScreen) {
  for (int i = 1; i <= 480; ++i) Touch(dir_ / (std::to_string(i) + "_模块.ec"));
  menu_.Show(Utf8FromPath(dir_ / "1_模块.ec"), QPoint(5000, 5000));
  const QStringList texts = menu_.VisibleTexts();
  ASSERT_EQ(texts.size(), 480);
  EXPECT_EQ(texts[1], QStringLiteral("2_模块.ec"));
  EXPECT_EQ(texts[479], QStringLiteral("480_模块.ec"));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(menu_.Popup()->frameGeometry())) << screen.width() << "x" << screen.height();
  QTest::keyClicks(menu_.FilterBox(), QStringLiteral("479"));
  EXPECT_EQ(menu_.VisibleTexts(), QStringList{QStringLiteral("479_模块.ec")});
  QTest::keyClick(menu_.FilterBox(), Qt::Key_Enter);
  EXPECT_EQ(chosen_, QStringList{In("479_模块.ec")});
}

}  // namespace
}  // namespace ec
