#pragma once
// The modules opened last, newest first, kept in the settings (section
// "最近模块", values "模块1" to "模块10") so the module list offers them.

#include <string>
#include <vector>

namespace ec {

class ControlStateStore;

inline constexpr char kRecentSection[] = "最近模块";

class RecentModules {
 public:
  static constexpr size_t kMostModules = 10;

  // Puts `path` first, once.
  void Add(const std::string& path);
  void Remove(const std::string& path);
  const std::vector<std::string>& Paths() const { return paths_; }

  void Load(ControlStateStore& store);
  void Save(ControlStateStore& store) const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace ec
