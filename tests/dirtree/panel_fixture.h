#pragma once
// A directory-tree panel over a temporary folder tree: the real folder
// system, a drive "数据" whose mount point is <root>/d, the desktop at
// <root>/desk, documents at <root>/docs, and fakes for the shell and the
// message boxes. Settings go to a folder of the test's own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
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
#include "tests/support/temp_dir.h"

namespace ec::test {

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
