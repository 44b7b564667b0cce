#include "dirtree/dir_tree_panel.h"

#include <QMenu>
#include <QVBoxLayout>

#include "dirtree/dir_tree_commands.h"
#include "dirtree/dir_tree_icons.h"
#include "dirtree/dir_tree_label_editor.h"
#include "dirtree/dir_tree_lister.h"
#include "dirtree/dir_tree_locator.h"
#include "dirtree/dir_tree_menus.h"
#include "dirtree/dir_tree_nodes.h"
#include "dirtree/dir_tree_settings_file.h"
#include "dirtree/dir_tree_texts.h"
#include "dirtree/dir_tree_view.h"

namespace ec {
namespace {

QString Qt8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

DirTreePanel::DirTreePanel(const DirTreeServices& services)
    : services_(services),
      settingsFile_(std::make_unique<DirTreeSettingsFile>(services_)),
      settings_(settingsFile_->Settings()),
      menus_(std::make_unique<DirTreeMenus>(this)) {
  loading_ = true;
  setWindowTitle(Qt8(kPanelTitle));
  setGeometry(50, 50, 232, 354);
  SetUpTree();
  settingsFile_->Load();
  menus_->ShowChecks(settings_.hidden);
  lister_ = new DirTreeLister(*tree_, helper_, settings_, services_, this);
  locator_ = std::make_unique<DirTreeLocator>(*tree_, *lister_, settings_, services_);
  labels_ = std::make_unique<DirTreeLabelEditor>(*tree_, *lister_, settings_, services_);
  commands_ = new DirTreeCommands(*tree_, *lister_, *labels_, *settingsFile_, services_, this);
  tree_->SetLabelEditor(labels_.get());
  ConnectSignals();
  BuildTree(false);
  loading_ = false;
}

// The tree goes first, while the panel still stands: an editor still open
// hands its text over as it closes, and with no label editor that text is
// refused.
DirTreePanel::~DirTreePanel() {
  closing_ = true;
  tree_->SetLabelEditor(nullptr);
  delete tree_;
  settingsFile_->Save();
}

DirTreePanel* DirTreePanel::EmbedPanel(QWidget* host, int left, int top, int width, int height,
                                       NodeSelectedCallback onNodeSelected, const DirTreeServices& services) {
  auto* panel = new DirTreePanel(services);
  panel->setParent(host);
  panel->setGeometry(left, top, width, height);
  panel->SetNodeSelectedCallback(std::move(onNodeSelected));
  panel->show();
  return panel;
}

void DirTreePanel::SetUpTree() {
  tree_ = new DirTreeView(this);
  tree_->setHeaderHidden(true);
  tree_->setIconSize(QSize(kDirTreeIconSize, kDirTreeIconSize));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);
  helper_.Bind(tree_);
  helper_.SetImageList(DirTreeIcons());
  helper_.EnableHotTracking();
}

void DirTreePanel::ConnectSignals() {
  connect(tree_, &QTreeWidget::itemExpanded, lister_, &DirTreeLister::OnItemExpanded);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &DirTreePanel::OnCurrentItemChanged);
  connect(tree_, &QWidget::customContextMenuRequested, this, &DirTreePanel::ShowContextMenu);
  connect(tree_, &QTreeWidget::itemChanged, this, &DirTreePanel::OnItemChanged);
  connect(tree_, &DirTreeView::functionKeyPressed, this, &DirTreePanel::OnFunctionKey);
  connect(menus_.get(), &DirTreeMenus::commandChosen, commands_, &DirTreeCommands::RunCommand);
  connect(menus_.get(), &DirTreeMenus::hiddenNodeChosen, this, &DirTreePanel::ToggleHiddenNode);
  connect(commands_, &DirTreeCommands::rebuildRequested, this, &DirTreePanel::RebuildKeepingSelection);
}

std::string DirTreePanel::NodePath() const { return lister_->NodePath(tree_->currentItem()); }

std::string DirTreePanel::NodePath(const QTreeWidgetItem* node) const { return lister_->NodePath(node); }

bool DirTreePanel::LocatePath(const std::string& target) { return locator_->LocatePath(target); }

void DirTreePanel::BuildTree(bool keepSelection) {
  const std::string remembered = keepSelection ? NodePath() : std::string();
  lister_->BuildRoots();
  if (!remembered.empty()) LocatePath(remembered);
  else lister_->Trim();
}

void DirTreePanel::RefreshChildren(QTreeWidgetItem* node) { lister_->RefreshChildren(node); }

QTreeWidget* DirTreePanel::Tree() const { return tree_; }

void DirTreePanel::ToggleHiddenNode(HiddenNode node) {
  settings_.hidden[node] = !settings_.hidden[node];
  menus_->ShowChecks(settings_.hidden);
  BuildTree(true);
}

// The menu is set for the node first, as if it were about to open.
void DirTreePanel::OnFunctionKey(TreeKey key) {
  if (QTreeWidgetItem* node = tree_->currentItem()) menus_->PrepareFor(KindsOf(node));
  commands_->HandleKey(key);
}

void DirTreePanel::OnCurrentItemChanged(QTreeWidgetItem* current) {
  if (loading_ || closing_ || !onNodeSelected_ || current == nullptr) return;
  onNodeSelected_(1, 0, NodePath(current));
}

// With check boxes switched on (the helper can), the special roots stay unchecked.
void DirTreePanel::OnItemChanged(QTreeWidgetItem* node) {
  if (IsSpecialRoot(KindOf(node)) && node->checkState(0) == Qt::Checked) node->setCheckState(0, Qt::Unchecked);
}

// Node menus open a little below the mouse, so the node stays readable.
void DirTreePanel::ShowContextMenu(const QPoint& position) {
  const QPoint global = tree_->viewport()->mapToGlobal(position);
  if (QTreeWidgetItem* node = tree_->itemAt(position)) {
    tree_->setCurrentItem(node);
    menus_->PrepareFor(KindsOf(node))->popup(global + QPoint(0, 20));
  } else {
    menus_->Tree()->popup(global);
  }
}

}  // namespace ec
