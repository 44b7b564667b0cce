// The panel's commands on temporary folders: menus, keys,
// folders made, renamed and deleted, drive labels, pinned folders.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "dirtree/core/drive_text.h"
#include "platform/memory_folder_system.h"
#include "support/file_bytes.h"
#include "tests/dirtree/panel_fixture.h"

namespace ec::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::vector<std::string> Entries(const QMenu* menu, bool withKeys = false) {
  std::vector<std::string> texts;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    std::string text = action->text().toStdString();
    if (!action->isVisible()) text += " (invisible)";
    if (withKeys && !action->shortcut().isEmpty()) text += " " + action->shortcut().toString().toStdString();
    texts.push_back(text);
  }
  return texts;
}

// Closed editors linger hidden until their deferred deletion.
QLineEdit* OpenEditor(QTreeWidget* tree) {
  for (QLineEdit* editor : tree->findChildren<QLineEdit*>()) {
    if (!editor->isHidden()) return editor;
  }
  return nullptr;
}

void Edit(QTreeWidget* tree, const QString& text, int key = Qt::Key_Return) {
  QLineEdit* editor = OpenEditor(tree);
  ASSERT_NE(editor, nullptr);
  editor->setText(text);
  PressKey(editor, key);
  PanelTest::RunDeferredSteps();  // the editor hands its text over in a queued call
}

TEST_F(PanelTest, MenuTextsKeysAndChecks) {
  ASSERT_NE(Menu("本地"), nullptr);
  EXPECT_THAT(Entries(Menu("本地"), true),
              ElementsAre("打开 F4", "定位 F3", "改名 F2", "新建 F1", "删除 Del", "移除 Ins", "复制名称 F6", "复制路径 F7",
                          "刷新子目录 F8", "批量打勾 (invisible)", "加入虚拟夹 F9"));
  ASSERT_NE(Menu("特殊夹"), nullptr);
  EXPECT_THAT(Entries(Menu("特殊夹"), true), ElementsAre("清空 Del", "刷新 F8", "关于 F1"));
  ASSERT_NE(Menu("目录树"), nullptr);
  EXPECT_THAT(Entries(Menu("目录树"), true), ElementsAre("重建目录树 F12", "不显示的节点", "立即保存目录树配置",
                                                       "关于目录树..", "协助完善目录树.. (invisible)"));
  ASSERT_NE(Menu("不显示的节点"), nullptr);
  EXPECT_EQ(Entry(Menu("目录树"), "不显示的节点")->menu(), Menu("不显示的节点"));
  EXPECT_THAT(Entries(Menu("不显示的节点")),
              ElementsAre("我的文档", "系统夹", "虚拟夹", "隐藏文件夹", "系统文件夹", "只读文件夹"));
  EXPECT_TRUE(MenuEntry("不显示的节点", "隐藏文件夹")->isChecked());
  EXPECT_FALSE(MenuEntry("不显示的节点", "我的文档")->isChecked());

  // A right click on a special root opens "特殊夹", set for that root; on
  // the empty space, "目录树".
  const auto special = [&](const char* root) {
    QMenu* menu = OpenMenuOn(Root(root));
    EXPECT_EQ(menu, Menu("特殊夹")) << root;
    return menu == nullptr ? std::vector<std::string>() : Entries(menu);
  };
  EXPECT_THAT(special("我的电脑"), ElementsAre("清空 (invisible)", "刷新", "关于 我的电脑"));
  EXPECT_THAT(special("系统夹"), ElementsAre("清空 (invisible)", "刷新", "关于 系统夹"));
  EXPECT_THAT(special("虚拟夹"), ElementsAre("清空", "刷新", "关于 虚拟夹"));

  QTreeWidget* tree = Panel().Tree();
  emit tree->customContextMenuRequested(QPoint(5, tree->viewport()->height() - 2));
  EXPECT_EQ(QApplication::activePopupWidget(), Menu("目录树"));
  if (QWidget* open = QApplication::activePopupWidget()) open->hide();

  // A check mark chosen in the submenu rebuilds the tree and is saved.
  MenuEntry("不显示的节点", "我的文档")->trigger();
  EXPECT_THAT(RootTexts(), ElementsAre("桌面", "我的电脑", "系统夹", "虚拟夹"));
  Close();
  EXPECT_TRUE(MenuEntry("不显示的节点", "我的文档")->isChecked());
  EXPECT_EQ(Root("我的文档"), nullptr);
}

