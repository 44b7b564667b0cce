// The window-free rules of the directory tree: paths, drive texts, keys and
// the settings file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/core/drive_text.h"
#include "dirtree/core/folder_path.h"
#include "dirtree/core/system_folder_table.h"
#include "dirtree/core/tree_settings.h"
#include "platform/memory_known_folders.h"
#include "settings/control_state_store.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using testing::ElementsAre;
using Elements = std::vector<std::string>;

TEST(FolderPath, JoinStripAndContain) {
  EXPECT_EQ(JoinPath("/", "home"), "/home");
  EXPECT_EQ(JoinPath("/d/", "/a"), "/d/a");
  EXPECT_EQ(JoinPath("", "a"), "a");
  EXPECT_EQ(StripTrailingSeparators("/d/a///"), "/d/a");
  EXPECT_EQ(StripTrailingSeparators("///"), "/");
  EXPECT_EQ(StripTrailingSeparators("/d" + std::string(12, '/')), "/d//");  // at most ten
  EXPECT_EQ(LastComponent("/d/a/"), "a");
  EXPECT_EQ(LastComponent("/"), "/");
  EXPECT_EQ(LastComponent("C:"), "C:");
  EXPECT_EQ(FolderPart("/d/a"), "/d");

  EXPECT_EQ(ElementsBelow("/d/a/b", "/d"), Elements({"a", "b"}));
  EXPECT_EQ(ElementsBelow("/d", "/d"), Elements{});
  EXPECT_EQ(ElementsBelow("/home", "/"), Elements{"home"});
  EXPECT_EQ(ElementsBelow("/d/./a//b/../c", "/d"), Elements({"a", "c"}));
  EXPECT_EQ(ElementsBelow("/data", "/d"), std::nullopt);
  EXPECT_EQ(ElementsBelow("/d/../e", "/d"), std::nullopt);
  EXPECT_EQ(ElementsBelow("/d", ""), std::nullopt);
  EXPECT_EQ(ElementsBelow("/D/a", "/d"), std::nullopt);  // Linux names keep their case
  EXPECT_FALSE(SamePath("/d/A", "/d/a"));

  EXPECT_TRUE(EndsWithExe("/d/Tool.ExE"));
  EXPECT_FALSE(EndsWithExe("exe"));
  for (const char* name : {"", ".", "..", "a/b", "a\\b"}) EXPECT_FALSE(IsPlainFolderName(name)) << name;
  EXPECT_TRUE(IsPlainFolderName("...a"));
}

TEST(DriveText, LabelOrTypeWordAndBack) {
  EXPECT_EQ(DriveText("", DriveType::kFixed, "C:"), "硬盘 (C:)");
  EXPECT_EQ(DriveText("", DriveType::kCdRom, "D:"), "光盘 (D:)");
  EXPECT_EQ(DriveText("", DriveType::kRemovable, "E:"), "移动盘 (E:)");
  EXPECT_EQ(DriveText("", DriveType::kOther, "F:"), "其他盘 (F:)");
  const std::string text = DriveText("备份 (旧)", DriveType::kFixed, "/media/x");
  EXPECT_EQ(DriveNameOfText(text), "/media/x");
  EXPECT_EQ(DriveLabelOfText(text), "备份 (旧)");
  EXPECT_EQ(DriveNameOfText("no drive"), "");
}

TEST(SystemFolderTable, EntriesAndRange) {
  MemoryKnownFolders folders;
  folders.Set("temp", "/tmp");
  EXPECT_EQ(SystemFolderName(15), "临时文件(Temp)");
  EXPECT_EQ(SystemFolderPath(folders, 15), "/tmp");
  EXPECT_EQ(SystemFolderPath(folders, 0), "");
  EXPECT_EQ(SystemFolderName(23), "超出范围，最小 0，最大 22");
  EXPECT_EQ(SystemFolderPath(folders, -1), "超出范围，最小 0，最大 22");
}

