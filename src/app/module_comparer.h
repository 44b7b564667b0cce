#pragma once
// Comparing the module shown with another version of it: the other module is
// chosen in an open dialog, read and compared on a worker, and the report
// replaces the page; its declaration names link to their nodes in the tree
// (the page's links are handled by PageLinks).
//
// The module shown is the new version, the chosen one the old: the report
// tells what the shown module added, removed and changed.

#include <QObject>
#include <QThreadPool>

#include <cstdint>
#include <functional>
#include <string>

class QUrl;
class QWidget;

namespace ec {

class ModuleLoader;

class ModuleComparer : public QObject {
  Q_OBJECT

 public:
  // Answers the chosen file, or "" when the user cancelled; gets the folder
  // to start in.
  using FileChooser = std::function<std::string(const std::string& startFolder)>;

  ModuleComparer(ModuleLoader& loader, QWidget* dialogParent, QObject* parent = nullptr);
  // Waits for a comparison still running: its worker reads a module.
  ~ModuleComparer() override;

  // Asks for the other module, then compares with it.
  void CompareWithChosenModule();
  // Starts comparing with the module at `otherPath`; the page says so until
  // the report is ready. A newer request, or loading another module, makes
  // the pending report go unshown.
  void CompareWith(const std::string& otherPath);

  // Replaces the open dialog (tests).
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  bool IsComparing() const { return pending_ != 0; }

 signals:
  // The report (or the page saying why there is none) is on the page view;
  // `key` names it among the pages of the history.
  void ReportShown(const QString& key);

 private:
  void ShowReport(uint64_t request, uint64_t loadNumber, const std::string& otherPath, const std::string& page);

  ModuleLoader& loader_;
  FileChooser chooser_;
  QThreadPool pool_;
  uint64_t requests_ = 0;
  uint64_t pending_ = 0;            // the request whose report is awaited, 0 for none
};

}  // namespace ec
