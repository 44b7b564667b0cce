#include "app/module_file_watcher.h"

#include <QFileInfo>

namespace ec {

ModuleFileWatcher::ModuleFileWatcher(QObject* parent) : QObject(parent) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(500);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ModuleFileWatcher::OnFileChanged);
  connect(&quiet_, &QTimer::timeout, this, &ModuleFileWatcher::OnQuiet);
}

void ModuleFileWatcher::Watch(const std::string& path) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  quiet_.stop();
  path_ = QString::fromStdString(path);
  loaded_ = seen_ = StampNow();
  missingLooks_ = 0;
  if (!path_.isEmpty() && loaded_.size >= 0) watcher_.addPath(path_);
}

ModuleFileWatcher::Stamp ModuleFileWatcher::StampNow() const {
  const QFileInfo info(path_);
  if (path_.isEmpty() || !info.isFile()) return {};
  return {info.size(), info.lastModified()};
}

void ModuleFileWatcher::OnFileChanged() {
  // Saving by renaming a new file over the old one ends the watch: take the
  // new file up as soon as it is there.
  if (!watcher_.files().contains(path_) && QFileInfo(path_).isFile()) watcher_.addPath(path_);
  seen_ = StampNow();
  quiet_.start();
}

void ModuleFileWatcher::OnQuiet() {
  const Stamp now = StampNow();
  // A file gone for good (deleted, not replaced) is given up after a while.
  constexpr int kMostMissingLooks = 20;
  missingLooks_ = now.size < 0 ? missingLooks_ + 1 : 0;
  if ((now.size < 0 && missingLooks_ < kMostMissingLooks) || (now.size >= 0 && now != seen_)) {
    // Still being written, or gone for the moment: look again later.
    if (now.size >= 0 && !watcher_.files().contains(path_)) watcher_.addPath(path_);
    seen_ = now;
    quiet_.start();
    return;
  }
  if (now.size < 0 || now == loaded_) return;
  if (now == loaded_) return;
  loaded_ = now;
  emit Changed();
}

}  // namespace ec
