// The panel over temporary folders: roots, lazy listing, paths,
// locating, the host's callback.
#include <QTreeWidget>

#include "dirtree/core/drive_text.h"
#include "platform/memory_folder_system.h"
#include "tests/dirtree/panel_fixture.h"

namespace ec::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST_F(PanelTest, RootsDrivesAndPlaceholders) {
  MakeFolder("desk/a");
  MakeFolder("d/x");
  special_.Set("Fonts", Path("d/x"));
  special_.Set("Cookies", Path("gone"));  // no such folder: not listed
  drives_.drives.push_back({Path("prog"), "", DriveType::kCdRom, true});
  EXPECT_THAT(RootTexts(), ElementsAre("桌面", "我的文档", "我的电脑", "系统夹", "虚拟夹"));
  EXPECT_EQ(Panel().windowTitle().toStdString(), "澜禾·目录树");

  // Roots with subfolders show "?" until expanded; "我的电脑" lists its drives at once.
  EXPECT_THAT(Texts(Root("桌面")), ElementsAre("?"));
  EXPECT_THAT(Texts(Root("我的文档")), IsEmpty());
  EXPECT_TRUE(Root("我的电脑")->isExpanded());
  EXPECT_THAT(Texts(Root("我的电脑")), ElementsAre("数据 (" + Path("d") + ")", "光盘 (" + Path("prog") + ")"));
  EXPECT_EQ(DriveNode()->data(0, kImageRole).toInt(), 4);
  EXPECT_EQ(Root("我的电脑")->child(1)->data(0, kImageRole).toInt(), 10);  // the system drive
  EXPECT_THAT(Texts(DriveNode()), ElementsAre("?"));

  Root("系统夹")->setExpanded(true);
  EXPECT_THAT(Texts(Root("系统夹")), ElementsAre("我的文档(Personal)", "桌面(Desktop)", "字体(Fonts)"));
  EXPECT_THAT(ChildPaths(Root("系统夹")), ElementsAre(Path("docs"), Path("desk"), Path("d/x")));

  EXPECT_EQ(Panel().NodePath(Root("桌面")), Path("desk"));
  EXPECT_EQ(Panel().NodePath(Root("我的文档")), Path("docs"));
  EXPECT_EQ(Panel().NodePath(Root("我的电脑")), "我的电脑");
  EXPECT_EQ(Panel().NodePath(DriveNode()), Path("d"));
  EXPECT_EQ(Panel().NodePath(nullptr), "");
}

TEST_F(PanelTest, ExpandingListsSubfoldersOnceAndProbesThem) {
  MakeFolder("d/files/nothing");  // "files" holds files and one empty folder
  MakeFile("d/files/a.txt");
  MakeFile("d/only-files/b.txt");
  MakeFolder("d/veiled/.hidden");  // its only subfolder is hidden
  MakeFolder("d/.secret");
  QTreeWidgetItem* drive = DriveNode();
  drive->setExpanded(true);
  std::vector<std::string> texts = Texts(drive);
  std::sort(texts.begin(), texts.end());
  EXPECT_THAT(texts, ElementsAre("files", "only-files", "veiled"));  // ".secret" is hidden
  EXPECT_THAT(Texts(Child(drive, "files")), ElementsAre("?"));
  EXPECT_THAT(Texts(Child(drive, "only-files")), IsEmpty());
  EXPECT_THAT(Texts(Child(drive, "veiled")), ElementsAre("?"));  // the probe ignores attributes
  Child(drive, "veiled")->setExpanded(true);
  EXPECT_THAT(Texts(Child(drive, "veiled")), IsEmpty());
  EXPECT_EQ(Panel().NodePath(Child(Child(drive, "files"), "?")), Path("d/files/?"));

  // Collapsing and expanding again lists nothing anew.
  MakeFolder("d/later");
  drive->setExpanded(false);
  drive->setExpanded(true);
  EXPECT_EQ(Child(drive, "later"), nullptr);
  const int trimsBefore = trims_;
  Panel().RefreshChildren(drive);
  EXPECT_NE(Child(drive, "later"), nullptr);
  EXPECT_GT(trims_, trimsBefore);

  // Unchecking "隐藏文件夹" lists hidden folders.
  MenuEntry("不显示的节点", "隐藏文件夹")->trigger();
  EXPECT_FALSE(MenuEntry("不显示的节点", "隐藏文件夹")->isChecked());
  DriveNode()->setExpanded(true);
  EXPECT_NE(Child(DriveNode(), ".secret"), nullptr);
}