TEST(DirTreeKeys, CommandsByKindAndKey) {
  const SelectedNode folder{DirTreeNodeKind::kFolder, DirTreeNodeKind::kDrive};
  const SelectedNode desktop{DirTreeNodeKind::kDesktop, DirTreeNodeKind::kFolder};
  const SelectedNode pinned{DirTreeNodeKind::kEntry, DirTreeNodeKind::kVirtualFolderRoot};
  const SelectedNode computer{DirTreeNodeKind::kComputer, DirTreeNodeKind::kFolder};
  const SelectedNode virtualRoot{DirTreeNodeKind::kVirtualFolderRoot, DirTreeNodeKind::kFolder};
  EXPECT_EQ(CommandForKey(TreeKey::kF5, folder), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kF1, folder), DirTreeCommand::kNewFolder);
  EXPECT_EQ(CommandForKey(TreeKey::kF2, desktop), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kDelete, desktop), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kInsert, folder), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kInsert, pinned), DirTreeCommand::kRemoveVirtual);
  EXPECT_EQ(CommandForKey(TreeKey::kF9, pinned), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kF1, computer), DirTreeCommand::kAbout);
  EXPECT_EQ(CommandForKey(TreeKey::kDelete, computer), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kDelete, virtualRoot), DirTreeCommand::kClear);
  EXPECT_EQ(CommandForKey(TreeKey::kF4, computer), DirTreeCommand::kNone);
  EXPECT_EQ(CommandForKey(TreeKey::kF12, std::nullopt), DirTreeCommand::kRebuild);
  EXPECT_EQ(CommandForKey(TreeKey::kF1, std::nullopt), DirTreeCommand::kNone);
  // Each of these is a real folder: F1 makes a new folder in it, and the
  // menu's "新建" is enabled, while deleting the folder itself stays refused.
  for (const SelectedNode node : {desktop, SelectedNode{DirTreeNodeKind::kDocuments, DirTreeNodeKind::kFolder},
                                  SelectedNode{DirTreeNodeKind::kDrive, DirTreeNodeKind::kComputer},
                                  SelectedNode{DirTreeNodeKind::kSystemDrive, DirTreeNodeKind::kComputer},
                                  SelectedNode{DirTreeNodeKind::kEntry, DirTreeNodeKind::kSystemFolderRoot}}) {
    EXPECT_EQ(CommandForKey(TreeKey::kF1, node), DirTreeCommand::kNewFolder) << static_cast<int>(node.kind);
    EXPECT_TRUE(LocalMenuRulesFor(node).newEnabled);
    EXPECT_FALSE(LocalMenuRulesFor(node).deleteEnabled);
  }
}

TEST(NewFolderNumber, FirstFreeAfterTakenOnes) {
  const std::set<std::string> taken = {"/w/新文件夹 1", "/w/新文件夹 2", "/w/新文件夹 4"};
  EXPECT_EQ(FreeNewFolderNumber("/w", [&](const std::string& path) { return taken.count(path) != 0; }), 3);
  EXPECT_EQ(FreeNewFolderNumber("/w", [](const std::string&) { return true; }), 0);
}

TEST(TreeSettings, SlotsCountsAndChecksSurviveTheFile) {
  test::TempDir folder;
  const auto file = folder.path() / "目录树.ini";
  const auto exists = [](const std::string& path) { return path == "/a" || path == "/c"; };
  {
    ControlStateStore store;
    ASSERT_TRUE(store.Bind(file));
    TreeSettings settings;
    settings.virtualFolders = {{"/a", ""}, {"", "removed"}, {"/b", "gone"}, {"/c", "三"}};
    settings.hidden[HiddenNode::kDocuments] = true;
    settings.hidden[HiddenNode::kHiddenFolders] = false;
    EXPECT_EQ(FolderAttributeMask(settings.hidden), 0u);
    WriteTreeSettings(store, settings);
  }
  ControlStateStore store;
  ASSERT_TRUE(store.Bind(file));
  TreeSettings read;
  ReadTreeSettings(store, exists, "/prog", read);
  ASSERT_EQ(read.virtualFolders.size(), 2u);
  EXPECT_EQ(read.virtualFolders[0].path, "/a");
  EXPECT_EQ(read.virtualFolders[1].name, "三");
  EXPECT_TRUE(read.hidden[HiddenNode::kDocuments]);
  EXPECT_FALSE(read.hidden[HiddenNode::kHiddenFolders]);

  // A count the file cannot hold, or none at all, gives the default entry.
  for (const char* count : {"2000000000", "-3", "abc"}) {
    store.SetSection("虚拟夹");
    store.WriteText("项目数", count);
    TreeSettings damaged;
    ReadTreeSettings(store, exists, "/prog", damaged);
    ASSERT_EQ(damaged.virtualFolders.size(), std::string(count) == "2000000000" ? 2u : 1u) << count;
  }
  ControlStateStore empty;
  TreeSettings fresh;
  ReadTreeSettings(empty, exists, "/prog", fresh);
  ASSERT_EQ(fresh.virtualFolders.size(), 1u);
  EXPECT_EQ(fresh.virtualFolders[0].path, "/prog");
  EXPECT_EQ(fresh.virtualFolders[0].name, "本程序所在目录");
  EXPECT_EQ(FolderAttributeMask(fresh.hidden), 2u);
}

}  // namespace
}  // namespace ec
