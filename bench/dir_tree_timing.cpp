// Timings of the directory-tree panel, offscreen:
//  - expanding a folder of 10,000 subfolders (on disk and in memory) fills the
//    node in one batch; target under 300 ms;
//  - building the tree with every root over the in-memory services; target
//    under 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include <filesystem>
#include <string>

#include "dirtree/core/system_folder_table.h"
#include "dirtree/dir_tree_panel.h"
#include "platform/folder_system.h"
#include "platform/memory_drive_list.h"
#include "platform/memory_folder_system.h"
#include "platform/memory_known_folders.h"
#include "platform/recording_shell_commands.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

constexpr int kSubfolders = 10000;

class QuietPrompter : public Prompter {
 public:
  bool Confirm(const std::string&) override { return false; }
  void Inform(const std::string&) override {}
};

struct Fakes {
  MemoryKnownFolders special;
  MemoryDriveList drives;
  RecordingShellCommands shell;
  QuietPrompter prompter;
  DirTreeServices Services(FolderSystem& folders, const std::string& program) {
    return {&folders, &special, &drives, &shell, &prompter, {}, program, {}};
  }
};

// The drive "/d" holds "big" with 10,000 subfolders, every second one with a
// subfolder of its own, so the probes answer both ways.
void FillBig(MemoryFolderSystem& folders) {
  for (int i = 0; i < kSubfolders; ++i) {
    const std::string folder = "/d/big/folder " + std::to_string(i);
    folders.AddFolder(folder);
    if (i % 2 == 0) folders.AddFolder(folder + "/inner");
  }
}

QTreeWidgetItem* BigNode(DirTreePanel& panel) {
  panel.LocatePath(panel.NodePath(panel.Tree()->topLevelItem(2)->child(0)) + "/big");
  return panel.Tree()->currentItem();
}

void ExpandTenThousand(benchmark::State& state, DirTreePanel& panel) {
  QTreeWidgetItem* big = BigNode(panel);
  for (auto _ : state) {
    panel.RefreshChildren(big);
    benchmark::DoNotOptimize(big->childCount());
  }
  if (big->childCount() != kSubfolders) state.SkipWithError("the listing is incomplete");
  state.counters["children"] = big->childCount();
}

// The panel needs an application; one offscreen, made by the first benchmark.
void OffscreenApplication() {
  static int argc = 1;
  static char name[] = "dir_tree_timing";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  (void)app;
}

void BM_ExpandTenThousandInMemory(benchmark::State& state) {
  OffscreenApplication();
  MemoryFolderSystem folders;
  FillBig(folders);
  Fakes fakes;
  fakes.drives.drives = {{"/d", "", DriveType::kFixed, true}};
  DirTreePanel panel(fakes.Services(folders, "/d"));
  ExpandTenThousand(state, panel);
}
BENCHMARK(BM_ExpandTenThousandInMemory)->Unit(benchmark::kMillisecond);

void BM_ExpandTenThousandOnDisk(benchmark::State& state) {
  OffscreenApplication();
  test::TempDir root;
  for (int i = 0; i < kSubfolders; ++i) {
    const auto folder = root.path() / "big" / ("folder " + std::to_string(i));
    std::filesystem::create_directories(i % 2 == 0 ? folder / "inner" : folder);
  }
  auto folders = CreatePlatformFolderSystem();
  Fakes fakes;
  fakes.drives.drives = {{root.path().string(), "", DriveType::kFixed, true}};
  DirTreePanel panel(fakes.Services(*folders, root.path().string()));
  ExpandTenThousand(state, panel);
}
BENCHMARK(BM_ExpandTenThousandOnDisk)->Unit(benchmark::kMillisecond);

// Every root, 26 drives, all 23 special folders and eight pinned folders.
void BM_BuildTreeWithAllRoots(benchmark::State& state) {
  OffscreenApplication();
  MemoryFolderSystem folders;
  Fakes fakes;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string drive = std::string("/") + letter;
    folders.AddFolder(drive + "/sub");
    fakes.drives.drives.push_back({drive, "", DriveType::kFixed, letter == 'c'});
  }
  for (int i = 0; i < kSystemFolderCount; ++i) {
    const std::string folder = "/c/special/" + std::to_string(i);
    folders.AddFolder(folder + "/sub");
    fakes.special.Set(SystemFolderTable[static_cast<size_t>(i)].valueName, folder);
  }
  DirTreePanel panel(fakes.Services(folders, "/c"));
  for (auto _ : state) {
    panel.BuildTree(false);
    benchmark::DoNotOptimize(panel.Tree()->topLevelItemCount());
  }
  state.counters["roots"] = panel.Tree()->topLevelItemCount();
}
BENCHMARK(BM_BuildTreeWithAllRoots)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ec

BENCHMARK_MAIN();
