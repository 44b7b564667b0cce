#pragma once
// The module search window "批量搜索目录下所有EC模块的数据…": a directory-tree
// panel to choose the folder, the kinds to look at, the search text, and
// the results by module. The search runs on workers (FolderSearch); the
// window takes the modules' results in file-list order as they are ready.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/search/search_results_model.h"
#include "search/folder_search.h"
#include "search/search_tally.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace ec {

class ControlStateStore;
class DirTreePanel;
struct DirTreeServices;

inline constexpr char kSearchSection[] = "批量搜索";
inline constexpr char kSearchFolderKey[] = "目录路径";
inline constexpr char kIndexIgnoredTitle[] = "名称索引已损坏或版本不同，已忽略：本次搜索将重新读取所有模块";
inline constexpr char kSearchWindowTitle[] = "批量搜索目录下所有EC模块的数据（可拖放模块目录到目录树）";

class ModuleSearchWindow : public QWidget {
  Q_OBJECT

 public:
  // Opens a module in the main window and finds `name` there ("" for none).
  using OpenModule = std::function<void(const std::string& path, const std::string& name)>;

  // `store` and `services` outlive the window; `icons` are the main tree's.
  ModuleSearchWindow(ControlStateStore& store, const DirTreeServices& services, std::vector<QIcon> icons,
                     OpenModule openModule, QWidget* parent = nullptr);
  ~ModuleSearchWindow() override;

  // "开始搜索" starts a run, "停止搜索" asks it to stop.
  void OnStartClicked();
  void OnFirstActivation();
  void ApplyAllRule();
  void Layout();
  // Saves the controls and the folder; runs when the window closes.
  void SaveState();

  void OnResultDoubleClicked();
  void CopySelectedResult();
  // The clipboard's text as a folder to show in the panel.
  void LocateClipboardPath();
  // Paths dropped on the panel: the last one's folder is shown.
  void HandleDroppedPaths(const std::vector<std::string>& paths);

  bool IsSearching() const { return run_ != nullptr; }
  DirTreePanel& Panel() { return *panel_; }
  SearchResultsModel& Results() { return results_; }
  QTreeView& ResultsView() { return *resultsView_; }
  NamesCache& Cache() { return cache_; }
  // How many modules the last run read from their files.
  size_t ModulesReadByLastRun() const { return modulesRead_; }
  // "path：problem" for each module of the last run that could not be read
  // whole, or was altered; the final title counts them.
  const std::vector<std::string>& DamagedModules() const { return damaged_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectSignals();
  SearchKinds CheckedKinds() const;
  SearchScope ChosenScope() const;
  void TakeResults();
  void ShowProgress();
  void LoadIndex();
  void FinishRun();
  // Shows what was taken since the last flush, in one insertion.
  void FlushResults();
  void ShowNotShownLine();
  QString DamagedNote() const;

  ControlStateStore& store_;
  OpenModule openModule_;
  NamesCache cache_;
  std::filesystem::path indexPath_;  // the names index; empty until loaded, or without a cache folder
  std::vector<std::string> files_;
  std::unique_ptr<FolderSearch> run_;
  QTimer tick_;
  QElapsedTimer sinceFlush_;
  size_t modulesRead_ = 0;
  SearchTally tally_;  // of the run in progress, or the last one
  std::vector<std::string> damaged_;
  size_t damagedModules_ = 0;
  bool activated_ = false;

  std::vector<QCheckBox*> kindBoxes_;   // 程序集, 类, 类型, DLL接口, 常量, 全局变量
  QCheckBox* allBox_ = nullptr;         // 选择框查找全部
  QComboBox* scopeBox_ = nullptr;       // 组合框范围: 名称 / 名称和备注 / 名称、备注和参数
  QCheckBox* programsBox_ = nullptr;    // 选择框含程序: .e files too
  QPushButton* startButton_ = nullptr;  // 按钮开始搜索
  QLineEdit* textBox_ = nullptr;        // 编辑框查找字符
  QTreeView* resultsView_ = nullptr;    // 树型框
  QLabel* notShownLine_ = nullptr;      // 标签未显示: hits beyond the cap
  SearchResultsModel results_;
  DirTreePanel* panel_ = nullptr;
};

}  // namespace ec
