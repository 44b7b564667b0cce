#include "app/same_folder_menu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPoint>
#include <QWidgetAction>

#include <algorithm>
#include <vector>

#include "platform/path_text.h"
#include "search/module_files.h"
#include "support/utf8_path.h"

namespace ec {

namespace {

// "&" would otherwise mark a shortcut letter and vanish from the entry.
QString EntryText(const std::string& fileName) {
  return QString::fromStdString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Linux lists a folder in no particular order; by name is what users expect.
void SortByName(std::vector<std::string>& paths) {
  std::stable_sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
    return QString::compare(QString::fromStdString(FileNamePart(a)), QString::fromStdString(FileNamePart(b)),
                            Qt::CaseInsensitive) < 0;
  });
}

// A menu entry drawn greyed that can still be chosen: a disabled action
// could not be, and the user must be able to clear a module that is gone.
class GreyedEntry : public QLabel {
 public:
  GreyedEntry(const QString& text, QWidgetAction* action) : QLabel(text), action_(action) {
    setStyleSheet(QStringLiteral("QLabel { color: palette(mid); padding: 3px 20px; }"));
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) action_->trigger();
  }

 private:
  QWidgetAction* action_;
};

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

}  // namespace

SameFolderMenu::SameFolderMenu(QObject* parent) : QObject(parent) {}

SameFolderMenu::~SameFolderMenu() { delete menu_.data(); }

QMenu* SameFolderMenu::Build(const std::string& modulePathText) {
  // The old menu may be the one whose signal is running right now.
  if (menu_) menu_->deleteLater();
  menu_ = new QMenu(QStringLiteral("模块列表"));
  connect(menu_.data(), &QMenu::triggered, this, &SameFolderMenu::OnTriggered);
  folder_ = FolderPart(modulePathText);
  AddRecent();
  std::vector<std::string> paths;
  ListModuleFiles(folder_, "*.ec", paths);
  SortByName(paths);
  for (const std::string& path : paths) {
    QAction* entry = menu_->addAction(EntryText(FileNamePart(path)));
    entry->setData(QString::fromStdString(path));
  }
  if (paths.empty()) {
    QAction* none = menu_->addAction(EntryText("当前目录暂无EC文件：" + folder_ + kPathSeparator));
    none->setEnabled(false);
    menu_->addSeparator();
  }
  return menu_.data();
}

void SameFolderMenu::AddRecent() {
  if (recent_.empty()) return;
  for (const std::string& path : recent_) {
    const QString data = QString::fromStdString(path);
    if (Exists(path)) {
      menu_->addAction(EntryText(path))->setData(data);
      continue;
    }
    auto* entry = new QWidgetAction(menu_);
    entry->setDefaultWidget(new GreyedEntry(QString::fromStdString(path), entry));
    entry->setToolTip(QStringLiteral("文件已不存在"));
    connect(entry, &QAction::triggered, this, [this, data] {
      if (menu_) menu_->close();
      emit MissingRecentChosen(data);
    });
    menu_->addAction(entry);
  }
  menu_->addSeparator();
}

void SameFolderMenu::Popup(const std::string& modulePathText, const QPoint& globalPos) {
  Build(modulePathText)->popup(globalPos);
}

void SameFolderMenu::OnTriggered(QAction* action) {
  if (qobject_cast<QWidgetAction*>(action) != nullptr) return;  // a recent module that is gone
  const QString path = action != nullptr ? action->data().toString() : QString();
  if (!path.isEmpty()) emit ModuleChosen(path);
}

}  // namespace ec
