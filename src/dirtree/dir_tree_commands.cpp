// The panel's commands on the selected node, from its menus and keys.
#include <QClipboard>
#include <QGuiApplication>
#include <QTreeWidget>

#include "dirtree/core/folder_path.h"
#include "dirtree/dir_tree_menus.h"
#include "dirtree/dir_tree_panel.h"
#include "dirtree/dir_tree_texts.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"
#include "platform/shell_commands.h"

namespace ec {

QTreeWidgetItem* DirTreePanel::Selected() const { return tree_->currentItem(); }

std::optional<SelectedNode> DirTreePanel::SelectedKinds() const {
  const QTreeWidgetItem* node = Selected();
  if (node == nullptr) return std::nullopt;
  return SelectedNode{KindOf(node), node->parent() != nullptr ? KindOf(node->parent()) : DirTreeNodeKind::kFolder};
}

void DirTreePanel::HandleKey(TreeKey key) {
  if (QTreeWidgetItem* node = Selected()) PrepareNodeMenu(node);
  RunCommand(CommandForKey(key, SelectedKinds()));
  // Taking the focus from a label editor the command opened would close it.
  if (!tree_->IsEditing()) tree_->setFocus();
}

void DirTreePanel::RunCommand(DirTreeCommand command) {
  switch (command) {
    case DirTreeCommand::kNone: break;
    case DirTreeCommand::kOpen: OpenNode(); break;
    case DirTreeCommand::kShow: ShowNode(); break;
    case DirTreeCommand::kRename: StartRename(); break;
    case DirTreeCommand::kNewFolder: NewFolder(); break;
    case DirTreeCommand::kDelete: DeleteFolder(); break;
    case DirTreeCommand::kRemoveVirtual: RemoveVirtualFolder(); break;
    case DirTreeCommand::kCopyName:
      if (Selected() != nullptr) CopyToClipboard(Selected()->text(0).toStdString());
      break;
    case DirTreeCommand::kCopyPath:
      if (Selected() != nullptr) CopyToClipboard(NodePath());
      break;
    case DirTreeCommand::kRefresh: RefreshChildren(Selected()); break;
    case DirTreeCommand::kAddVirtual: AddToVirtualFolders(); break;
    case DirTreeCommand::kClear: ClearChildren(); break;
    case DirTreeCommand::kAbout: ShowAbout(); break;
    case DirTreeCommand::kRebuild: BuildTree(true); break;
    case DirTreeCommand::kCheckChildren: CheckChildren(); break;
    case DirTreeCommand::kSaveNow: SaveConfigNow(); break;
    case DirTreeCommand::kAboutTree: services_.prompter->Inform(std::string(AboutTreeText())); break;
    case DirTreeCommand::kHelpWanted: services_.prompter->Inform(std::string(HelpWantedText())); break;
  }
}

void DirTreePanel::OpenNode() {
  if (Selected() == nullptr) return;
  const std::string path = NodePath();
  if (EndsWithExe(path) && services_.shell->StartsPrograms()) services_.shell->StartProgram(path);
  else services_.shell->OpenFolder(path);
}

void DirTreePanel::ShowNode() {
  if (Selected() != nullptr) services_.shell->ShowItem(NodePath());
}

// Asking first keeps a refused edit (a drive's first request) quiet.
void DirTreePanel::StartRename() {
  QTreeWidgetItem* node = Selected();
  if (node != nullptr && AllowLabelEdit(node)) tree_->editItem(node);
}

void DirTreePanel::NewFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).newEnabled) return;
  QTreeWidgetItem* node = Selected();
  const std::string base = NodePath(node);
  const int number = FreeNewFolderNumber(base, [this](const std::string& path) { return services_.folders->Exists(path); });
  if (HasPlaceholder(node)) RefreshChildren(node);
  const std::string name = NewFolderName(number);
  if (number == 0 || !services_.folders->CreateFolder(JoinPath(base, name))) {
    services_.prompter->Inform(std::string(kNewFolderFailed));
    return;
  }
  QTreeWidgetItem* made = AddNode(node, {name, static_cast<int>(DirTreeNodeKind::kFolder), kFolderSelectedImage, 0}, false);
  tree_->setCurrentItem(made);
  tree_->scrollToItem(made);
  tree_->editItem(made);
}

