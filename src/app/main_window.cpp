#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "app/about_box.h"
#include "app/control_states.h"
#include "app/copy_buttons.h"
#include "app/module_comparer.h"
#include "app/module_loader.h"
#include "app/module_opener.h"
#include "app/node_icons.h"
#include "app/notes_box.h"
#include "app/page_view.h"
#include "app/same_folder_menu.h"
#include "app/selection_presenter.h"
#include "app/tree_context_menu.h"
#include "app/tree_finder.h"
#include "platform/executable_path.h"
#include "platform/file_association.h"
#include "support/control_state_store.h"

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
      controls_(CreateMainWindowControls(this)) {
  setAcceptDrops(true);
  tree_.Bind(controls_.treeWidget);
  tree_.SetImageList(NodeIcons());
  loader_ = new ModuleLoader(controls_.pathBox, tree_, controls_.pageView, this);
  opener_ = new ModuleOpener(*loader_, controls_.pathBox, this, this);
  presenter_ = new SelectionPresenter(tree_, controls_.treeWidget, *loader_, this);
  copying_ = new CopyButtons(*presenter_, controls_.copyTextButton, controls_.copyHtmlButton, controls_.copyIdeButton,
                             this);
  comparer_ = new ModuleComparer(*loader_, tree_, this, this);
  treeMenu_ = new TreeContextMenu(this);
  ConnectSignals();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectSignals() {
  const MainWindowControls& c = controls_;
  connect(c.treeWidget, &QTreeWidget::currentItemChanged, presenter_, &SelectionPresenter::OnTreeSelectionChanged);
  connect(loader_, &ModuleLoader::CurrentNodeReselected, presenter_, &SelectionPresenter::OnTreeSelectionChanged);
  connect(c.treeWidget, &QTreeWidget::customContextMenuRequested, this, &MainWindow::OnTreeContextMenu);
  connect(treeMenu_, &TreeContextMenu::CompareRequested, comparer_, &ModuleComparer::CompareWithChosenModule);
  connect(c.pageView, &QTextBrowser::anchorClicked, comparer_, &ModuleComparer::OnLinkClicked);
  connect(c.copyTextButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsText);
  connect(c.copyHtmlButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsHtml);
  connect(c.copyIdeButton, &QPushButton::clicked, copying_, &CopyButtons::CopyAsIdeHtml);
  connect(c.pathBox, &QLineEdit::returnPressed, opener_, &ModuleOpener::OnPathBoxEnter);
  connect(c.chooseButton, &QPushButton::clicked, opener_, &ModuleOpener::ChooseModuleWithDialog);
  connect(c.listButton, &QPushButton::clicked, opener_, &ModuleOpener::ShowSameFolderMenu);
  connect(&opener_->Menu(), &SameFolderMenu::ModuleChosen, opener_,
          [this](const QString& path) { opener_->SetPendingModulePath(path.toStdString()); });
  connect(c.pollingTimer, &QTimer::timeout, opener_, &ModuleOpener::OnPollingTick);
  connect(c.nextButton, &QPushButton::clicked, this, &MainWindow::FindNext);
  connect(c.previousButton, &QPushButton::clicked, this, &MainWindow::FindPrevious);
  c.nextButton->installEventFilter(this);
  connect(c.bannerTimer, &QTimer::timeout, this, &MainWindow::OnBannerTick);
  connect(c.associationBox, &QCheckBox::clicked, this, &MainWindow::OnAssociationClicked);
  connect(c.logo, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(c.homepagePicture, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(c.homepageLink, &QLabel::linkActivated, this, &MainWindow::ShowAboutBox);
  connect(c.notesPicture, &QToolButton::clicked, this, &MainWindow::ShowNotesBox);
  connect(c.notesLink, &QLabel::linkActivated, this, &MainWindow::ShowNotesBox);
}

void MainWindow::loadModule(const std::string& path) { loader_->loadModule(path); }

void MainWindow::OnFirstActivation() {
  if (activated_) return;
  activated_ = true;
  RestoreControls(this, store_, kMainSection);
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

// The tree keeps its width and the page view its left edge; both run from
// below the toolbar to 10 pixels above the bottom, the page view to 10 pixels
// from the right.
void MainWindow::Layout() {
  const int top = controls_.toolbar->y() + controls_.toolbar->height();
  const int bottomGap = 10;
  const int height = qMax(0, this->height() - top - bottomGap);
  controls_.treeWidget->setGeometry(10, top, controls_.treeWidget->width(), height);
  const int left = controls_.pageView->x();
  controls_.pageView->setGeometry(left, top, qMax(0, width() - left - bottomGap), height);
}

void MainWindow::SaveState() { SaveControls(this, store_, kMainSection); }

void MainWindow::SetFeedbackMilliseconds(int milliseconds) {
  feedbackMilliseconds_ = milliseconds;
  copying_->SetFeedbackMilliseconds(milliseconds);
}

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

void MainWindow::RunFind(bool forward) {
  TreeFindBar bar;
  bar.findBox = controls_.findBox;
  bar.modeBox = controls_.modeBox;
  bar.nextButton = controls_.nextButton;
  bar.previousButton = controls_.previousButton;
  bar.notFoundMilliseconds = feedbackMilliseconds_;
  RunTreeFind(bar, tree_, forward);
}

// A right click copies the selected node's text, as it always did, and offers
// the tree's menu.
void MainWindow::OnTreeContextMenu(const QPoint& pos) {
  presenter_->CopySelectedNodeText();
  treeMenu_->Popup(controls_.treeWidget->viewport()->mapToGlobal(pos));
}

void MainWindow::OnBannerTick() {
  const MainWindowControls& c = controls_;
  const int left =
      bannerMotion_.Step(c.logo->x(), c.logo->width(), c.homepagePicture->geometry().right() + 1, c.associationBox->x());
  c.logo->move(left, c.logo->y());
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

}  // namespace ec
