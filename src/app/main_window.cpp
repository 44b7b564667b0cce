#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFrame>
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
#include "app/dropped_module.h"
#include "app/file_dialog_filter.h"
#include "app/notes_box.h"
#include "app/page_view.h"
#include "app/same_folder_menu.h"
#include "platform/executable_path.h"
#include "platform/file_association.h"
#include "support/control_state_store.h"

namespace ec {
namespace {
constexpr char kOpenDialogTitle[] = "选择要查看的易模块：";
constexpr char kOpenDialogFilter[] = "易模块(*.ec)|*.ec|所有文件(*.*)|*.*";
constexpr int kPollingMilliseconds = 100;
}  // namespace

MainWindow::MainWindow(ControlStateStore& store, FileAssociation& association, std::string commandLinePath,
                       QWidget* parent)
    : QWidget(parent),
      store_(store),
      association_(association),
      programPath_(ExecutablePath()),
      commandLinePath_(std::move(commandLinePath)) {
  setAcceptDrops(true);
  CreateControls();
  ConnectSignals();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectSignals() {
  connect(treeWidget_, &QTreeWidget::currentItemChanged, this, &MainWindow::OnTreeSelectionChanged);
  connect(treeWidget_, &QTreeWidget::customContextMenuRequested, this, &MainWindow::CopySelectedNodeText);
  connect(pathBox_, &QLineEdit::returnPressed, this, &MainWindow::OnPathBoxEnter);
  connect(chooseButton_, &QPushButton::clicked, this, &MainWindow::ChooseModuleWithDialog);
  connect(listButton_, &QPushButton::clicked, this, &MainWindow::ShowSameFolderMenu);
  connect(sameFolderMenu_, &SameFolderMenu::ModuleChosen, this,
          [this](const QString& path) { SetPendingModulePath(path.toStdString()); });
  connect(pollingTimer_, &QTimer::timeout, this, &MainWindow::OnPollingTick);
  connect(bannerTimer_, &QTimer::timeout, this, &MainWindow::OnBannerTick);
  connect(nextButton_, &QPushButton::clicked, this, &MainWindow::FindNext);
  connect(previousButton_, &QPushButton::clicked, this, &MainWindow::FindPrevious);
  nextButton_->installEventFilter(this);
  connect(copyTextButton_, &QPushButton::clicked, this, &MainWindow::CopyAsText);
  connect(copyHtmlButton_, &QPushButton::clicked, this, &MainWindow::CopyAsHtml);
  connect(copyIdeButton_, &QPushButton::clicked, this, &MainWindow::CopyAsIdeHtml);
  connect(associationBox_, &QCheckBox::clicked, this, &MainWindow::OnAssociationClicked);
  connect(logo_, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(homepagePicture_, &QToolButton::clicked, this, &MainWindow::ShowAboutBox);
  connect(homepageLink_, &QLabel::linkActivated, this, &MainWindow::ShowAboutBox);
  connect(notesPicture_, &QToolButton::clicked, this, &MainWindow::ShowNotesBox);
  connect(notesLink_, &QLabel::linkActivated, this, &MainWindow::ShowNotesBox);
}

void MainWindow::OnFirstActivation() {
  if (activated_) return;
  activated_ = true;
  RestoreControls(this, store_, kMainSection);
  pollingTimer_->start(kPollingMilliseconds);
  bannerTimer_->start();
  store_.SetSection(kMainSection);
  if (!store_.ReadLogical(kAssociationDoneKey, false)) {
    ApplyAssociation(association_, associationBox_->isChecked(), programPath_);
    store_.WriteLogical(kAssociationDoneKey, true);
  }
  Layout();
  if (!commandLinePath_.empty()) pathBox_->setText(QString::fromStdString(commandLinePath_));
  loadModule("");
}

// The tree keeps its width and the page view its left edge; both run from
// below the toolbar to 10 pixels above the bottom, the page view to 10 pixels
// from the right.
void MainWindow::Layout() {
  const int top = toolbar_->y() + toolbar_->height();
  const int bottomGap = 10;
  const int height = qMax(0, this->height() - top - bottomGap);
  treeWidget_->setGeometry(10, top, treeWidget_->width(), height);
  const int left = pageView_->x();
  pageView_->setGeometry(left, top, qMax(0, width() - left - bottomGap), height);
}

void MainWindow::SaveState() { SaveControls(this, store_, kMainSection); }

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
  for (const QUrl& url : event->mimeData()->urls()) paths.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
  event->acceptProposedAction();
  HandleDroppedFiles(paths);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nextButton_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    FindPrevious();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::HandleDroppedFiles(const std::vector<std::string>& paths) {
  const std::string module = DroppedModulePath(paths);
  if (!module.empty()) loadModule(module);
}

void MainWindow::OnPathBoxEnter() { loadModule(""); }

void MainWindow::ChooseModuleWithDialog() {
  const QString folder = QDir::currentPath();
  const QString chosen = QFileDialog::getOpenFileName(this, QString::fromUtf8(kOpenDialogTitle), pathBox_->text(),
                                                      QtFileFilter(kOpenDialogFilter));
  QDir::setCurrent(folder);
  if (!chosen.isEmpty()) loadModule(QDir::toNativeSeparators(chosen).toStdString());
}

void MainWindow::ShowSameFolderMenu() { sameFolderMenu_->Popup(pathBox_->text().toStdString(), QCursor::pos()); }

void MainWindow::SetPendingModulePath(const std::string& path) { pendingModulePath_ = path; }

// A module chosen from the same-folder menu is loaded by the next tick. The
// pending path is used up by the load, so choosing the same module again
// later (after another one was opened) opens it again.
void MainWindow::OnPollingTick() {
  if (pendingModulePath_.empty() || loading_) return;
  const std::string path = std::exchange(pendingModulePath_, std::string());
  loadModule(path);
}

void MainWindow::OnBannerTick() {
  const int left = bannerMotion_.Step(logo_->x(), logo_->width(), homepagePicture_->geometry().right() + 1,
                                      associationBox_->x());
  logo_->move(left, logo_->y());
}

void MainWindow::OnAssociationClicked() { ApplyAssociation(association_, associationBox_->isChecked(), programPath_); }

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
