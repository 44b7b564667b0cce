#pragma once
// The panel's settings and the file "目录树.ini" they are kept in: read when
// the panel starts, written when it closes or the user asks.
// The file itself is written by a thread of its own, and closing waits for
// it a bounded time (settings/control_state_store.h).

#include "dirtree/core/tree_settings.h"
#include "dirtree/dir_tree_services.h"
#include "settings/control_state_store.h"

namespace ec {

class DirTreeSettingsFile {
 public:
  // Without a settings folder the settings live in memory only.
  explicit DirTreeSettingsFile(const DirTreeServices& services);
  ~DirTreeSettingsFile();
  DirTreeSettingsFile(const DirTreeSettingsFile&) = delete;
  DirTreeSettingsFile& operator=(const DirTreeSettingsFile&) = delete;

  TreeSettings& Settings() { return settings_; }
  void Load();
  void Save();

 private:
  const DirTreeServices& services_;
  ControlStateStore store_;
  TreeSettings settings_;
};

}  // namespace ec
