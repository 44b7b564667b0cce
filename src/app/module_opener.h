#pragma once
// The ways of choosing a module in the main window besides the command line:
// the open dialog, a dropped file, Enter in the path box and the menu of the
// modules in the same folder, whose choice the polling timer loads.

#include <QObject>

#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace ec {

class ModuleLoader;
class SameFolderMenu;

// The open dialog's filters; programs (.e) open as modules do, so the first,
// preselected one shows both.
inline constexpr char kOpenDialogFilter[] =
    "易模块和易程序(*.ec *.e)|*.ec;*.e|易模块(*.ec)|*.ec|易程序(*.e)|*.e|所有文件(*.*)|*.*";

class ModuleOpener : public QObject {
  Q_OBJECT

 public:
  // `dialogParent` owns the open dialog and the menu's position.
  ModuleOpener(ModuleLoader& loader, QLineEdit* pathBox, QWidget* dialogParent, QObject* parent = nullptr);

  SameFolderMenu& Menu() { return *sameFolderMenu_; }

  void HandleDroppedFiles(const std::vector<std::string>& paths);
  void OnPathBoxEnter();
  void ChooseModuleWithDialog();
  void ShowSameFolderMenu();
  void SetPendingModulePath(const std::string& path);
  // Loads the module chosen from the menu, once no load is running.
  void OnPollingTick();
  // Esc in the path box: the path of the module shown again.
  void RestorePathBox();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ModuleLoader& loader_;
  QLineEdit* pathBox_;
  QWidget* dialogParent_;
  SameFolderMenu* sameFolderMenu_;
  std::string pendingModulePath_;
};

}  // namespace ec
