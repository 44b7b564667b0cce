#include "dirtree/dir_tree_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTreeWidget>

#include "dirtree/core/folder_path.h"
#include "dirtree/dir_tree_label_editor.h"
#include "dirtree/dir_tree_lister.h"
#include "dirtree/dir_tree_nodes.h"
#include "dirtree/dir_tree_settings_file.h"
#include "dirtree/dir_tree_texts.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"
#include "platform/shell_commands.h"

namespace ec {

DirTreeCommands::DirTreeCommands(DirTreeView& tree, DirTreeLister& lister, DirTreeLabelEditor& labels,
                                 DirTreeSettingsFile& settingsFile, const DirTreeServices& services, QObject* parent)
    : QObject(parent),
      tree_(tree),
      lister_(lister),
      labels_(labels),
      settingsFile_(settingsFile),
      settings_(settingsFile.Settings()),
      services_(services) {}

QTreeWidgetItem* DirTreeCommands::Selected() const { return tree_.currentItem(); }

std::optional<SelectedNode> DirTreeCommands::SelectedKinds() const {
  const QTreeWidgetItem* node = Selected();
  if (node == nullptr) return std::nullopt;
  return KindsOf(node);
}

void DirTreeCommands::HandleKey(TreeKey key) {
  RunCommand(CommandForKey(key, SelectedKinds()));
  // Taking the focus from a label editor the command opened would close it.
  if (!tree_.IsEditing()) tree_.setFocus();
}

void DirTreeCommands::RunCommand(DirTreeCommand command) {
  switch (command) {
    case DirTreeCommand::kNone: break;
    case DirTreeCommand::kOpen: OpenNode(); break;
    case DirTreeCommand::kShow: ShowNode(); break;
    case DirTreeCommand::kRename: StartRename(); break;
    case DirTreeCommand::kNewFolder: NewFolder(); break;
    case DirTreeCommand::kDelete: DeleteFolder(); break;
    case DirTreeCommand::kRemoveVirtual: RemoveVirtualFolder(); break;
    case DirTreeCommand::kCopyName: CopyFromNode(false); break;
    case DirTreeCommand::kCopyPath: CopyFromNode(true); break;
    case DirTreeCommand::kRefresh: lister_.RefreshChildren(Selected()); break;
    case DirTreeCommand::kAddVirtual: AddToVirtualFolders(); break;
    case DirTreeCommand::kClear: ClearChildren(); break;
    case DirTreeCommand::kAbout: ShowAbout(); break;
    case DirTreeCommand::kRebuild: emit rebuildRequested(); break;
    case DirTreeCommand::kCheckChildren: CheckChildren(); break;
    case DirTreeCommand::kSaveNow: SaveConfigNow(); break;
    case DirTreeCommand::kAboutTree: services_.prompter->Inform(std::string(AboutTreeText())); break;
    case DirTreeCommand::kHelpWanted: services_.prompter->Inform(std::string(HelpWantedText())); break;
  }
}

void DirTreeCommands::OpenNode() {
  if (Selected() == nullptr) return;
  const std::string path = lister_.NodePath(Selected());
  if (EndsWithExe(path) && services_.shell->StartsPrograms()) services_.shell->StartProgram(path);
  else services_.shell->OpenFolder(path);
}

void DirTreeCommands::ShowNode() {
  if (Selected() != nullptr) services_.shell->ShowItem(lister_.NodePath(Selected()));
}

// Asking first keeps a refused edit (a drive's first request) quiet.
void DirTreeCommands::StartRename() {
  QTreeWidgetItem* node = Selected();
  if (node != nullptr && labels_.AllowLabelEdit(node)) tree_.editItem(node);
}

void DirTreeCommands::NewFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).newEnabled) return;
  QTreeWidgetItem* node = Selected();
  const std::string base = lister_.NodePath(node);
  const int number =
      FreeNewFolderNumber(base, [this](const std::string& path) { return services_.folders->Exists(path); });
  if (HasPlaceholder(node)) lister_.RefreshChildren(node);
  const std::string name = NewFolderName(number);
  if (number == 0 || !services_.folders->CreateFolder(JoinPath(base, name))) {
    services_.prompter->Inform(std::string(kNewFolderFailed));
    return;
  }
  EditNewNode(lister_.AddNode(node, FolderItem(name), false));
}