TEST_F(PanelTest, EnablingRulesOfTheLocalMenu) {
  MakeFolder("d/f");
  Root("系统夹")->setExpanded(true);
  Root("虚拟夹")->setExpanded(true);
  DriveNode()->setExpanded(true);
  struct Case {
    QTreeWidgetItem* node;
    const char* expected;  // 删除 改名 新建 移除-visible 加入虚拟夹
  };
  const Case cases[] = {
      {Child(DriveNode(), "f"), "11101"},  {Root("桌面"), "00101"},
      {Root("我的文档"), "00101"},         {DriveNode(), "01101"},
      {Root("系统夹")->child(0), "00101"}, {Root("虚拟夹")->child(0), "11110"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.node, nullptr);
    QMenu* local = OpenMenuOn(c.node);
    ASSERT_EQ(local, Menu("本地")) << c.node->text(0).toStdString();
    std::string got;
    got += Entry(local, "删除")->isEnabled() ? '1' : '0';
    got += Entry(local, "改名")->isEnabled() ? '1' : '0';
    got += Entry(local, "新建")->isEnabled() ? '1' : '0';
    got += Entry(local, "移除")->isVisible() ? '1' : '0';
    got += Entry(local, "加入虚拟夹")->isEnabled() ? '1' : '0';
    EXPECT_EQ(got, c.expected) << c.node->text(0).toStdString();
  }
}

// The panel shows no check boxes; a host may switch them on.
TEST_F(PanelTest, CheckBoxesSpareTheSpecialRoots) {
  MakeFolder("d/a");
  MakeFolder("d/b");
  DriveNode()->setExpanded(true);
  TreeViewHelper host;
  ASSERT_TRUE(host.Bind(Panel().Tree()));
  host.EnableCheckBoxes();
  Root("我的电脑")->setCheckState(0, Qt::Checked);
  EXPECT_EQ(Root("我的电脑")->checkState(0), Qt::Unchecked);
  Select(DriveNode());
  EXPECT_EQ(Child(DriveNode(), "a")->checkState(0), Qt::Unchecked);
  MenuEntry("本地", "批量打勾")->trigger();
  EXPECT_EQ(Child(DriveNode(), "a")->checkState(0), Qt::Checked);
  EXPECT_EQ(Child(DriveNode(), "b")->checkState(0), Qt::Checked);
}

TEST_F(PanelTest, KeysActOnTheSelectedNode) {
  MakeFolder("d/f/sub");
  MakeFolder("d/tool.EXE");
  DriveNode()->setExpanded(true);
  QTreeWidget* tree = Panel().Tree();

  // Without a selection only F12 acts.
  tree->setCurrentItem(nullptr);
  PressKey(tree, Qt::Key_F1);
  PressKey(tree, Qt::Key_Delete);
  EXPECT_FALSE(std::filesystem::exists("新文件夹 1"));
  EXPECT_FALSE(std::filesystem::exists("/新文件夹 1"));
  EXPECT_THAT(prompter_.confirmations, IsEmpty());

  Select(Child(DriveNode(), "f"));
  PressKey(tree, Qt::Key_F5);
  EXPECT_THAT(shell_.calls, IsEmpty());
  EXPECT_THAT(prompter_.messages, IsEmpty());
  PressKey(tree, Qt::Key_F4);
  PressKey(tree, Qt::Key_F3);
  EXPECT_THAT(shell_.calls, ElementsAre("open " + Path("d/f"), "show " + Path("d/f")));
  PressKey(tree, Qt::Key_F6);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "f");
  PressKey(tree, Qt::Key_F7);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), Path("d/f"));

  // ".exe" in any case is a program where the system starts programs.
  Select(Child(DriveNode(), "tool.EXE"));
  PressKey(tree, Qt::Key_F4);
  shell_.startsPrograms = true;
  PressKey(tree, Qt::Key_F4);
  EXPECT_EQ(shell_.calls.at(2), "open " + Path("d/tool.EXE"));
  EXPECT_EQ(shell_.calls.at(3), "start " + Path("d/tool.EXE"));

  // F2 on the desktop does nothing: "改名" is disabled there.
  Select(Root("桌面"));
  PressKey(tree, Qt::Key_F2);
  RunDeferredSteps();
  EXPECT_EQ(OpenEditor(tree), nullptr);
  // A drive is a real folder: F1 makes a new folder in it.
  Select(DriveNode());
  PressKey(tree, Qt::Key_F1);
  RunDeferredSteps();
  EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(Path("d/新文件夹 1"))));
  EXPECT_THAT(prompter_.messages, IsEmpty());
  // Del on "我的电脑" has no "清空".
  Select(Root("我的电脑"));
  PressKey(tree, Qt::Key_Delete);
  EXPECT_THAT(prompter_.confirmations, IsEmpty());
  PressKey(tree, Qt::Key_F1);
  EXPECT_EQ(prompter_.messages.size(), 1u);

  // F12 rebuilds and keeps the selection.
  Panel().LocatePath(Path("d/f/sub"));
  PressKey(tree, Qt::Key_F12);
  EXPECT_EQ(Panel().NodePath(), Path("d/f/sub"));
  EXPECT_NE(tree->currentItem(), nullptr);
}