// Never a drive: a pinned drive root has "删除" enabled like any pinned folder.
bool DirTreePanel::IsDriveRoot(const std::string& path) const {
  if (StripTrailingSeparators(path).size() <= 1) return true;
  for (const Drive& drive : drives_) {
    if (SamePath(StripTrailingSeparators(path), drive.name)) return true;
  }
  return false;
}

void DirTreePanel::DeleteFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).deleteEnabled) return;
  QTreeWidgetItem* node = Selected();
  const std::string path = NodePath(node);
  if (IsDriveRoot(path)) {
    services_.prompter->Inform(DeleteFailed(path));
    return;
  }
  if (!services_.prompter->Confirm(DeleteConfirmation(node->text(0).toStdString()))) return;
  if (services_.folders->DeleteFolder(path)) delete node;
  else services_.prompter->Inform(DeleteFailed(path));
}

void DirTreePanel::RemoveVirtualFolder() {
  const auto kinds = SelectedKinds();
  if (!kinds || !kinds->IsVirtualEntry()) return;
  QTreeWidgetItem* node = Selected();
  const std::string path = NodePath(node);
  if (!services_.prompter->Confirm(RemoveConfirmation(node->text(0).toStdString(), path))) return;
  const int position = node->data(0, kItemDataRole).toInt();
  if (position >= 1 && static_cast<size_t>(position) <= settings_.virtualFolders.size()) {
    settings_.virtualFolders[static_cast<size_t>(position - 1)].path.clear();
  }
  delete node;
}

// The root is listed before the new entry joins the list, or the listing
// would show it too.
void DirTreePanel::AddToVirtualFolders() {
  const auto kinds = SelectedKinds();
  if (!kinds || !LocalMenuRulesFor(*kinds).addEnabled || IsSpecialRoot(kinds->kind)) return;
  const std::string path = NodePath();
  if (path.empty()) return;
  QTreeWidgetItem* root = settings_.hidden[HiddenNode::kVirtualFolders] ? nullptr : RootOfKind(DirTreeNodeKind::kVirtualFolderRoot);
  if (HasPlaceholder(root)) RefreshChildren(root);
  settings_.virtualFolders.push_back({path, LastComponent(path)});
  if (root == nullptr) return;
  const int position = static_cast<int>(settings_.virtualFolders.size());
  QTreeWidgetItem* made = AddNode(root, {LastComponent(path), static_cast<int>(DirTreeNodeKind::kEntry),
                                         static_cast<int>(DirTreeNodeKind::kEntry), position},
                                  HasSubfolders(path));
  tree_->scrollToItem(made);
  tree_->setCurrentItem(made);
  tree_->editItem(made);
}

void DirTreePanel::ClearChildren() {
  QTreeWidgetItem* node = Selected();
  if (node == nullptr || !services_.prompter->Confirm(std::string(kClearConfirmation))) return;
  if (KindOf(node) == DirTreeNodeKind::kVirtualFolderRoot) settings_.virtualFolders.clear();
  DeleteChildren(node);
}

// The tree shows no check boxes, so there is nothing to check unless a host
// switches them on through the helper.
void DirTreePanel::CheckChildren() {
  QTreeWidgetItem* node = Selected();
  if (node == nullptr) return;
  for (int i = 0; i < node->childCount(); ++i) {
    if (node->child(i)->flags().testFlag(Qt::ItemIsUserCheckable)) node->child(i)->setCheckState(0, Qt::Checked);
  }
}

void DirTreePanel::CopyToClipboard(const std::string& text) const {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void DirTreePanel::ShowAbout() {
  if (const auto kinds = SelectedKinds(); kinds && IsSpecialRoot(kinds->kind)) {
    services_.prompter->Inform(std::string(AboutText(kinds->kind)));
  }
}

void DirTreePanel::SaveConfigNow() {
  SaveTreeConfig();
  services_.prompter->Inform(std::string(kSettingsSaved));
}

}  // namespace ec