TEST_F(PanelTest, FolderGoneSinceListingIsRefreshedAwayOnExpansion) {
  MakeFolder("d/old/inner");
  DriveNode()->setExpanded(true);
  std::filesystem::remove_all(Path("d/old"));
  Child(DriveNode(), "old")->setExpanded(true);
  RunDeferredSteps();
  EXPECT_EQ(Child(DriveNode(), "old"), nullptr);
}

// The probes behind the placeholders: a folder with many subfolders, an
// empty one, a missing one.
TEST(HasSubfolders, LooksAtNoMoreThanThreeEntries) {
  MemoryFolderSystem folders;
  for (int i = 0; i < 50; ++i) folders.AddFolder("/d/up/many/sub" + std::to_string(i));
  folders.AddFolder("/d/empty");
  folders.AddFolder("/d/locked/inner");
  MemoryKnownFolders special;
  special.Set("Desktop", "/d/missing");
  MemoryDriveList drives;
  drives.drives = {{"/d", "", DriveType::kFixed, false}};
  RecordingShellCommands shell;
  FakePrompter prompter;
  DirTreePanel panel({&folders, &special, &drives, &shell, &prompter, {}, "/d", {}});
  EXPECT_EQ(panel.Tree()->topLevelItem(0)->childCount(), 0);  // the desktop's folder is missing
  QTreeWidgetItem* drive = panel.Tree()->topLevelItem(2)->child(0);
  drive->setExpanded(true);
  ASSERT_EQ(drive->childCount(), 3);  // sorted: empty, locked, up
  EXPECT_EQ(drive->child(0)->childCount(), 0);
  QTreeWidgetItem* up = drive->child(2);
  ASSERT_EQ(up->text(0).toStdString(), "up");
  folders.ResetCounters();
  up->setExpanded(true);  // lists "up" (one entry) and probes "many"
  EXPECT_LE(folders.VisitedEntries(), 1 + 3);
  ASSERT_EQ(up->childCount(), 1);
  EXPECT_EQ(up->child(0)->childCount(), 1);  // the placeholder of "many"

  // A folder that can no longer be listed gets no children and no message.
  QTreeWidgetItem* locked = drive->child(1);
  ASSERT_EQ(locked->text(0).toStdString(), "locked");
  ASSERT_EQ(locked->childCount(), 1);  // the placeholder
  folders.MakeUnlistable("/d/locked");
  locked->setExpanded(true);
  EXPECT_EQ(locked->childCount(), 0);
  EXPECT_THAT(prompter.messages, IsEmpty());
}

TEST_F(PanelTest, LocatingFromAFreshTreeGoesThroughTheDrive) {
  MakeFolder("d/a/b/c");
  MakeFolder("d/a/.hid/deep");
  EXPECT_TRUE(Panel().LocatePath(Path("d/a/b") + "//"));
  EXPECT_EQ(Selected(), "b");
  EXPECT_EQ(Panel().NodePath(), Path("d/a/b"));
  EXPECT_TRUE(DriveNode()->isExpanded());
  EXPECT_THAT(Texts(Child(DriveNode(), "a")), ElementsAre("b"));  // ".hid" not listed
  EXPECT_THAT(Texts(Child(Child(DriveNode(), "a"), "b")), ElementsAre("?"));

  // A hidden folder is reached all the same: the descent adds it.
  EXPECT_TRUE(Panel().LocatePath(Path("d/a/.hid/deep")));
  EXPECT_EQ(Panel().NodePath(), Path("d/a/.hid/deep"));
  EXPECT_THAT(Texts(Child(DriveNode(), "a")), ElementsAre("b", ".hid"));

  // Up to an ancestor of the selection, then to a sibling.
  EXPECT_TRUE(Panel().LocatePath(Path("d/a")));
  EXPECT_EQ(Panel().Tree()->currentItem(), Child(DriveNode(), "a"));
  Panel().LocatePath(Path("d/a/b/c"));
  MakeFolder("d/a/b/c2");
  EXPECT_TRUE(Panel().LocatePath(Path("d/a/b/c2")));
  EXPECT_EQ(Panel().NodePath(), Path("d/a/b/c2"));

  // A missing element stops at the deepest folder that exists, with a beep.
  EXPECT_TRUE(Panel().LocatePath(Path("d/a/b/nothing/more")));
  EXPECT_EQ(Panel().NodePath(), Path("d/a/b"));
  EXPECT_EQ(shell_.beeps, 1);
}

