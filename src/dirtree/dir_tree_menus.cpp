#include "dirtree/dir_tree_menus.h"

#include <QAction>
#include <QMenu>

#include "dirtree/dir_tree_texts.h"

namespace ec {
namespace {

QString Qt8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

DirTreeMenus::DirTreeMenus(QWidget* owner)
    : QObject(nullptr),
      local_(new QMenu(QStringLiteral("本地"), owner)),
      special_(new QMenu(QStringLiteral("特殊夹"), owner)),
      tree_(new QMenu(QStringLiteral("目录树"), owner)),
      hiddenNodes_(new QMenu(QStringLiteral("不显示的节点"), owner)) {
  BuildLocal();
  BuildSpecial();
  BuildTree();
  for (QMenu* menu : {local_, special_, tree_}) {
    connect(menu, &QMenu::triggered, this, [this](QAction* action) {
      if (action->data().isValid()) emit commandChosen(static_cast<DirTreeCommand>(action->data().toInt()));
    });
  }
}

DirTreeMenus::~DirTreeMenus() = default;

// The key is shown beside the entry; with the widget context it acts only
// inside the open menu, and the panel handles it everywhere else.
QAction* DirTreeMenus::Add(QMenu* menu, const char* text, DirTreeCommand command, int key) {
  QAction* action = menu->addAction(QString::fromUtf8(text));
  action->setData(static_cast<int>(command));
  if (key != 0) {
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
  }
  return action;
}

void DirTreeMenus::BuildLocal() {
  Add(local_, "打开", DirTreeCommand::kOpen, Qt::Key_F4);
  Add(local_, "定位", DirTreeCommand::kShow, Qt::Key_F3);
  local_->addSeparator();
  Add(local_, "改名", DirTreeCommand::kRename, Qt::Key_F2);
  Add(local_, "新建", DirTreeCommand::kNewFolder, Qt::Key_F1);
  Add(local_, "删除", DirTreeCommand::kDelete, Qt::Key_Delete);
  Add(local_, "移除", DirTreeCommand::kRemoveVirtual, Qt::Key_Insert);
  local_->addSeparator();
  Add(local_, "复制名称", DirTreeCommand::kCopyName, Qt::Key_F6);
  Add(local_, "复制路径", DirTreeCommand::kCopyPath, Qt::Key_F7);
  local_->addSeparator();
  Add(local_, "刷新子目录", DirTreeCommand::kRefresh, Qt::Key_F8);
  Add(local_, "批量打勾", DirTreeCommand::kCheckChildren)->setVisible(false);
  local_->addSeparator();
  Add(local_, "加入虚拟夹", DirTreeCommand::kAddVirtual, Qt::Key_F9);
}

void DirTreeMenus::BuildSpecial() {
  Add(special_, "清空", DirTreeCommand::kClear, Qt::Key_Delete);
  Add(special_, "刷新", DirTreeCommand::kRefresh, Qt::Key_F8);
  special_->addSeparator();
  Add(special_, "关于", DirTreeCommand::kAbout, Qt::Key_F1);
}

void DirTreeMenus::BuildTree() {
  Add(tree_, "重建目录树", DirTreeCommand::kRebuild, Qt::Key_F12);
  tree_->addMenu(hiddenNodes_);
  Add(tree_, "立即保存目录树配置", DirTreeCommand::kSaveNow);
  tree_->addSeparator();
  Add(tree_, "关于目录树..", DirTreeCommand::kAboutTree);
  Add(tree_, "协助完善目录树..", DirTreeCommand::kHelpWanted)->setVisible(false);
  for (int i = 0; i < kHiddenNodeCount; ++i) {
    if (i == static_cast<int>(HiddenNode::kHiddenFolders)) hiddenNodes_->addSeparator();
    QAction* action = hiddenNodes_->addAction(Qt8(kHiddenNodeCaptions[static_cast<size_t>(i)]));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, i] { emit hiddenNodeChosen(static_cast<HiddenNode>(i)); });
    hiddenActions_[static_cast<size_t>(i)] = action;
  }
  ShowChecks(HiddenNodeSettings{});
}

QAction* DirTreeMenus::Find(const QMenu* menu, DirTreeCommand command) {
  for (QAction* action : menu->actions()) {
    if (action->data().isValid() && action->data().toInt() == static_cast<int>(command)) return action;
  }
  return nullptr;
}

QMenu* DirTreeMenus::PrepareFor(const SelectedNode& node) {
  if (IsSpecialRoot(node.kind)) {
    PrepareSpecial(node.kind);
    return special_;
  }
  ApplyLocalRules(LocalMenuRulesFor(node));
  return local_;
}

void DirTreeMenus::ApplyLocalRules(const LocalMenuRules& rules) {
  LocalAction(DirTreeCommand::kDelete)->setEnabled(rules.deleteEnabled);
  LocalAction(DirTreeCommand::kRename)->setEnabled(rules.renameEnabled);
  LocalAction(DirTreeCommand::kNewFolder)->setEnabled(rules.newEnabled);
  LocalAction(DirTreeCommand::kRemoveVirtual)->setVisible(rules.removeVisible);
  LocalAction(DirTreeCommand::kAddVirtual)->setEnabled(rules.addEnabled);
}

void DirTreeMenus::PrepareSpecial(DirTreeNodeKind root) {
  SpecialAction(DirTreeCommand::kAbout)->setText(Qt8(AboutCaption(root)));
  SpecialAction(DirTreeCommand::kClear)->setVisible(root == DirTreeNodeKind::kVirtualFolderRoot);
}

void DirTreeMenus::ShowChecks(const HiddenNodeSettings& hidden) {
  for (size_t i = 0; i < hiddenActions_.size(); ++i) hiddenActions_[i]->setChecked(hidden.checked[i]);
}

}  // namespace ec
