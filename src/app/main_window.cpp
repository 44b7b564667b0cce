#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QShortcut>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "app/about_box.h"
#include "app/control_states.h"
#include "app/copy_buttons.h"
#include "app/main_window_layout.h"
#include "app/module_comparer.h"
#include "app/module_file_watcher.h"
#include "app/module_loader.h"
#include "app/module_opener.h"
#include "app/node_history.h"
#include "app/node_icons.h"
#include "app/notes_box.h"
#include "app/page_links.h"
#include "app/page_view.h"
#include "app/page_zoom.h"
#include "app/same_folder_menu.h"
#include "app/search/module_search_window.h"
#include "app/selection_presenter.h"
#include "app/splitter_bar.h"
#include "app/tree_context_menu.h"
#include "app/tree_finder.h"
#include "app/tree_tool_tips.h"
#include "app/type_to_find.h"
#include "app/window_geometry.h"
#include "platform/executable_path.h"
#include "platform/file_association.h"
#include "settings/control_state_store.h"
#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec {
namespace {
constexpr int kPollingMilliseconds = 100;
}  // namespace

MainWindow::MainWindow(ControlStateStore& store, FileAssociation& association, std::string commandLinePath,
                       QWidget* parent)
    : QWidget(parent),
      store_(store),
      association_(association),
      programPath_(ExecutablePath()),
      commandLinePath_(std::move(commandLinePath)),
      controls_(CreateMainWindowControls(this)),
      treeWidth_(kDesignedTreeWidth) {
  setAcceptDrops(true);
  setMinimumSize(kMainWindowMinimumSize);
  tree_.Bind(controls_.treeWidget);
  tree_.SetImageList(NodeIcons());
  loader_ = new ModuleLoader(controls_.pathBox, tree_, controls_.pageView, this);
  opener_ = new ModuleOpener(*loader_, controls_.pathBox, this, this);
  presenter_ = new SelectionPresenter(tree_, controls_.treeWidget, *loader_, this);
  copying_ = new CopyButtons(*presenter_, controls_.copyTextButton, controls_.copyHtmlButton, controls_.copyIdeButton,
                             this);
  watcher_ = new ModuleFileWatcher(this);
  contextMenu_ = new TreeContextMenu(*presenter_, controls_.treeWidget, this);
  comparer_ = new ModuleComparer(*loader_, this, this);
  links_ = new PageLinks(*loader_, tree_, this);
  history_ = new NodeHistory(tree_, *loader_, controls_.pageView, controls_.backButton, controls_.forwardButton, this);
  history_->WatchMouseButtons(controls_.treeWidget->viewport());
  history_->WatchMouseButtons(controls_.pageView->viewport());
  zoom_ = new PageZoom(store_, controls_.pageView, controls_.treeWidget, this);
  new TypeToFind(controls_.treeWidget, controls_.findBox, this);
  new TreeToolTips(controls_.treeWidget, this);
  ConnectSignals();
  RestoreGeometry();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectSignals() {
  const MainWindowControls& c = controls_;
  connect(c.treeWidget, &QTreeWidget::currentItemChanged, presenter_, &SelectionPresenter::OnTreeSelectionChanged);
  connect(loader_, &ModuleLoader::CurrentNodeReselected, presenter_, &SelectionPresenter::OnTreeSelectionChanged);
  connect(c.treeWidget, &QTreeWidget::currentItemChanged, history_, &NodeHistory::OnSelectionChanged);
  connect(c.treeWidget, &QTreeWidget::customContextMenuRequested, contextMenu_, &TreeContextMenu::OnRequested);
  connect(contextMenu_, &TreeContextMenu::CompareRequested, comparer_, &ModuleComparer::CompareWithChosenModule);
  connect(c.pageView, &PageView::anchorClicked, links_, &PageLinks::OnLinkClicked);
  connect(contextMenu_, &TreeContextMenu::UsesRequested, links_, &PageLinks::ShowUses);
  connect(links_, &PageLinks::UsesShown, history_, &NodeHistory::OnOwnPageShown);
  connect(links_, &PageLinks::SaveResourceRequested, contextMenu_, &TreeContextMenu::SaveResourceWithDialog);
  connect(comparer_, &ModuleComparer::ReportShown, history_, &NodeHistory::OnOwnPageShown);
  connect(c.copyTextButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsText);
  connect(c.copyHtmlButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsHtml);
  connect(c.copyIdeButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsIdeHtml);
  connect(c.pathBox, &QLineEdit::returnPressed, opener_, &ModuleOpener::OnPathBoxEnter);
  connect(c.chooseButton, &QPushButton::clicked, opener_, &ModuleOpener::ChooseModuleWithDialog);
  connect(c.listButton, &QPushButton::clicked, opener_, &ModuleOpener::ShowSameFolderMenu);
  connect(&opener_->Menu(), &SameFolderMenu::ModuleChosen, opener_,
          [this](const QString& path) { opener_->SetPendingModulePath(path.toStdString()); });
  connect(&opener_->Menu(), &SameFolderMenu::MissingRecentChosen, this, &MainWindow::ForgetMissingModule);
  connect(c.pollingTimer, &QTimer::timeout, opener_, &ModuleOpener::OnPollingTick);
  connect(loader_, &ModuleLoader::ModuleShown, this, &MainWindow::OnModuleShown);
  connect(loader_, &ModuleLoader::OpenProblemChanged, this, &MainWindow::ShowOpenProblem);
  connect(watcher_, &ModuleFileWatcher::Changed, loader_, &ModuleLoader::Reload);
  connect(c.splitterBar, &SplitterBar::Dragged, this, &MainWindow::OnSplitterDragged);
  connect(c.splitterBar, &SplitterBar::Released, this, [this] { treeWidthAtPress_ = 0; });
  connect(c.findBox, &QLineEdit::returnPressed, this, &MainWindow::FindNext);
  connect(c.nextButton, &QPushButton::clicked, this, &MainWindow::FindNext);
  connect(c.previousButton, &QPushButton::clicked, this, &MainWindow::FindPrevious);
  c.nextButton->installEventFilter(this);
  connect(c.bannerTimer, &QTimer::timeout, this, &MainWindow::OnBannerTick);
  connect(c.associationBox, &QCheckBox::clicked, this, &MainWindow::OnAssociationClicked);
  connect(c.searchButton, &QPushButton::clicked, this, &MainWindow::ShowSearchWindow);
  connect(c.logo, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(c.homepagePicture, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(c.homepageLink, &QLabel::linkActivated, this, &MainWindow::ShowAboutBox);
  connect(c.notesPicture, &QToolButton::clicked, this, &MainWindow::ShowNotesBox);
  connect(c.notesLink, &QLabel::linkActivated, this, &MainWindow::ShowNotesBox);
  AddShortcut(QKeySequence(Qt::Key_F3), &MainWindow::FindNext);
  AddShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &MainWindow::FindPrevious);
  AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &MainWindow::FocusFindBox);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, opener_,
          &ModuleOpener::ChooseModuleWithDialog);
  connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, loader_, &ModuleLoader::Reload);
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, history_,
          &NodeHistory::GoBack);
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, history_,
          &NodeHistory::GoForward);
}

