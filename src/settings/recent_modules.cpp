#include "settings/recent_modules.h"

#include <algorithm>

#include "settings/control_state_store.h"

namespace ec {
namespace {
std::string Key(size_t number) { return "模块" + std::to_string(number); }
}  // namespace

void RecentModules::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMostModules) paths_.resize(kMostModules);
}

void RecentModules::Remove(const std::string& path) { std::erase(paths_, path); }

void RecentModules::Load(ControlStateStore& store) {
  store.SetSection(kRecentSection);
  paths_.clear();
  for (size_t n = 1; n <= kMostModules; ++n) {
    const std::string path = store.ReadText(Key(n), "");
    if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
  }
}

// Every value is written, the unused ones empty, so a shorter list leaves no
// stale entry behind.
void RecentModules::Save(ControlStateStore& store) const {
  store.SetSection(kRecentSection);
  for (size_t n = 1; n <= kMostModules; ++n) store.WriteText(Key(n), n <= paths_.size() ? paths_[n - 1] : "");
}

}  // namespace ec
