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
  // during a load). A path that names no file leaves the module shown, puts
  // its path back into the path box and says why (OpenProblem, and the
  // tree's root).
  void loadModule(const std::string& path);
  // Reads the module shown again (F5, or its file changed on disk) and selects
  // the node that was selected when it still exists, else the root.
  void Reload();
  static bool fileExists(const std::string& path);
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
  // Why the last path given could not be opened; "" after a load.
  const std::string& OpenProblem() const { return openProblem_; }

 signals:
  // The load ended by selecting the root again while it already was the
  // tree's current node, so the tree reported no change: its page is due.
  void CurrentNodeReselected();
  // A module was loaded (or reloaded) and shown.
  void ModuleShown();

 private:
  void RunLoad(std::string path);
  void RefuseMissing(const std::string& path);

  QLineEdit* pathBox_;
  TreeViewHelper& tree_;
  PageView* page_;

  std::string currentPath_;
  std::shared_ptr<const ModuleModel> model_ = std::make_shared<const ModuleModel>();
  std::string summaryPage_;
  std::string openProblem_;
  uint64_t loadNumber_ = 0;
  bool loading_ = false;
};

}  // namespace ec