void MainWindow::AddShortcut(const QKeySequence& keys, void (MainWindow::*handler)()) {
  connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
}

// Size, place and tree width as the last run left them, before the window
// is first shown.
void MainWindow::RestoreGeometry() {
  store_.SetSection(kMainSection);
  if (const auto geometry = ReadWindowGeometry(store_)) {
    if (geometry->treeWidth > 0) treeWidth_ = geometry->treeWidth;
    ApplyWindowGeometry(*this, *geometry);
  }
}

void MainWindow::OpenHandedOver(const std::string& path) {
  if (!path.empty()) opener_->SetPendingModulePath(path);
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void MainWindow::OnModuleShown() {
  const std::string name = Utf8FromPath(PathFromUtf8(loader_->CurrentPath()).stem());
  setWindowTitle(QString::fromUtf8(kMainWindowCaption) + QString::fromLatin1(kProgramVersion) +
                 QStringLiteral(" - ") + QString::fromStdString(name));
  watcher_->Watch(loader_->CurrentPath());
  history_->OnModuleShown();
  // Only modules that opened are worth offering again.
  if (loader_->Model().outcome.rejected) return;
  recent_.Add(loader_->CurrentPath());
  recent_.Save(store_);
  opener_->Menu().SetRecent(recent_.Paths());
}

void MainWindow::ShowOpenProblem(const QString& problem) {
  controls_.messageLine->setText(problem);
  controls_.messageLine->setToolTip(problem);
  controls_.messageLine->setHidden(problem.isEmpty());
  Layout();
}

void MainWindow::ForgetMissingModule(const QString& path) {
  recent_.Remove(path.toStdString());
  recent_.Save(store_);
  opener_->Menu().SetRecent(recent_.Paths());
}

void MainWindow::OnSplitterDragged(int dx) {
  if (treeWidthAtPress_ == 0) treeWidthAtPress_ = controls_.treeWidget->width();
  treeWidth_ = ClampTreeWidth(treeWidthAtPress_ + dx, width());
  Layout();
}

void MainWindow::loadModule(const std::string& path) { loader_->loadModule(path); }

void MainWindow::OnFirstActivation() {
  if (activated_) return;
  activated_ = true;
  RestoreControls(this, store_, kMainSection);
  // Earlier versions kept the hint as the box's text, and saved it so.
  if (controls_.findBox->text() == QString::fromUtf8(kFindBoxHint)) controls_.findBox->clear();
  recent_.Load(store_);
  zoom_->Restore();
  opener_->Menu().SetRecent(recent_.Paths());
  controls_.pollingTimer->start(kPollingMilliseconds);
  controls_.bannerTimer->start();
  store_.SetSection(kMainSection);
  if (!store_.ReadLogical(kAssociationDoneKey, false)) {
    ApplyAssociation(association_, controls_.associationBox->isChecked(), programPath_);
    store_.WriteLogical(kAssociationDoneKey, true);
  }
  Layout();
  if (!commandLinePath_.empty()) controls_.pathBox->setText(QString::fromStdString(commandLinePath_));
  loader_->loadModule("");
}

void MainWindow::Layout() { LayOutMainWindow(controls_, size(), treeWidth_); }

void MainWindow::SaveState() {
  SaveControls(this, store_, kMainSection);
  store_.SetSection(kMainSection);
  // The box may hold a path that could not be opened; the next start shows
  // the module shown now.
  if (!loader_->CurrentPath().empty())
    store_.WriteText(controls_.pathBox->objectName().toStdString(), loader_->CurrentPath());
  WriteWindowGeometry(store_, {normalGeometry(), isMaximized(), controls_.treeWidget->width()});
}

void MainWindow::SetFeedbackMilliseconds(int milliseconds) {
  feedbackMilliseconds_ = milliseconds;
  copying_->SetFeedbackMilliseconds(milliseconds);
}

void MainWindow::SetReloadQuietMilliseconds(int milliseconds) { watcher_->SetQuietMilliseconds(milliseconds); }

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    // Not from inside the activation itself: the load handles events.
    QTimer::singleShot(0, this, &MainWindow::OnFirstActivation);
  }
  return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Some platforms never activate a window (offscreen, some window managers
  // for windows started in the background); the first showing counts then.
  if (!activated_) QTimer::singleShot(0, this, &MainWindow::OnFirstActivation);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveState();
  // Another viewer started now reads what this one saved; a disk that does
  // not answer costs the bounded wait, not the close.
  store_.Flush();
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls())
    paths.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
  event->acceptProposedAction();
  opener_->HandleDroppedFiles(paths);
}

