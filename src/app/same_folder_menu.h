#pragma once
// The popup list of the modules beside the one in the module path box; the
// main window offers it on its small list button.
//
// A filter box on top narrows the list as one types; Up, Down, Page Up and
// Page Down move in the list while the focus stays in the box, Enter opens
// the entry marked, Esc closes. The list scrolls, so a folder of any number
// of modules fits on the screen.

#include <QFrame>
#include <QString>

#include <string>
#include <vector>

#include "viewer/module_list.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPoint;

namespace ec {

class SameFolderMenu : public QObject {
  Q_OBJECT

 public:
  explicit SameFolderMenu(QObject* parent = nullptr);
  ~SameFolderMenu() override;

  // Refills the popup "模块列表" from the folder of `modulePathText`: the
  // modules opened last (SetRecent) first, by file name with their folder as
  // tooltip, greyed when gone; then the folder's ".ec" and ".e" files in
  // natural order, programs marked. A folder without any shows one greyed
  // entry naming it. The filter box starts empty.
  QFrame* Build(const std::string& modulePathText);
  void SetRecent(std::vector<std::string> paths) { recent_ = std::move(paths); }
  QFrame* Popup() const { return popup_; }
  QLineEdit* FilterBox() const { return filter_; }
  QListWidget* List() const { return list_; }
  const std::string& Folder() const { return folder_; }
  // The texts of the entries the filter leaves, top to bottom.
  QStringList VisibleTexts() const;

  // Builds the list and shows it at `globalPos` without blocking, the focus
  // in the filter box.
  void Show(const std::string& modulePathText, const QPoint& globalPos);
  // Opens the entry marked in the list (Enter), as a click on it does.
  void ChooseCurrent();

 signals:
  // A module was chosen; `path` is its full path (UTF-8 in a QString).
  void ModuleChosen(const QString& path);
  // A recent module that no longer exists was chosen.
  void MissingRecentChosen(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyFilter(const QString& text);
  void Choose(QListWidgetItem* item);
  bool ForwardToList(int key);

  QFrame* popup_;
  QLineEdit* filter_;
  QListWidget* list_;
  std::vector<ModuleListEntry> entries_;
  std::string folder_;
  std::vector<std::string> recent_;
};

inline constexpr int kSameFolderPopupWidth = 460;

// The text of a program's entry ends with this mark.
inline constexpr char kProgramMark[] = "  [易程序]";

}  // namespace ec
