// Loading a module into the main window: the model, the summary page and the
// declaration tree.
#include <QElapsedTimer>
#include <QLineEdit>

#include <system_error>

#include "app/main_window.h"
#include "app/page_view.h"
#include "support/utf8_path.h"
#include "app/wait_processing_messages.h"
#include "model/module_analysis.h"
#include "render/chinese_numeral.h"
#include "render/summary_page.h"

namespace ec {
namespace {

constexpr char kRootLoading[] = "澜禾·易模块(解析中..)";
constexpr char kRootBuilding[] = "澜禾·易模块(载入中..)";
constexpr char kRootDone[] = "澜禾·易模块";

// Handles pending events while a long list is built, but at most every few
// milliseconds: handling them for each of 100,000 items would cost more than
// building the tree.
class EventPumpThrottle {
 public:
  EventPumpThrottle() { clock_.start(); }
  void Tick() {
    if (clock_.elapsed() < kIntervalMilliseconds) return;
    ProcessPendingEvents();
    clock_.restart();
  }

 private:
  static constexpr qint64 kIntervalMilliseconds = 15;
  QElapsedTimer clock_;
};

std::string Counted(const std::string& caption, size_t count) { return caption + "(" + std::to_string(count) + ")"; }

int Position(size_t zeroBased) { return static_cast<int>(zeroBased + 1); }

}  // namespace

bool MainWindow::fileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  // A folder is no module: analysing one would only show an empty module.
  return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

void MainWindow::writePage(const std::string& html) {
  pageView_->WritePage(html);
  ProcessPendingEvents();
}

void MainWindow::loadModule(const std::string& path) {
  // Events are handled during a load; a request arriving meanwhile is dropped
  // rather than tearing down the tree being built.
  if (loading_) return;
  std::string target = path;
  if (target.empty()) {
    target = pathBox_->text().toStdString();
  } else {
    pathBox_->setText(QString::fromStdString(target));
  }
  if (target == currentPath_ || !fileExists(target)) return;
  loading_ = true;
  RunLoad(target);
  loading_ = false;
}

void MainWindow::RunLoad(const std::string& path) {
  tree_.Bind(treeWidget_);
  tree_.Clear();
  tree_.InsertOne(-1, MatchItem{kRootLoading, kKindModule, kKindModule, 0}, kInsertAsRoot);
  ProcessPendingEvents();

  currentPath_ = path;
  ++loadNumber_;
  analyseModule(path, mainModel_);
  tree_.SetText(0, kRootBuilding);

  mainModel_.info.remarks = CutRemarkSection(mainModel_.info.remarks);
  summaryPage_ = BuildSummaryPage(mainModel_);
  writePage(summaryPage_);

  FillTree();
  tree_.SetText(0, kRootDone);
  tree_.Expand(0);
  ShowSelectedRoot();
}

void MainWindow::FillTree() {
  AddSubroutineCategory();
  AddCategory("API", kKindDllCommands, mainModel_.dllCommands);
  AddCategory("常量", kKindConstants, mainModel_.constants);
  AddCategory("全局变量", kKindGlobals, mainModel_.globals);
  AddCategory("自定义数据类型", kKindDataTypes, mainModel_.dataTypes);
  AddClasses();
}

// The groups' header nodes and their subroutines all sit directly under the
// category; they go in as one batch, so the tree is walked once, not once per
// group.
void MainWindow::AddSubroutineCategory() {
  size_t total = 0;
  for (const SubroutineGroup& group : mainModel_.subroutineGroups) total += group.subroutines.size();
  if (total == 0) return;
  const int category =
      tree_.InsertOne(0, MatchItem{Counted("子程序集合", total), kKindSubroutineCategory, kKindSubroutineCategory, 0});
  std::vector<MatchItem> items;
  items.reserve(total + mainModel_.subroutineGroups.size());
  EventPumpThrottle pump;
  int ordinal = 0;
  for (size_t g = 0; g < mainModel_.subroutineGroups.size(); ++g) {
    const auto& subroutines = mainModel_.subroutineGroups[g].subroutines;
    const std::string header = "第" + ChineseNumeral(static_cast<uint32_t>(g + 1)) + "集";
    items.push_back(MatchItem{Counted(header, subroutines.size()), kKindGroup, kKindGroup, Position(g)});
    for (const Subroutine& sub : subroutines) {
      pump.Tick();
      items.push_back(MatchItem{sub.name, kKindSubroutine, kKindSubroutine, ++ordinal});
    }
  }
  tree_.BatchInsert(category, &items);
  tree_.Expand(category);
}

template <typename T>
void MainWindow::AddCategory(const std::string& caption, int kind, const std::vector<T>& list) {
  if (list.empty()) return;
  const int category = tree_.InsertOne(0, MatchItem{Counted(caption, list.size()), kind, kind, 0});
  std::vector<MatchItem> items;
  items.reserve(list.size());
  EventPumpThrottle pump;
  for (size_t i = 0; i < list.size(); ++i) {
    pump.Tick();
    items.push_back(MatchItem{list[i].name, kind, kind, Position(i)});
  }
  tree_.BatchInsert(category, &items);
  tree_.Expand(category);
}

void MainWindow::AddClasses() {
  int lastClass = -1;
  EventPumpThrottle pump;
  for (size_t c = 0; c < mainModel_.classes.size(); ++c) {
    const ClassInfo& cls = mainModel_.classes[c];
    ProcessPendingEvents();
    lastClass = tree_.InsertOne(0, MatchItem{Counted(cls.name, cls.methods.size()), kKindClass, kKindClass, Position(c)});
    std::vector<MatchItem> methods;
    methods.reserve(cls.methods.size());
    for (size_t m = 0; m < cls.methods.size(); ++m) {
      pump.Tick();
      methods.push_back(MatchItem{cls.methods[m].name, kKindMethod, kKindMethod, Position(m)});
    }
    tree_.BatchInsert(lastClass, &methods);
  }
  if (lastClass >= 0) tree_.Expand(lastClass);
}

// Selecting the root shows the summary page; when the root already is the
// current node the tree reports no change, so the page is shown here.
void MainWindow::ShowSelectedRoot() {
  const bool alreadyCurrent = tree_.CurrentIndex() == 0;
  tree_.Select(0);
  if (alreadyCurrent) OnTreeSelectionChanged();
}

}  // namespace ec
