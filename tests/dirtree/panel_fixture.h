#pragma once
// A directory-tree panel over a temporary folder tree: the real folder
// system, a drive "数据" whose mount point is <root>/d, the desktop at
// <root>/desk, documents at <root>/docs, and fakes for the shell and the
// message boxes. Settings go to a folder of the test's own. The panel is
// driven as a user drives it: keys sent to its tree, its menus opened on
// nodes and their entries chosen.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeWidget>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dirtree/dir_tree_panel.h"
#include "platform/folder_system.h"
#include "platform/memory_drive_list.h"
#include "platform/memory_known_folders.h"
#include "platform/recording_shell_commands.h"
#include "settings/control_state_store.h"
#include "tests/support/temp_dir.h"

namespace ec::test {

inline void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

// The entry of `menu` whose text is `text` (submenus by their title).
inline QAction* Entry(const QMenu* menu, const std::string& text) {
  for (QAction* action : menu->actions()) {
    if (action->text().toStdString() == text) return action;
  }
  return nullptr;
}

class FakePrompter : public Prompter {
 public:
  bool Confirm(const std::string& text) override {
    confirmations.push_back(text);
    return answer;
  }
  void Inform(const std::string& text) override { messages.push_back(text); }
  bool answer = true;
  std::vector<std::string> confirmations;
  std::vector<std::string> messages;
};

class PanelTest : public testing::Test {
 public:
  static void RunDeferredSteps();

 protected:
  PanelTest() {
    for (const char* folder : {"d", "desk", "docs", "prog"}) MakeFolder(folder);
    drives_.drives = {{Path("d"), "数据", DriveType::kFixed, false}};
    special_.Set("Desktop", Path("desk"));
    special_.Set("Personal", Path("docs"));
    services_ = {folders_.get(), &special_, &drives_, &shell_, &prompter_, [this] { ++trims_; }, Path("prog"),
                 settings_.path()};
  }

  DirTreePanel& Panel() {
    if (!panel_) panel_ = std::make_unique<DirTreePanel>(services_);
    return *panel_;
  }
  // Closing saves the settings; the next Panel() starts afresh on them.
  void Close() { panel_.reset(); }

  std::string Path(const std::string& relative) const { return (root_.path() / relative).string(); }
  void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(root_.path() / relative); }
  void MakeFile(const std::string& relative) const {
    std::filesystem::create_directories((root_.path() / relative).parent_path());
    std::FILE* file = std::fopen(Path(relative).c_str(), "w");
    if (file != nullptr) std::fclose(file);
  }

  QTreeWidgetItem* Root(const std::string& text) {
    QTreeWidget* tree = Panel().Tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
      if (tree->topLevelItem(i)->text(0).toStdString() == text) return tree->topLevelItem(i);
    }
    return nullptr;
  }
  static QTreeWidgetItem* Child(QTreeWidgetItem* parent, const std::string& text) {
    for (int i = 0; parent != nullptr && i < parent->childCount(); ++i) {
      if (parent->child(i)->text(0).toStdString() == text) return parent->child(i);
    }
    return nullptr;
  }
  static std::vector<std::string> Texts(const QTreeWidgetItem* parent) {
    std::vector<std::string> texts;
    for (int i = 0; i < parent->childCount(); ++i) texts.push_back(parent->child(i)->text(0).toStdString());
    return texts;
  }
  std::vector<std::string> RootTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < Panel().Tree()->topLevelItemCount(); ++i) {
      texts.push_back(Panel().Tree()->topLevelItem(i)->text(0).toStdString());
    }
    return texts;
  }
  QTreeWidgetItem* DriveNode() { return Child(Root("我的电脑"), "数据 (" + Path("d") + ")"); }
  std::string Selected() {
    const QTreeWidgetItem* current = Panel().Tree()->currentItem();
    return current == nullptr ? std::string() : current->text(0).toStdString();
  }
  void Select(QTreeWidgetItem* node) { Panel().Tree()->setCurrentItem(node); }
  void Press(int key) { PressKey(Panel().Tree(), key); }
  // The paths the children of `parent` stand for.
  std::vector<std::string> ChildPaths(const QTreeWidgetItem* parent) {
    std::vector<std::string> paths;
    for (int i = 0; i < parent->childCount(); ++i) paths.push_back(Panel().NodePath(parent->child(i)));
    return paths;
  }

  // One of the panel's menus, by its title ("本地", "特殊夹", "目录树", "不显示的节点").
  QMenu* Menu(const std::string& title) {
    for (QMenu* menu : Panel().findChildren<QMenu*>()) {
      if (menu->title().toStdString() == title) return menu;
    }
    return nullptr;
  }
  QAction* MenuEntry(const std::string& title, const std::string& text) {
    QMenu* menu = Menu(title);
    return menu == nullptr ? nullptr : Entry(menu, text);
  }
  // A right click on `node`: the menu that opened (closed again), or nullptr.
  QMenu* OpenMenuOn(QTreeWidgetItem* node) {
    QTreeWidget* tree = Panel().Tree();
    Panel().show();
    tree->scrollToItem(node);
    emit tree->customContextMenuRequested(tree->visualItemRect(node).center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu != nullptr) menu->hide();
    return menu;
  }

  // A value of the settings file as the closed panel left it.
  std::string SavedText(std::string_view section, std::string_view key) const {
    ControlStateStore store;
    store.Bind(settings_.path() / "目录树.ini");
    store.SetSection(section);
    return store.ReadText(key, "(missing)");
  }

  TempDir root_;
  TempDir settings_;
  std::unique_ptr<FolderSystem> folders_ = CreatePlatformFolderSystem();
  MemoryKnownFolders special_;
  MemoryDriveList drives_;
  RecordingShellCommands shell_;
  FakePrompter prompter_;
  int trims_ = 0;
  DirTreeServices services_;
  std::unique_ptr<DirTreePanel> panel_;
};

// A deferred step may defer another; closed editors are deleted later still.
inline void PanelTest::RunDeferredSteps() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ec::test