TEST_F(PanelTest, NewFolderTakesTheNextFreeNumber) {
  MakeFolder("d/w/新文件夹 1");
  MakeFolder("d/w/新文件夹 2");
  Panel().LocatePath(Path("d/w"));
  Panel().show();  // with the focus in play: the new folder's editor must keep it
  QApplication::setActiveWindow(&Panel());
  Panel().Tree()->setFocus();
  Press(Qt::Key_F1);
  RunDeferredSteps();
  EXPECT_TRUE(std::filesystem::is_directory(Path("d/w/新文件夹 3")));
  EXPECT_EQ(Selected(), "新文件夹 3");
  EXPECT_THAT(Texts(Panel().Tree()->currentItem()->parent()), ElementsAre("新文件夹 1", "新文件夹 2", "新文件夹 3"));
  EXPECT_NE(OpenEditor(Panel().Tree()), nullptr);
}

TEST_F(PanelTest, DeletingNeedsOkAndReportsFailure) {
  MakeFolder("d/doomed/inner");
  MakeFolder("outside");
  std::filesystem::create_directory_symlink(Path("outside"), Path("d/doomed/link"));
  Panel().LocatePath(Path("d/doomed"));
  prompter_.answer = false;
  Press(Qt::Key_Delete);
  EXPECT_THAT(prompter_.confirmations, ElementsAre("确定要删除文件夹 doomed 吗？删除后不可恢复！"));
  EXPECT_TRUE(std::filesystem::exists(Path("d/doomed")));
  prompter_.answer = true;
  Press(Qt::Key_Delete);
  EXPECT_FALSE(std::filesystem::exists(Path("d/doomed")));
  EXPECT_TRUE(std::filesystem::exists(Path("outside")));  // the link went, not what it led to
  EXPECT_EQ(Child(DriveNode(), "doomed"), nullptr);

  // A drive pinned under "虚拟夹" is never deleted.
  Select(DriveNode());
  Press(Qt::Key_F9);
  Press(Qt::Key_Delete);
  EXPECT_THAT(prompter_.messages, ElementsAre("删除失败！" + Path("d")));
  EXPECT_EQ(prompter_.confirmations.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(Path("d")));
}

