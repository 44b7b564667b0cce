#pragma once
// Loading a module into the main window: the path box, the model, the
// summary page in the page view and the declaration tree.

#include <QImage>
#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

#include "model/module_model.h"

class QLineEdit;

namespace ec {

class PageView;
class TreeViewHelper;

class ModuleLoader : public QObject {
  Q_OBJECT

 public:
  ModuleLoader(QLineEdit* pathBox, TreeViewHelper& tree, PageView* page, QObject* parent = nullptr);

  // Shows the module at `path`; "" takes the path box's text. Nothing happens
  // for the module already shown or while a load runs (events are handled
  // during a load). A path that cannot be shown (missing, a folder, empty,
  // too big, unreadable, no module) leaves the module shown and the path box
  // as it is, so a typo can be corrected, and says why (OpenProblemChanged).
  void loadModule(const std::string& path);
  // Reads the module shown again (F5, or its file changed on disk) and selects
  // the node that was selected when it still exists, else the root.
  void Reload();
  void writePage(const std::string& html, const QImage& picture = {});

  const ModuleModel& Model() const { return *model_; }
  // The model shown, for a worker to read while the window goes on: a later
  // load replaces the window's model and leaves this one as it is.
  std::shared_ptr<const ModuleModel> SharedModel() const { return model_; }
  const std::string& CurrentPath() const { return currentPath_; }
  const std::string& SummaryPage() const { return summaryPage_; }
  // Counts the loads; a selection made in an earlier load renders nothing.
  uint64_t LoadNumber() const { return loadNumber_; }
  bool IsLoading() const { return loading_; }
  // True inside writePage: the view's scrolling then is the new page's, not the user's.
  bool IsWritingPage() const { return writingPage_; }
  // Why the last path given could not be opened ("未能打开 " + path + "：" +
  // reason); "" after a load.
  const std::string& OpenProblem() const { return openProblem_; }

 signals:
  // The load ended by selecting the root again while it already was the
  // tree's current node, so the tree reported no change: its page is due.
  void CurrentNodeReselected();
  // A module was loaded (or reloaded) and shown.
  void ModuleShown();
  // OpenProblem() changed: a path was refused, or "" once that is over.
  void OpenProblemChanged(const QString& problem);

 private:
  void RunLoad(std::string path);
  // Checks `path` before the module shown is torn down; false after saying why.
  bool CanShow(const std::string& path);
  void SetOpenProblem(std::string problem);

  QLineEdit* pathBox_;
  TreeViewHelper& tree_;
  PageView* page_;

  std::string currentPath_;
  std::shared_ptr<const ModuleModel> model_ = std::make_shared<const ModuleModel>();
  std::string summaryPage_;
  std::string openProblem_;
  uint64_t loadNumber_ = 0;
  bool loading_ = false;
  bool writingPage_ = false;
};

}  // namespace ec
