#pragma once
// The names of modules already read, by path, size and modification time, so
// that searching a folder again reads only the modules that changed. Bounded
// in memory: the modules used longest ago make room for new ones. Safe to
// use from several threads.

#include <cstdint>
#include <filesystem>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/module_names.h"

namespace ec {

// What tells a changed file from the one read before.
struct FileStamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified{};
  bool operator==(const FileStamp&) const = default;
};

// Nothing when the path names no regular file.
std::optional<FileStamp> StampOf(const std::string& path);

class NamesCache {
 public:
  explicit NamesCache(size_t capacityBytes = 64u << 20);

  std::shared_ptr<const ModuleNames> Find(const std::string& path, const FileStamp& stamp);
  void Put(const std::string& path, const FileStamp& stamp, std::shared_ptr<const ModuleNames> names);

  size_t Bytes() const;
  size_t Size() const;

  struct Stored {
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const ModuleNames> names;
  };
  // Every entry, the most recently used first.
  std::vector<Stored> Entries() const;

 private:
  struct Entry {
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const ModuleNames> names;
    size_t bytes = 0;
  };
  void EvictBeyond(size_t capacity);

  mutable std::mutex mutex_;
  size_t capacity_;
  size_t bytes_ = 0;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> byPath_;
};

}  // namespace ec