TEST(DirTreeFailures, FailedCreateAndDeleteAreReported) {
  MemoryFolderSystem folders;
  folders.AddFolder("/d/f");
  MemoryKnownFolders special;
  MemoryDriveList drives;
  drives.drives = {{"/d", "", DriveType::kFixed, false}};
  RecordingShellCommands shell;
  FakePrompter prompter;
  DirTreePanel panel({&folders, &special, &drives, &shell, &prompter, {}, "/d", {}});
  folders.failCreate = true;
  folders.failDelete = true;
  ASSERT_TRUE(panel.LocatePath("/d/f"));
  PressKey(panel.Tree(), Qt::Key_F1);
  PressKey(panel.Tree(), Qt::Key_Delete);
  EXPECT_THAT(prompter.messages, ElementsAre("创建目录失败！请确保磁盘可写。", "删除失败！/d/f"));
  EXPECT_EQ(panel.NodePath(), "/d/f");
  EXPECT_EQ(panel.Tree()->currentItem()->childCount(), 0);
}

TEST_F(PanelTest, RenamingAFolderChecksTheName) {
  MakeFolder("d/old");
  MakeFolder("d/taken");
  Panel().LocatePath(Path("d/old"));
  QTreeWidgetItem* node = Panel().Tree()->currentItem();
  // The editor as the user drives it: F2, a new name, Enter.
  for (const char* refused : {"", "old", "a/b", "a\\b", "..", ".", "taken"}) {
    Press(Qt::Key_F2);
    Edit(Panel().Tree(), QString::fromUtf8(refused));
    EXPECT_EQ(node->text(0).toStdString(), "old") << refused;
  }
  EXPECT_TRUE(std::filesystem::is_directory(Path("d/old")));
  EXPECT_TRUE(std::filesystem::is_directory(Path("d/taken")));
  EXPECT_THAT(Texts(DriveNode()), ElementsAre("old", "taken"));

  Press(Qt::Key_F2);
  Edit(Panel().Tree(), QStringLiteral("新名"));
  EXPECT_EQ(node->text(0).toStdString(), "新名");
  EXPECT_TRUE(std::filesystem::is_directory(Path("d/新名")));
  EXPECT_EQ(Panel().NodePath(node), Path("d/新名"));
}

void Click(QTreeWidget* tree, QTreeWidgetItem* item) {
  const QPoint center = tree->visualItemRect(item).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, center, tree->viewport()->mapToGlobal(center), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &event);
  }
}

TEST_F(PanelTest, DriveLabelsAreEditedBare) {
  QTreeWidget* tree = Panel().Tree();
  Panel().show();
  // Clicking a selected drive is no request to edit its label.
  Click(tree, DriveNode());
  Click(tree, DriveNode());
  RunDeferredSteps();
  EXPECT_EQ(Selected(), "数据 (" + Path("d") + ")");
  EXPECT_EQ(OpenEditor(tree), nullptr);
  const auto editLabel = [&](const QString& text, int key) {
    const std::string before = tree->currentItem()->text(0).toStdString();
    Press(Qt::Key_F2);
    EXPECT_EQ(OpenEditor(tree), nullptr);  // the first request only strips " (…)"
    RunDeferredSteps();
    EXPECT_EQ(tree->currentItem()->text(0).toStdString(), DriveLabelOfText(before));
    Edit(tree, text, key);
    RunDeferredSteps();
  };
  const std::string suffix = " (" + Path("d") + ")";

  editLabel(QString(), Qt::Key_Return);  // nothing entered: the type word
  EXPECT_EQ(drives_.drives[0].label, "硬盘");
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), "硬盘" + suffix);

  editLabel(QStringLiteral("资料"), Qt::Key_Escape);
  EXPECT_EQ(drives_.drives[0].label, "硬盘");
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), "硬盘" + suffix);

  drives_.labelsChange = false;  // as on Linux
  editLabel(QStringLiteral("资料"), Qt::Key_Return);
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), "硬盘" + suffix);
}

