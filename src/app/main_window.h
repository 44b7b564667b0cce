#pragma once
// The viewer's main window: the banner, the find and module toolbar, the
// declaration tree and the page view.
//
// The window owns its controls and the parts that act on them (loading,
// opening, the selection, copying); it wires their signals in one place and
// keeps the window's own life cycle: first activation, layout, closing.
// Every handler is a plain member function, so tests drive the window the
// way a user would without a display (QT_QPA_PLATFORM=offscreen).

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <string>

#include "app/banner_motion.h"
#include "app/main_window_controls.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "settings/recent_modules.h"

namespace ec {

class ControlStateStore;
class ModuleSearchWindow;
struct DirTreeServices;
class CopyButtons;
class FileAssociation;
class ModuleComparer;
class ModuleFileWatcher;
class ModuleLoader;
class ModuleOpener;
class NodeHistory;
class NotesBox;
class PageLinks;
class PageView;
class PageZoom;
class SelectionPresenter;
class TreeContextMenu;

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

  // Shows a module; "" takes the path box's text (see ModuleLoader).
  void loadModule(const std::string& path);

  // Restores the controls, applies the file association once, lays out and
  // loads the module; runs once, at the first activation.
  void OnFirstActivation();
  void Layout();
  // Saves the controls into the settings; runs when the window closes.
  void SaveState();

  void FindNext();
  void FindPrevious();
  // Ctrl+F: the focus in the find box with its text selected.
  void FocusFindBox();
  // Another start of the viewer handed over `path` ("" for none): open it
  // once no load is running, and come to the front.
  void OpenHandedOver(const std::string& path);
  void OnBannerTick();
  void OnAssociationClicked();
  void ShowNotesBox();
  void ShowAboutBox();
  // "批量搜索": the module search window, made on first use.
  void ShowSearchWindow();
  ModuleSearchWindow* SearchWindow() const;
  // What a double click on a search hit asks: the module shown, `name`
  // ("" for none) found in its tree, the main window in front.
  void OpenModuleAndFind(const std::string& path, const std::string& name);
  // The folder panel's services, for the search window; the viewer sets
  // them once (without them the button stays disabled).
  void SetDirTreeServices(const DirTreeServices* services);

  // How long "已复制" and "找不到" stay on their buttons.
  void SetFeedbackMilliseconds(int milliseconds);
  // How long the module's file must stay unchanged before it is read again.
  void SetReloadQuietMilliseconds(int milliseconds);

  ModuleLoader& Loader() { return *loader_; }
  ModuleOpener& Opener() { return *opener_; }
  SelectionPresenter& Presenter() { return *presenter_; }
  TreeContextMenu& ContextMenu() { return *contextMenu_; }
  ModuleComparer& Comparer() { return *comparer_; }
  PageLinks& Links() { return *links_; }
  TreeViewHelper& Tree() { return tree_; }
  PageView* Page() const { return controls_.pageView; }
  PageZoom& Zoom() { return *zoom_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectSignals();
  void AddShortcut(const QKeySequence& keys, void (MainWindow::*handler)());
  void RunFind(bool forward);
  void OnModuleShown();
  void ShowOpenProblem(const QString& problem);
  void ForgetMissingModule(const QString& path);
  void OnSplitterDragged(int dx);
  void RestoreGeometry();

  ControlStateStore& store_;
  FileAssociation& association_;
  std::filesystem::path programPath_;
  std::string commandLinePath_;

  MainWindowControls controls_;
  TreeViewHelper tree_;
  ModuleLoader* loader_ = nullptr;
  ModuleOpener* opener_ = nullptr;
  SelectionPresenter* presenter_ = nullptr;
  CopyButtons* copying_ = nullptr;
  ModuleFileWatcher* watcher_ = nullptr;
  TreeContextMenu* contextMenu_ = nullptr;
  ModuleComparer* comparer_ = nullptr;
  PageLinks* links_ = nullptr;
  NodeHistory* history_ = nullptr;
  PageZoom* zoom_ = nullptr;
  RecentModules recent_;

  // The tree's width: the designed one until the user drags the bar.
  int treeWidth_;
  int treeWidthAtPress_ = 0;

  bool activated_ = false;
  int feedbackMilliseconds_ = 1000;
  BannerMotion bannerMotion_;
  QPointer<NotesBox> notesBox_;
  const DirTreeServices* dirTreeServices_ = nullptr;
  QPointer<ModuleSearchWindow> searchWindow_;
};

}  // namespace ec
