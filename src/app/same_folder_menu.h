#pragma once
// The popup list of the modules beside the one in the module path box; the
// main window offers it on its small list button.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QAction;
class QPoint;

namespace ec {

class SameFolderMenu : public QObject {
  Q_OBJECT

 public:
  explicit SameFolderMenu(QObject* parent = nullptr);
  ~SameFolderMenu() override;

  // Replaces the popup "模块列表" with the "*.ec" files of the folder of
  // `modulePathText`, sorted by name; an entry's data is its full path. With
  // no file it holds one greyed entry naming the folder. The menu stays
  // owned here and is valid until the next Build. The modules opened last
  // (SetRecent) come first, by full path; one that no longer exists is
  // greyed, and choosing it reports it gone instead of opening it.
  QMenu* Build(const std::string& modulePathText);
  void SetRecent(std::vector<std::string> paths) { recent_ = std::move(paths); }
  QMenu* Menu() const { return menu_.data(); }
  const std::string& Folder() const { return folder_; }

  // Builds the menu and shows it at `globalPos` without blocking.
  void Popup(const std::string& modulePathText, const QPoint& globalPos);

 signals:
  // A module was chosen; `path` is its full path (UTF-8 in a QString).
  void ModuleChosen(const QString& path);
  // A recent module that no longer exists was chosen.
  void MissingRecentChosen(const QString& path);

 private slots:
  void OnTriggered(QAction* action);

 private:
  void AddRecent();

  QPointer<QMenu> menu_;
  std::string folder_;
  std::vector<std::string> recent_;
};

}  // namespace ec
