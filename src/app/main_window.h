#pragma once
// The viewer's main window: the banner, the find and module toolbar, the
// declaration tree and the page view.
//
// Every event handler is a plain member function, so tests drive the window
// the way a user would without a display (QT_QPA_PLATFORM=offscreen).

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/banner_motion.h"
#include "render/current_selection.h"
#include "app/tree_view_helper.h"
#include "model/module_model.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;

namespace ec {

class ControlStateStore;
class FileAssociation;
class NotesBox;
class PageView;
class SameFolderMenu;

inline constexpr char kMainWindowTitle[] = "澜禾·观澄 v1.0.0.1";
inline constexpr char kMainSection[] = "主界面";
inline constexpr char kAssociationDoneKey[] = "已执行关联";

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // `store` and `association` outlive the window. `commandLinePath` is the
  // module named on the command line, or "".
  MainWindow(ControlStateStore& store, FileAssociation& association, std::string commandLinePath,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Loading a module. `path` "" takes the path box's text.
  void loadModule(const std::string& path);
  static bool fileExists(const std::string& path);
  void writePage(const std::string& html);

  // Restores the controls, applies the file association once, lays out and
  // loads the module; runs once, at the first activation.
  void OnFirstActivation();
  void Layout();
  // Saves the controls into the settings; runs when the window closes.
  void SaveState();

  void OnTreeSelectionChanged();
  void CopyAsText();
  void CopyAsHtml();
  void CopyAsIdeHtml();
  void CopySelectedNodeText();
  void FindNext();
  void FindPrevious();

  void HandleDroppedFiles(const std::vector<std::string>& paths);
  void OnPathBoxEnter();
  void ChooseModuleWithDialog();
  void ShowSameFolderMenu();
  void SetPendingModulePath(const std::string& path);
  void OnPollingTick();
  void OnBannerTick();
  void OnAssociationClicked();
  void ShowNotesBox();
  void ShowAboutBox();

  // How long "已复制" and "找不到" stay on their buttons.
  void SetFeedbackMilliseconds(int milliseconds) { feedbackMilliseconds_ = milliseconds; }

  const ModuleModel& Model() const { return mainModel_; }
  const std::string& CurrentPath() const { return currentPath_; }
  const std::string& SummaryPage() const { return summaryPage_; }
  const CurrentSelection& Selection() const { return selection_; }
  TreeViewHelper& Tree() { return tree_; }
  PageView* Page() const { return pageView_; }
  bool IsLoading() const { return loading_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateBanner();
  void CreateToolbar();
  void ConnectSignals();

  void RunLoad(const std::string& path);
  void FillTree();
  void AddSubroutineCategory();
  template <typename T>
  void AddCategory(const std::string& caption, int kind, const std::vector<T>& list);
  void AddClasses();
  void ShowSelectedRoot();

  void RunCopy(QPushButton* button, Rendering rendering, const QString& caption);
  void RunFind(bool forward);

  ControlStateStore& store_;
  FileAssociation& association_;
  std::filesystem::path programPath_;
  std::string commandLinePath_;

  // The module shown.
  std::string currentPath_;
  ModuleModel mainModel_;
  std::string summaryPage_;
  uint64_t loadNumber_ = 0;
  bool loading_ = false;
  CurrentSelection selection_;
  TreeViewHelper tree_;

  std::string pendingModulePath_;
  bool activated_ = false;
  int feedbackMilliseconds_ = 1000;
  BannerMotion bannerMotion_;
  QPointer<NotesBox> notesBox_;

  // Controls, named as in the window design.
  QFrame* banner_ = nullptr;               // 图片框2
  QPushButton* searchButton_ = nullptr;    // 按钮1
  QCheckBox* associationBox_ = nullptr;    // 选择框关联
  QToolButton* logo_ = nullptr;            // 图片澜禾软件
  QLabel* notesLink_ = nullptr;            // 链接疑点说明
  QToolButton* notesPicture_ = nullptr;    // 图片疑点说明
  QLabel* homepageLink_ = nullptr;         // 链接软件主页
  QToolButton* homepagePicture_ = nullptr; // 图片软件主页
  QTimer* bannerTimer_ = nullptr;          // 时钟官网
  QLabel* separator_ = nullptr;            // 标签13
  QFrame* toolbar_ = nullptr;              // 图片框1
  QLineEdit* findBox_ = nullptr;           // 编辑框查找文本
  QComboBox* modeBox_ = nullptr;           // 组合框匹配
  QLineEdit* pathBox_ = nullptr;           // 编辑框模块文件
  QPushButton* chooseButton_ = nullptr;    // 按钮选择模块
  QPushButton* listButton_ = nullptr;      // 按钮弹出模块列表
  QPushButton* nextButton_ = nullptr;      // 按钮下一个
  QPushButton* previousButton_ = nullptr;  // 按钮上一个
  QPushButton* copyTextButton_ = nullptr;  // 按钮复制代码
  QPushButton* copyHtmlButton_ = nullptr;  // 按钮复制代码HTML
  QPushButton* copyIdeButton_ = nullptr;   // 按钮复制代码HTMLIDE
  QTimer* pollingTimer_ = nullptr;         // 时钟1
  QTreeWidget* treeWidget_ = nullptr;      // 树型框
  PageView* pageView_ = nullptr;           // 浏览器
  SameFolderMenu* sameFolderMenu_ = nullptr;
};

}  // namespace ec
