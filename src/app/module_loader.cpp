#include "app/module_loader.h"

#include <QLineEdit>
#include <QTreeWidgetItem>

#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/declaration_tree.h"
#include "app/main_window_controls.h"
#include "app/node_text_path.h"
#include "app/page_view.h"
#include "app/wait_processing_messages.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "model/module_analysis.h"
#include "render/node_kind.h"
#include "render/summary_page.h"
#include "support/plain_text.h"
#include "support/utf8_path.h"
#include "viewer/open_problem.h"

namespace ec {
namespace {

constexpr char kRootLoading[] = "澜禾·易模块(解析中..)";
constexpr char kRootBuilding[] = "澜禾·易模块(载入中..)";
constexpr char kRootDone[] = "澜禾·易模块";

// Program files (.e) use the same container as modules; their "公开" marks
// mean something else, so the page says what the file is.
std::string ProgramFileNote(const std::string& path) {
  if (LowerAscii(Utf8FromPath(PathFromUtf8(path).extension())) != ".e") return {};
  return "<div style=\"font-size:14px;font-family:SimSun;color:#a15c00;\">此文件是易语言程序（.e），不是模块："
         "“公开”只表示它在程序内的可见性。</div><br>";
}

}  // namespace

ModuleLoader::ModuleLoader(QLineEdit* pathBox, TreeViewHelper& tree, PageView* page, QObject* parent)
    : QObject(parent), pathBox_(pathBox), tree_(tree), page_(page) {}

// No events are handled here: a page is written from the tree's own
// selection handler, and a key or click handled inside it would be undone by
// the rest of that handler (the highlight would stay on the older node).
void ModuleLoader::writePage(const std::string& html, const QImage& picture) {
  writingPage_ = true;
  page_->WritePage(html, picture);
  writingPage_ = false;
}

void ModuleLoader::loadModule(const std::string& path) {
  // Events are handled during a load; a request arriving meanwhile is dropped
  // rather than tearing down the tree being built.
  if (loading_) return;
  std::string target = path;
  if (target.empty()) {
    target = pathBox_->text().toStdString();
  } else {
    pathBox_->setText(QString::fromStdString(target));
  }
  if (target == currentPath_) return SetOpenProblem({});
  if (!CanShow(target)) return;
  loading_ = true;
  RunLoad(target);
  loading_ = false;
  emit ModuleShown();
}

// A file the reader rejects is rejected by its header, so reading no part
// of it says so at the cost of its first bytes, and the module shown stays.
// The designed sentence of the box (a first start) is no path to complain of.
bool ModuleLoader::CanShow(const std::string& path) {
  const PathProblem problem = ProblemOpening(path);
  std::string reason = OpenProblemText(problem);
  if (problem == PathProblem::kNone) {
    ModuleModel probe;
    analyseModule(path, probe, {.parts = ModelParts::None(), .readOnly = true});
    if (probe.outcome.rejected) reason = probe.outcome.problems.empty() ? "不是易模块文件" : probe.outcome.problems[0];
  }
  if (reason.empty()) return true;
  if (path != kPathBoxHint) SetOpenProblem(OpenProblemLine(path, reason));
  return false;
}

void ModuleLoader::SetOpenProblem(std::string problem) {
  if (problem == openProblem_) return;
  openProblem_ = std::move(problem);
  emit OpenProblemChanged(QString::fromStdString(openProblem_));
}

void ModuleLoader::Reload() {
  if (loading_ || currentPath_.empty()) return;
  // A file caught half written, or replaced by something else, leaves the
  // module as it was read last.
  if (!CanShow(currentPath_)) return;
  const std::vector<std::string> selected = NodeTextPath(tree_, tree_.CurrentIndex());
  pathBox_->setText(QString::fromStdString(currentPath_));
  loading_ = true;
  RunLoad(currentPath_);
  loading_ = false;
  const int index = FindNodeByTextPath(tree_, selected);
  if (index > 0) tree_.Select(index);
  emit ModuleShown();
}

void ModuleLoader::RunLoad(std::string path) {
  tree_.Clear();
  tree_.InsertOne(-1, MatchItem{kRootLoading, kKindModule, kKindModule, 0}, kInsertAsRoot);
  ProcessPendingEvents();

  currentPath_ = std::move(path);
  SetOpenProblem({});
  ++loadNumber_;
  // The old model goes first (unless a comparison still reads it), so two
  // large modules are never held at once.
  model_ = std::make_shared<const ModuleModel>();
  auto model = std::make_shared<ModuleModel>();
  // A module cut short or damaged elsewhere keeps its check values as found.
  analyseModule(currentPath_, *model, {.repairOnlyWhole = true});
  tree_.SetText(0, kRootBuilding);
  model->info.remarks = CutRemarkSection(model->info.remarks);
  model_ = std::move(model);
  summaryPage_ = ProgramFileNote(currentPath_) + BuildSummaryPage(*model_);
  writePage(summaryPage_);

  FillDeclarationTree(tree_, *model_);
  tree_.SetText(0, kRootDone);
  // A module read in part says so wherever the user looks first.
  if (QTreeWidgetItem* root = tree_.Item(0))
    root->setToolTip(0, QString::fromStdString(ReadOutcomeToolTip(model_->outcome)));
  tree_.Expand(0);
  const bool alreadyCurrent = tree_.CurrentIndex() == 0;
  tree_.Select(0);
  if (alreadyCurrent) emit CurrentNodeReselected();
}

}  // namespace ec