TEST_F(PanelTest, LocatingBelowTheDesktopAndDocumentsUsesTheirRoots) {
  MakeFolder("desk/x/y");
  MakeFolder("docs/p");
  MakeFolder("desktop2");  // shares a prefix with the desktop, lies outside it
  drives_.drives.push_back({root_.path().string(), "", DriveType::kFixed, false});
  EXPECT_TRUE(Panel().LocatePath(Path("desk/x/y")));
  EXPECT_EQ(Panel().Tree()->currentItem()->parent()->parent(), Root("桌面"));
  EXPECT_TRUE(Panel().LocatePath(Path("docs/p")));
  EXPECT_EQ(Panel().Tree()->currentItem()->parent(), Root("我的文档"));
  EXPECT_TRUE(Panel().LocatePath(Path("desktop2")));
  EXPECT_EQ(Panel().Tree()->currentItem()->parent()->parent(), Root("我的电脑"));
}

TEST_F(PanelTest, LocatingFailsWithoutMovingTheSelection) {
  MakeFolder("d/a/b");
  MakeFolder("elsewhere");
  Panel().LocatePath(Path("d/a/b"));
  // No drive holds the target.
  EXPECT_FALSE(Panel().LocatePath(Path("elsewhere")));
  // A drive that appeared after the tree was built has no node yet.
  drives_.drives.push_back({Path("elsewhere"), "", DriveType::kFixed, false});
  EXPECT_FALSE(Panel().LocatePath(Path("elsewhere")));
  // Above the selection but above every node too: the walk up stops at the roots.
  EXPECT_FALSE(Panel().LocatePath(root_.path().string()));
  EXPECT_FALSE(Panel().LocatePath(""));
  EXPECT_EQ(Panel().NodePath(), Path("d/a/b"));

  // With "系统夹" and "虚拟夹" hidden the drive is still found.
  MenuEntry("不显示的节点", "系统夹")->trigger();
  MenuEntry("不显示的节点", "虚拟夹")->trigger();
  EXPECT_THAT(RootTexts(), ElementsAre("桌面", "我的文档", "我的电脑"));
  EXPECT_EQ(Panel().NodePath(), Path("d/a/b"));  // the rebuild kept the selection
  Panel().BuildTree(false);
  EXPECT_TRUE(Panel().LocatePath(Path("d/a")));
}

TEST_F(PanelTest, HostCallbackSkipsTheLoadingAndReportsPaths) {
  MakeFolder("d/a");
  QWidget host;
  std::vector<std::string> reported;
  DirTreePanel* panel = DirTreePanel::EmbedPanel(&host, 5, 6, 200, 300,
                                                 [&](int a, int b, const std::string& path) {
                                                   EXPECT_EQ(a, 1);
                                                   EXPECT_EQ(b, 0);
                                                   reported.push_back(path);
                                                 },
                                                 services_);
  EXPECT_EQ(panel->parentWidget(), &host);
  EXPECT_EQ(panel->geometry(), QRect(5, 6, 200, 300));
  EXPECT_THAT(reported, IsEmpty());
  panel->LocatePath(Path("d/a"));
  EXPECT_THAT(reported, ElementsAre(Path("d/a")));
}

}  // namespace
}  // namespace ec::test
