#include "app/search/module_search_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QUrl>

#include <system_error>

#include "app/control_states.h"
#include "dirtree/dir_tree_panel.h"
#include "platform/path_text.h"
#include "search/module_files.h"
#include "search/names_index.h"
#include "search/search_tally.h"
#include "settings/control_state_store.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

constexpr char kStart[] = "开始搜索";
constexpr char kStop[] = "停止搜索";
constexpr char kStopping[] = "停止中";
// Results are taken while the window has time to spare: at most this long
// per tick, so that it never stops answering.
constexpr qint64 kTickBudgetMilliseconds = 25;
constexpr int kTickMilliseconds = 10;
// Taken modules are shown together at this pace: each insertion makes the
// view lay out all its rows again, so the pace slows as the rows grow,
// keeping the share of the window's time spent on layouts about the same.
constexpr qint64 kFlushMilliseconds = 150;
constexpr qint64 kLinesPerExtraMillisecond = 200;  // 100,000 lines: 650 ms between insertions
constexpr int kNotShownLineHeight = 22;

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

}  // namespace

ModuleSearchWindow::ModuleSearchWindow(ControlStateStore& store, const DirTreeServices& services,
                                       std::vector<QIcon> icons, OpenModule openModule, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), openModule_(std::move(openModule)) {
  CreateControls();
  results_.SetIcons(std::move(icons));
  resultsView_->setModel(&results_);
  RestoreControls(this, store_, kSearchSection);
  ApplyAllRule();
  panel_ = DirTreePanel::EmbedPanel(
      this, 10, 42, 480, 511, [](int, int, const std::string&) {}, services);
  panel_->setAcceptDrops(true);
  panel_->installEventFilter(this);
  panel_->Tree()->viewport()->installEventFilter(this);
  panel_->Tree()->setAcceptDrops(true);
  ConnectSignals();
  Layout();
}

ModuleSearchWindow::~ModuleSearchWindow() = default;

void ModuleSearchWindow::CreateControls() {
  setWindowTitle(QString::fromUtf8(kSearchWindowTitle));
  setGeometry(50, 50, 903, 563);
  const struct {
    const char* name;
    const char* caption;
    int left, width;
  } kinds[] = {{"选择框程序集", "程序集", 10, 72}, {"选择框类", "类", 86, 48},
               {"选择框类型", "类型", 134, 64},    {"选择框DLL接口", "DLL接口", 198, 88},
               {"选择框常量", "常量", 286, 64},    {"选择框全局变量", "全局变量", 350, 88}};
  for (const auto& k : kinds) {
    kindBoxes_.push_back(Place(new QCheckBox(QString::fromUtf8(k.caption), this), k.name, k.left, 8, k.width, 24));
  }
  kindBoxes_.front()->setChecked(true);
  allBox_ = Place(new QCheckBox(QStringLiteral("全部"), this), "选择框查找全部", 443, 8, 61, 24);
  allBox_->setChecked(true);
  // A second row: what is compared, and whether programs are searched too.
  Place(new QLabel(QStringLiteral("范围"), this), "标签范围", 10, 36, 36, 24);
  scopeBox_ = Place(new QComboBox(this), "组合框范围", 48, 36, 170, 24);
  scopeBox_->addItems({QStringLiteral("名称"), QStringLiteral("名称和备注"), QStringLiteral("名称、备注和参数")});
  programsBox_ = Place(new QCheckBox(QStringLiteral("含程序(.e)"), this), "选择框含程序", 230, 36, 120, 24);
  startButton_ = Place(new QPushButton(QString::fromUtf8(kStart), this), "按钮开始搜索", 512, 8, 144, 24);
  startButton_->installEventFilter(this);
  textBox_ = Place(new QLineEdit(QStringLiteral("输入要搜索的字词"), this), "编辑框查找字符", 664, 8, 224, 24);
  resultsView_ = Place(new QTreeView(this), "树型框", 592, 40, 267, 520);
  resultsView_->setHeaderHidden(true);
  resultsView_->setContextMenuPolicy(Qt::CustomContextMenu);
  // Every row is one line of text: the view need not measure each of a
  // hundred thousand rows to lay them out.
  resultsView_->setUniformRowHeights(true);
  notShownLine_ = Place(new QLabel(this), "标签未显示", 592, 540, 267, kNotShownLineHeight);
  notShownLine_->hide();
  tick_.setInterval(kTickMilliseconds);
}

