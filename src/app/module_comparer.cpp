#include "app/module_comparer.h"

#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include <memory>

#include "app/file_dialog_filter.h"
#include "app/module_loader.h"
#include "compare/comparison_page.h"
#include "platform/path_text.h"

namespace ec {
namespace {

constexpr char kDialogTitle[] = "选择要比较的模块：";
constexpr char kDialogFilter[] = "易模块(*.ec)|*.ec|易程序(*.e)|*.e|所有文件(*.*)|*.*";
constexpr char kComparingPage[] =
    "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\">比较中..</div>";

}  // namespace

ModuleComparer::ModuleComparer(ModuleLoader& loader, QWidget* dialogParent, QObject* parent)
    : QObject(parent), loader_(loader) {
  chooser_ = [dialogParent](const std::string& startFolder) {
    const QString folder = QDir::currentPath();
    const QString chosen = QFileDialog::getOpenFileName(dialogParent, QString::fromUtf8(kDialogTitle),
                                                        QString::fromStdString(startFolder), QtFileFilter(kDialogFilter));
    QDir::setCurrent(folder);
    return QDir::toNativeSeparators(chosen).toStdString();
  };
}

ModuleComparer::~ModuleComparer() { pool_.waitForDone(); }

void ModuleComparer::CompareWithChosenModule() {
  if (loader_.CurrentPath().empty()) return;  // nothing shown to compare
  const std::string chosen = chooser_(FolderPart(loader_.CurrentPath()));
  if (!chosen.empty()) CompareWith(chosen);
}

void ModuleComparer::CompareWith(const std::string& otherPath) {
  const uint64_t request = ++requests_;
  pending_ = request;
  const uint64_t loadNumber = loader_.LoadNumber();
  loader_.writePage(kComparingPage);
  pool_.start([this, request, loadNumber, otherPath, shown = loader_.SharedModel(), shownPath = loader_.CurrentPath()] {
    std::string page = ComparisonPage(otherPath, *shown, shownPath);
    QMetaObject::invokeMethod(
        this,
        [this, request, loadNumber, otherPath, page = std::move(page)] {
          ShowReport(request, loadNumber, otherPath, page);
        },
        Qt::QueuedConnection);
  });
}

void ModuleComparer::ShowReport(uint64_t request, uint64_t loadNumber, const std::string& otherPath,
                                const std::string& page) {
  if (request != pending_) return;
  pending_ = 0;
  if (loadNumber != loader_.LoadNumber()) return;  // another module is shown by now
  loader_.writePage(page);
  emit ReportShown(QString::fromStdString("comparison:" + otherPath));
}

}  // namespace ec