// Never a drive: a pinned drive root has "删除" enabled like any pinned folder.
bool DirTreeCommands::IsDriveRoot(const std::string& path) const {
  if (StripTrailingSeparators(path).size() <= 1) return true;
  for (const Drive& drive : lister_.Drives()) {
    if (SamePath(StripTrailingSeparators(path), drive.name)) return true;
  }
  return false;
}

void DirTreeCommands::DeleteFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).deleteEnabled) return;
  QTreeWidgetItem* node = Selected();
  const std::string path = lister_.NodePath(node);
  if (IsDriveRoot(path)) {
    services_.prompter->Inform(DeleteFailed(path));
    return;
  }
  if (!services_.prompter->Confirm(DeleteConfirmation(node->text(0).toStdString()))) return;
  if (services_.folders->DeleteFolder(path)) delete node;
  else services_.prompter->Inform(DeleteFailed(path));
}

void DirTreeCommands::RemoveVirtualFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !kinds->IsVirtualEntry()) return;
  QTreeWidgetItem* node = Selected();
  const std::string path = lister_.NodePath(node);
  if (!services_.prompter->Confirm(RemoveConfirmation(node->text(0).toStdString(), path))) return;
  const int position = node->data(0, kItemDataRole).toInt();
  if (position >= 1 && static_cast<size_t>(position) <= settings_.virtualFolders.size()) {
    settings_.virtualFolders[static_cast<size_t>(position - 1)].path.clear();
  }
  delete node;
}

// The root is listed before the new entry joins the list, or the listing
// would show it too.
void DirTreeCommands::AddToVirtualFolders() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).addEnabled || IsSpecialRoot(kinds->kind)) return;
  const std::string path = lister_.NodePath(Selected());
  if (path.empty()) return;
  QTreeWidgetItem* root = settings_.hidden[HiddenNode::kVirtualFolders]
                              ? nullptr
                              : lister_.RootOfKind(DirTreeNodeKind::kVirtualFolderRoot);
  if (HasPlaceholder(root)) lister_.RefreshChildren(root);
  settings_.virtualFolders.push_back({path, LastComponent(path)});
  if (root == nullptr) return;
  const int position = static_cast<int>(settings_.virtualFolders.size());
  EditNewNode(lister_.AddNode(root, EntryItem(LastComponent(path), position), lister_.HasSubfolders(path)));
}

void DirTreeCommands::ClearChildren() {
  QTreeWidgetItem* node = Selected();
  if (node == nullptr || !services_.prompter->Confirm(std::string(kClearConfirmation))) return;
  if (KindOf(node) == DirTreeNodeKind::kVirtualFolderRoot) settings_.virtualFolders.clear();
  DirTreeLister::DeleteChildren(node);
}

// The tree shows no check boxes, so there is nothing to check unless a host
// switches them on through the helper.
void DirTreeCommands::CheckChildren() {
  QTreeWidgetItem* node = Selected();
  if (node == nullptr) return;
  for (int i = 0; i < node->childCount(); ++i) {
    if (node->child(i)->flags().testFlag(Qt::ItemIsUserCheckable)) node->child(i)->setCheckState(0, Qt::Checked);
  }
}

void DirTreeCommands::CopyFromNode(bool path) {
  const QTreeWidgetItem* node = Selected();
  if (node == nullptr) return;
  const std::string text = path ? lister_.NodePath(node) : node->text(0).toStdString();
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void DirTreeCommands::ShowAbout() {
  if (const auto kinds = SelectedKinds(); kinds && IsSpecialRoot(kinds->kind)) {
    services_.prompter->Inform(std::string(AboutText(kinds->kind)));
  }
}

void DirTreeCommands::SaveConfigNow() {
  settingsFile_.Save();
  services_.prompter->Inform(std::string(kSettingsSaved));
}

void DirTreeCommands::EditNewNode(QTreeWidgetItem* made) {
  tree_.setCurrentItem(made);
  tree_.scrollToItem(made);
  tree_.editItem(made);
}

}  // namespace ec