void ModuleSearchWindow::ConnectSignals() {
  connect(startButton_, &QPushButton::clicked, this, &ModuleSearchWindow::OnStartClicked);
  connect(textBox_, &QLineEdit::returnPressed, this, &ModuleSearchWindow::OnStartClicked);
  connect(allBox_, &QCheckBox::clicked, this, &ModuleSearchWindow::ApplyAllRule);
  connect(resultsView_, &QTreeView::doubleClicked, this, &ModuleSearchWindow::OnResultDoubleClicked);
  connect(resultsView_, &QTreeView::customContextMenuRequested, this, &ModuleSearchWindow::CopySelectedResult);
  connect(&tick_, &QTimer::timeout, this, &ModuleSearchWindow::TakeResults);
}

// The six kinds can be chosen only while "全部" is not ticked.
void ModuleSearchWindow::ApplyAllRule() {
  for (QCheckBox* box : kindBoxes_) box->setEnabled(!allBox_->isChecked());
}

void ModuleSearchWindow::Layout() {
  const int top = scopeBox_->y() + scopeBox_->height() + 10;
  const int height = std::max(0, this->height() - top - 10);
  panel_->setGeometry(10, top, 480, height);
  const int resultsWidth = std::max(0, width() - 520);
  // The line's room is kept even while it is hidden: resizing the view
  // when it appears would lay out a hundred thousand rows at once.
  resultsView_->setGeometry(510, top, resultsWidth, std::max(0, height - kNotShownLineHeight - 4));
  notShownLine_->setGeometry(510, top + height - kNotShownLineHeight, resultsWidth, kNotShownLineHeight);
}

SearchKinds ModuleSearchWindow::CheckedKinds() const {
  if (allBox_->isChecked()) return {};
  const auto on = [this](size_t i) { return kindBoxes_[i]->isChecked(); };
  return {on(0), on(1), on(2), on(3), on(4), on(5)};
}

SearchScope ModuleSearchWindow::ChosenScope() const {
  switch (scopeBox_->currentIndex()) {
    case 1:
      return SearchScope::Remarks;
    case 2:
      return SearchScope::Params;
    default:
      return SearchScope::Names;
  }
}

void ModuleSearchWindow::OnStartClicked() {
  if (run_) {
    startButton_->setText(QString::fromUtf8(kStopping));
    run_->Stop();
    return;
  }
  const std::string text = textBox_->text().toStdString();
  if (text.empty()) return;
  results_.Clear();
  damaged_.clear();
  damagedModules_ = 0;
  resultsView_->setToolTip({});
  notShownLine_->hide();
  startButton_->setText(QString::fromUtf8(kStop));
  ListModuleFiles(panel_->NodePath(), programsBox_->isChecked() ? "*.ec|*.e" : "*.ec", files_);
  SortNaturally(files_);
  tally_ = {};
  // The viewer's own analysis: check values are repaired where the file allows.
  run_ = std::make_unique<FolderSearch>(
      FolderSearchRequest{.files = files_,
                          .text = text,
                          .kinds = CheckedKinds(),
                          .scope = ChosenScope(),
                          .readOnly = false,
                          .repairOnlyWhole = true},
      cache_);
  sinceFlush_.start();
  tick_.start();
  TakeResults();
}

void ModuleSearchWindow::TakeResults() {
  if (!run_) return;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kTickBudgetMilliseconds) {
    auto outcome = run_->TakeReady();
    if (!outcome) break;
    const std::string& path = files_[outcome->index];
    for (const std::string& problem : outcome->result.problems) damaged_.push_back(path + "：" + problem);
    if (!outcome->result.problems.empty()) ++damagedModules_;
    tally_.Add(outcome->result);
    results_.Stage(path, static_cast<int>(outcome->index + 1), std::move(outcome->result));
  }
  if (run_->Finished()) return FinishRun();
  // The first hits show at once, the rest at the flushing pace.
  const bool first = results_.rowCount() == 0 && results_.HasStaged();
  const qint64 pace = kFlushMilliseconds + static_cast<qint64>(results_.LinesShown()) / kLinesPerExtraMillisecond;
  if (first || sinceFlush_.elapsed() >= pace) FlushResults();
  ShowProgress();
}

// The view stays where the user left it (at the top): modules keep arriving below.
void ModuleSearchWindow::FlushResults() {
  sinceFlush_.restart();
  const auto [first, last] = results_.Flush();
  for (const QModelIndex& node : results_.OpenedNodes(first, last)) resultsView_->expand(node);
  ShowNotShownLine();
}

// "另有 N 处匹配未显示，请缩小搜索范围" under the results once the cap is reached.
void ModuleSearchWindow::ShowNotShownLine() {
  const size_t notShown = results_.HitsNotShown();
  if (notShown == 0) return;
  notShownLine_->setText(QStringLiteral("另有 %1 处匹配未显示，请缩小搜索范围").arg(notShown));
  notShownLine_->show();
}

