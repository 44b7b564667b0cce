#pragma once
// Notices when the module shown changes on disk (the E IDE rebuilt it), and
// tells once the writing is over: a burst of writes, or a file replaced by
// renaming a new one over it, gives one notice after the file has been quiet
// for a while and its size and time no longer change.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <string>

namespace ec {

class ModuleFileWatcher : public QObject {
  Q_OBJECT

 public:
  explicit ModuleFileWatcher(QObject* parent = nullptr);

  // Watches `path` from now on (a module was just loaded from it). Its
  // present state counts as seen: the loader's own repair of check values
  // does not come back as a change.
  void Watch(const std::string& path);
  // How long the file must stay unchanged; 500 ms unless a test says less.
  void SetQuietMilliseconds(int milliseconds) { quiet_.setInterval(milliseconds); }

 signals:
  void Changed();

 private:
  struct Stamp {
    qint64 size = -1;  // -1: no such file
    QDateTime modified;
    bool operator==(const Stamp&) const = default;
  };
  Stamp StampNow() const;
  void OnFileChanged();
  void OnQuiet();

  QFileSystemWatcher watcher_;
  QTimer quiet_;
  QString path_;
  Stamp loaded_;  // what was loaded
  Stamp seen_;    // what the last look found
  int missingLooks_ = 0;
};

}  // namespace ec
