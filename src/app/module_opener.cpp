#include "app/module_opener.h"

#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <utility>

#include "app/file_dialog_filter.h"
#include "app/module_loader.h"
#include "app/same_folder_menu.h"
#include "viewer/dropped_module.h"

namespace ec {
namespace {
constexpr char kOpenDialogTitle[] = "选择要查看的易模块：";
constexpr char kOpenDialogFilter[] = "易模块(*.ec)|*.ec|所有文件(*.*)|*.*";
}  // namespace

ModuleOpener::ModuleOpener(ModuleLoader& loader, QLineEdit* pathBox, QWidget* dialogParent, QObject* parent)
    : QObject(parent),
      loader_(loader),
      pathBox_(pathBox),
      dialogParent_(dialogParent),
      sameFolderMenu_(new SameFolderMenu(this)) {}

void ModuleOpener::HandleDroppedFiles(const std::vector<std::string>& paths) {
  const std::string module = DroppedModulePath(paths);
  if (!module.empty()) loader_.loadModule(module);
}

void ModuleOpener::OnPathBoxEnter() { loader_.loadModule(""); }

void ModuleOpener::ChooseModuleWithDialog() {
  const QString folder = QDir::currentPath();
  const QString chosen = QFileDialog::getOpenFileName(dialogParent_, QString::fromUtf8(kOpenDialogTitle),
                                                      pathBox_->text(), QtFileFilter(kOpenDialogFilter));
  QDir::setCurrent(folder);
  if (!chosen.isEmpty()) loader_.loadModule(QDir::toNativeSeparators(chosen).toStdString());
}

void ModuleOpener::ShowSameFolderMenu() { sameFolderMenu_->Popup(pathBox_->text().toStdString(), QCursor::pos()); }

void ModuleOpener::SetPendingModulePath(const std::string& path) { pendingModulePath_ = path; }

// The pending path is used up by the load, so choosing the same module again
// later (after another one was opened) opens it again.
void ModuleOpener::OnPollingTick() {
  if (pendingModulePath_.empty() || loader_.IsLoading()) return;
  const std::string path = std::exchange(pendingModulePath_, std::string());
  loader_.loadModule(path);
}

}  // namespace ec