TEST_F(PanelTest, PinnedFoldersAreAddedRenamedRemovedAndSaved) {
  MakeFolder("d/p1/x");
  MakeFolder("d/p2");
  for (const char* folder : {"d/p1", "d/p2"}) {
    Panel().LocatePath(Path(folder));
    Press(Qt::Key_F9);
    RunDeferredSteps();
  }
  // An empty settings file gives the program's folder as the first entry.
  QTreeWidgetItem* pinned = Root("虚拟夹");
  EXPECT_THAT(Texts(pinned), ElementsAre("本程序所在目录", "p1", "p2"));
  EXPECT_THAT(ChildPaths(pinned), ElementsAre(Path("prog"), Path("d/p1"), Path("d/p2")));
  EXPECT_EQ(Selected(), "p2");
  EXPECT_THAT(Texts(pinned->child(1)), ElementsAre("?"));

  // A name of its own in the editor F9 opened, then nothing: the folder's
  // name comes back. Listing the root again (F8) shows the names kept.
  Edit(Panel().Tree(), QStringLiteral("第二"));
  EXPECT_EQ(pinned->child(2)->text(0).toStdString(), "第二");
  RunDeferredSteps();
  Select(pinned);
  Press(Qt::Key_F8);
  EXPECT_THAT(Texts(pinned), ElementsAre("本程序所在目录", "p1", "第二"));
  Select(pinned->child(2));
  Press(Qt::Key_F2);
  Edit(Panel().Tree(), QString());
  RunDeferredSteps();
  EXPECT_EQ(pinned->child(2)->text(0).toStdString(), "p2");
  Select(pinned);
  Press(Qt::Key_F8);
  EXPECT_THAT(Texts(pinned), ElementsAre("本程序所在目录", "p1", "p2"));

  // Removing keeps the folder and leaves an empty slot until the next start.
  Select(pinned->child(1));
  Press(Qt::Key_Insert);
  EXPECT_EQ(prompter_.confirmations.back(),
            "确定要移除虚拟子夹<p1>吗？\r\n\r\n虚拟子夹对应路径：" + Path("d/p1") +
                "\r\n\r\n注：此操作不是删除虚拟子夹对应的文件夹，而仅是移除该项目在目录树中的显示而已");
  EXPECT_TRUE(std::filesystem::exists(Path("d/p1")));
  EXPECT_THAT(Texts(pinned), ElementsAre("本程序所在目录", "p2"));
  Close();
  const std::string saved = ReadFileBytes(settings_.path() / "目录树.ini").value_or("");
  EXPECT_NE(saved.find("\xcf\xee\xc4\xbf\xca\xfd=3"), std::string::npos);  // 项目数=3 in GBK
  EXPECT_EQ(SavedText("虚拟夹", "路径 2"), "");
  EXPECT_EQ(SavedText("虚拟夹", "路径 3"), Path("d/p2"));
  EXPECT_EQ(SavedText("虚拟夹", "名称 3"), "p2");
  std::filesystem::remove_all(Path("prog"));  // a slot whose folder is gone is skipped too
  Root("虚拟夹")->setExpanded(true);
  EXPECT_THAT(Texts(Root("虚拟夹")), ElementsAre("p2"));
  EXPECT_THAT(ChildPaths(Root("虚拟夹")), ElementsAre(Path("d/p2")));
  Close();
  EXPECT_EQ(SavedText("虚拟夹", "项目数"), "1");
  EXPECT_EQ(SavedText("虚拟夹", "路径 1"), Path("d/p2"));
}

TEST_F(PanelTest, ClearingPinnedFoldersBringsBackTheDefaultEntry) {
  Select(Root("虚拟夹"));
  prompter_.answer = false;
  Press(Qt::Key_Delete);
  Root("虚拟夹")->setExpanded(true);
  EXPECT_THAT(Texts(Root("虚拟夹")), ElementsAre("本程序所在目录"));
  prompter_.answer = true;
  Press(Qt::Key_Delete);
  EXPECT_TRUE(prompter_.confirmations.back().starts_with("确实要清空（全部删除）下级项目吗？"));
  EXPECT_EQ(Root("虚拟夹")->childCount(), 0);
  Press(Qt::Key_F8);  // listed again: the list itself is empty
  EXPECT_EQ(Root("虚拟夹")->childCount(), 0);
  Close();
  EXPECT_EQ(SavedText("虚拟夹", "项目数"), "0");
  Root("虚拟夹")->setExpanded(true);
  EXPECT_THAT(Texts(Root("虚拟夹")), ElementsAre("本程序所在目录"));
  EXPECT_THAT(ChildPaths(Root("虚拟夹")), ElementsAre(Path("prog")));
}

}  // namespace
}  // namespace ec::test
