#include "dirtree/core/dir_tree_rules.h"

#include "dirtree/core/folder_path.h"

namespace ec {
namespace {

constexpr int kMostNewFolders = 1000000;

DirTreeCommand SpecialRootCommand(TreeKey key, const SelectedNode& node) {
  switch (key) {
    case TreeKey::kDelete:
      return node.kind == DirTreeNodeKind::kVirtualFolderRoot ? DirTreeCommand::kClear : DirTreeCommand::kNone;
    case TreeKey::kF8: return DirTreeCommand::kRefresh;
    case TreeKey::kF1: return DirTreeCommand::kAbout;
    default: return DirTreeCommand::kNone;
  }
}

DirTreeCommand LocalCommand(TreeKey key, const SelectedNode& node) {
  const LocalMenuRules rules = LocalMenuRulesFor(node);
  const auto when = [](bool allowed, DirTreeCommand command) { return allowed ? command : DirTreeCommand::kNone; };
  switch (key) {
    case TreeKey::kF4: return DirTreeCommand::kOpen;
    case TreeKey::kF3: return DirTreeCommand::kShow;
    case TreeKey::kF2: return when(rules.renameEnabled, DirTreeCommand::kRename);
    case TreeKey::kF1: return when(rules.newEnabled, DirTreeCommand::kNewFolder);
    case TreeKey::kDelete: return when(rules.deleteEnabled, DirTreeCommand::kDelete);
    case TreeKey::kInsert: return when(rules.removeVisible, DirTreeCommand::kRemoveVirtual);
    case TreeKey::kF6: return DirTreeCommand::kCopyName;
    case TreeKey::kF7: return DirTreeCommand::kCopyPath;
    case TreeKey::kF8: return DirTreeCommand::kRefresh;
    case TreeKey::kF9: return when(rules.addEnabled, DirTreeCommand::kAddVirtual);
    default: return DirTreeCommand::kNone;  // F5 among them
  }
}

}  // namespace

LocalMenuRules LocalMenuRulesFor(const SelectedNode& node) {
  const DirTreeNodeKind kind = node.kind;
  const bool folderOrPinned = kind == DirTreeNodeKind::kFolder || node.IsVirtualEntry();
  LocalMenuRules rules;
  rules.deleteEnabled = folderOrPinned;
  // The desktop, the documents, a drive and a system folder are real folders
  // too: a new folder can go into any of them.
  rules.newEnabled = !IsSpecialRoot(kind);
  rules.renameEnabled = folderOrPinned || IsDriveKind(kind);
  rules.removeVisible = node.IsVirtualEntry();
  rules.addEnabled = !rules.removeVisible;
  return rules;
}

DirTreeCommand CommandForKey(TreeKey key, const std::optional<SelectedNode>& selected) {
  if (key == TreeKey::kF12) return DirTreeCommand::kRebuild;
  if (!selected) return DirTreeCommand::kNone;
  if (IsSpecialRoot(selected->kind)) return SpecialRootCommand(key, *selected);
  return LocalCommand(key, *selected);
}

std::string NewFolderName(int number) { return "新文件夹 " + std::to_string(number); }

int FreeNewFolderNumber(std::string_view base, const std::function<bool(const std::string&)>& exists) {
  for (int n = 1; n <= kMostNewFolders; ++n) {
    if (!exists(JoinPath(base, NewFolderName(n)))) return n;
  }
  return 0;
}

}  // namespace ec