// A right click on "下一个" finds backwards.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == controls_.nextButton && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    FindPrevious();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::FindNext() { RunFind(true); }

void MainWindow::FindPrevious() { RunFind(false); }

void MainWindow::FocusFindBox() {
  controls_.findBox->setFocus(Qt::ShortcutFocusReason);
  controls_.findBox->selectAll();
}

void MainWindow::RunFind(bool forward) {
  // An empty box shows the hint: there is nothing to look for.
  if (controls_.findBox->text().isEmpty()) return;
  TreeFindBar bar;
  bar.findBox = controls_.findBox;
  bar.modeBox = controls_.modeBox;
  bar.nextButton = controls_.nextButton;
  bar.previousButton = controls_.previousButton;
  bar.notFoundMilliseconds = feedbackMilliseconds_;
  RunTreeFind(bar, tree_, forward);
}

void MainWindow::OnBannerTick() {
  const MainWindowControls& c = controls_;
  const int leftBound = c.homepagePicture->geometry().right() + 1, rightBound = c.associationBox->x();
  const int width = c.logo->width();
  c.logo->setVisible(BannerMotion::Fits(width, leftBound, rightBound));
  if (c.logo->isHidden()) return;
  const int left = BannerMotion::Clamp(c.logo->x(), width, leftBound, rightBound);
  c.logo->move(bannerMotion_.Step(left, width, leftBound, rightBound), c.logo->y());
}

void MainWindow::OnAssociationClicked() {
  ApplyAssociation(association_, controls_.associationBox->isChecked(), programPath_);
}

void MainWindow::ShowNotesBox() {
  if (notesBox_) return;
  auto* box = new NotesBox(this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  notesBox_ = box;
  box->CentreOnScreen();
  box->open();
}

void MainWindow::ShowAboutBox() { ec::ShowAboutBox(this, store_.Path()); }

void MainWindow::SetDirTreeServices(const DirTreeServices* services) {
  dirTreeServices_ = services;
  controls_.searchButton->setEnabled(services != nullptr);
}

ModuleSearchWindow* MainWindow::SearchWindow() const { return searchWindow_.data(); }

void MainWindow::ShowSearchWindow() {
  if (dirTreeServices_ == nullptr) return;
  if (!searchWindow_) {
    searchWindow_ = new ModuleSearchWindow(store_, *dirTreeServices_, tree_.ImageList(),
                                           [this](const std::string& path, const std::string& name) {
                                             OpenModuleAndFind(path, name);
                                           },
                                           this);
  }
  searchWindow_->showNormal();
  searchWindow_->raise();
  searchWindow_->activateWindow();
}

void MainWindow::OpenModuleAndFind(const std::string& path, const std::string& name) {
  loader_->loadModule(path);
  if (!name.empty()) {
    controls_.findBox->setText(QString::fromStdString(name));
    controls_.modeBox->setCurrentIndex(kFindPlain);
    FindNext();
  }
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

}  // namespace ec