void ModuleSearchWindow::ShowProgress() {
  const size_t next = run_->NextIndex();
  if (next >= files_.size()) return;
  const QString file = QString::fromStdString(FileNamePart(files_[next]));
  if (run_->NextIsBeingRead()) {
    setWindowTitle(QStringLiteral("正在解析模块..") + file);
  } else {
    setWindowTitle(QStringLiteral("正在搜索模块..%1 (%2/%3)").arg(file).arg(next + 1).arg(files_.size()));
  }
}

void ModuleSearchWindow::FinishRun() {
  tick_.stop();
  run_->StopAndWait();
  modulesRead_ = run_->ModulesRead();
  run_.reset();
  FlushResults();
  startButton_->setText(QString::fromUtf8(kStart));
  setWindowTitle(QString::fromStdString(FinishedTitle(tally_)) + DamagedNote());
  // The list is at hand over the results.
  QString list;
  for (const std::string& line : damaged_) list += (list.isEmpty() ? "" : "\n") + QString::fromStdString(line);
  resultsView_->setToolTip(list);
}

// "（2 个模块未能完整读取，列表见结果区的提示）", or nothing.
QString ModuleSearchWindow::DamagedNote() const {
  if (damagedModules_ == 0) return {};
  return QStringLiteral("（%1 个模块未能完整读取，列表见结果区的提示）").arg(damagedModules_);
}

void ModuleSearchWindow::OnResultDoubleClicked() {
  const SearchHitTarget target = results_.TargetOf(resultsView_->currentIndex());
  if (target.position < 1 || static_cast<size_t>(target.position) > files_.size()) return;
  showMinimized();
  if (openModule_) openModule_(files_[static_cast<size_t>(target.position) - 1], target.name);
}

void ModuleSearchWindow::CopySelectedResult() {
  const QModelIndex index = resultsView_->currentIndex();
  if (index.isValid()) QApplication::clipboard()->setText(index.data().toString());
}

void ModuleSearchWindow::LocateClipboardPath() {
  const std::string path = QApplication::clipboard()->text().toStdString();
  if (!path.empty()) panel_->LocatePath(path);
}

void ModuleSearchWindow::HandleDroppedPaths(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const std::string& last = paths.back();
  std::error_code error;
  if (std::filesystem::is_directory(PathFromUtf8(last), error)) {
    panel_->LocatePath(last);
  } else {
    if (const std::string folder = FolderPart(last); !folder.empty()) panel_->LocatePath(folder);
  }
}

void ModuleSearchWindow::OnFirstActivation() {
  if (activated_) return;
  activated_ = true;
  store_.SetSection(kSearchSection);
  const std::string folder = store_.ReadText(kSearchFolderKey, "");
  if (!folder.empty()) panel_->LocatePath(folder);
  LoadIndex();
}

// The names of the last runs, kept in the user's cache folder, so that the
// first search after a restart reads only the modules that changed.
void ModuleSearchWindow::LoadIndex() {
  indexPath_ = DefaultNamesIndexPath();
  if (indexPath_.empty()) return;
  if (!LoadNamesIndex(indexPath_, cache_).empty()) setWindowTitle(QString::fromUtf8(kIndexIgnoredTitle));
}

void ModuleSearchWindow::SaveState() {
  SaveControls(this, store_, kSearchSection);
  store_.SetSection(kSearchSection);
  store_.WriteText(kSearchFolderKey, panel_->NodePath());
  if (!indexPath_.empty()) SaveNamesIndex(indexPath_, cache_);
}

void ModuleSearchWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!activated_) QTimer::singleShot(0, this, &ModuleSearchWindow::OnFirstActivation);
}

void ModuleSearchWindow::closeEvent(QCloseEvent* event) {
  if (run_) {
    run_->StopAndWait();
    FinishRun();
  }
  SaveState();
  event->accept();
}

void ModuleSearchWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (panel_ != nullptr) Layout();
}

bool ModuleSearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == startButton_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    LocateClipboardPath();
    return true;
  }
  const bool onPanel = panel_ != nullptr && (watched == panel_ || watched == panel_->Tree()->viewport());
  if (onPanel && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData()->hasUrls()) drag->acceptProposedAction();
    return true;
  }
  if (onPanel && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths;
    for (const QUrl& url : drop->mimeData()->urls())
      paths.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    drop->acceptProposedAction();
    HandleDroppedPaths(paths);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ec
