#include "app/module_opener.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

#include "app/file_dialog_filter.h"
#include "app/module_loader.h"
#include "app/same_folder_menu.h"
#include "viewer/dropped_module.h"

namespace ec {
namespace {
constexpr char kOpenDialogTitle[] = "选择要查看的易模块：";
}  // namespace

ModuleOpener::ModuleOpener(ModuleLoader& loader, QLineEdit* pathBox, QWidget* dialogParent, QObject* parent)
    : QObject(parent),
      loader_(loader),
      pathBox_(pathBox),
      dialogParent_(dialogParent),
      sameFolderMenu_(new SameFolderMenu(this)) {
  pathBox_->installEventFilter(this);
}

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

// Below the right end of the path box, where the list button is.
void ModuleOpener::ShowSameFolderMenu() {
  const QPoint below = pathBox_->mapToGlobal(QPoint(pathBox_->width() - kSameFolderPopupWidth, pathBox_->height()));
  sameFolderMenu_->Show(pathBox_->text().toStdString(), below);
}

void ModuleOpener::RestorePathBox() {
  if (!loader_.CurrentPath().empty()) pathBox_->setText(QString::fromStdString(loader_.CurrentPath()));
}

bool ModuleOpener::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pathBox_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    RestorePathBox();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void ModuleOpener::SetPendingModulePath(const std::string& path) { pendingModulePath_ = path; }

// The pending path is used up by the load, so choosing the same module again
// later (after another one was opened) opens it again.
void ModuleOpener::OnPollingTick() {
  if (pendingModulePath_.empty() || loader_.IsLoading()) return;
  const std::string path = std::exchange(pendingModulePath_, std::string());
  loader_.loadModule(path);
}

}  // namespace ec
