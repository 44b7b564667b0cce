#include "dirtree/dir_tree_panel.h"

#include <QMenu>
#include <QVBoxLayout>

#include <system_error>

#include "dirtree/dir_tree_icons.h"
#include "dirtree/dir_tree_menus.h"
#include "dirtree/dir_tree_texts.h"
#include "dirtree/dir_tree_view.h"
#include "platform/folder_system.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

QString Qt8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

DirTreePanel::DirTreePanel(const DirTreeServices& services)
    : services_(services), menus_(std::make_unique<DirTreeMenus>(this)) {
  loading_ = true;
  setWindowTitle(Qt8(kPanelTitle));
  setGeometry(50, 50, 232, 354);
  tree_ = new DirTreeView(*this, this);
  tree_->setHeaderHidden(true);
  tree_->setIconSize(QSize(kDirTreeIconSize, kDirTreeIconSize));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);

  if (!services_.settingsFolder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(services_.settingsFolder, error);
    store_.Bind(services_.settingsFolder / PathFromUtf8(kTreeSettingsFileName));
  }
  LoadTreeConfig();
  helper_.Bind(tree_);
  helper_.SetImageList(DirTreeIcons());
  helper_.EnableHotTracking();

  connect(tree_, &QTreeWidget::itemExpanded, this, &DirTreePanel::OnItemExpanded);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
  connect(tree_, &QWidget::customContextMenuRequested, this, &DirTreePanel::ShowContextMenu);
  connect(tree_, &QTreeWidget::itemChanged, this, &DirTreePanel::OnItemChanged);
  connect(menus_.get(), &DirTreeMenus::commandChosen, this, &DirTreePanel::RunCommand);
  connect(menus_.get(), &DirTreeMenus::hiddenNodeChosen, this, &DirTreePanel::ToggleHiddenNode);

  BuildTree(false);
  loading_ = false;
}

// The tree goes first, while the panel still stands: an editor still open
// hands its text over as it closes, and that text is refused.
DirTreePanel::~DirTreePanel() {
  closing_ = true;
  delete tree_;
  SaveTreeConfig();
  store_.Release();
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

QTreeWidget* DirTreePanel::Tree() const { return tree_; }

QMenu* DirTreePanel::TreeMenu() const { return menus_->Tree(); }

void DirTreePanel::LoadTreeConfig() {
  ReadTreeSettings(store_, [this](const std::string& path) { return services_.folders->Exists(path); },
                   services_.programFolder, settings_);
  SyncHiddenChecks();
}

void DirTreePanel::SaveTreeConfig() { WriteTreeSettings(store_, settings_); }

void DirTreePanel::SyncHiddenChecks() {
  menus_->ShowChecks(settings_.hidden);
  attributeMask_ = FolderAttributeMask(settings_.hidden);
}

void DirTreePanel::ToggleHiddenNode(HiddenNode node) {
  settings_.hidden[node] = !settings_.hidden[node];
  SyncHiddenChecks();
  BuildTree(true);
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
    PrepareNodeMenu(node)->popup(global + QPoint(0, 20));
  } else {
    menus_->Tree()->popup(global);
  }
}

QMenu* DirTreePanel::PrepareNodeMenu(const QTreeWidgetItem* node) {
  const DirTreeNodeKind kind = KindOf(node);
  if (IsSpecialRoot(kind)) {
    menus_->PrepareSpecial(kind);
    return menus_->Special();
  }
  const SelectedNode selected{kind, node->parent() != nullptr ? KindOf(node->parent()) : DirTreeNodeKind::kFolder};
  menus_->ApplyLocalRules(LocalMenuRulesFor(selected));
  return menus_->Local();
}

void DirTreePanel::Trim() const {
  if (services_.trimWorkingSet) services_.trimWorkingSet();
}

}  // namespace ec
