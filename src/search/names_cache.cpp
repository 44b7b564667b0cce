#include "search/names_cache.h"

#include "platform/file_facts.h"

namespace ec {

std::optional<FileStamp> StampOf(const std::string& path) {
  const std::optional<FileFacts> facts = LookAtFile(path);
  if (!facts || !facts->regular) return std::nullopt;
  return FileStamp{.size = facts->size, .modified = facts->modified};
}

NamesCache::NamesCache(size_t capacityBytes) : capacity_(capacityBytes) {}

std::shared_ptr<const ModuleNames> NamesCache::Find(const std::string& path, const FileStamp& stamp) {
  std::lock_guard lock(mutex_);
  const auto found = byPath_.find(path);
  if (found == byPath_.end() || found->second->stamp != stamp) return nullptr;
  entries_.splice(entries_.begin(), entries_, found->second);
  return found->second->names;
}

void NamesCache::Put(const std::string& path, const FileStamp& stamp, std::shared_ptr<const ModuleNames> names) {
  const size_t bytes = names->ByteSize() + path.size() + sizeof(Entry);
  std::lock_guard lock(mutex_);
  if (const auto found = byPath_.find(path); found != byPath_.end()) {
    bytes_ -= found->second->bytes;
    entries_.erase(found->second);
    byPath_.erase(found);
  }
  // A module bigger than the whole cache is not kept at all.
  if (bytes > capacity_) return;
  EvictBeyond(capacity_ - bytes);
  entries_.push_front({path, stamp, std::move(names), bytes});
  byPath_[path] = entries_.begin();
  bytes_ += bytes;
}

void NamesCache::EvictBeyond(size_t capacity) {
  while (bytes_ > capacity && !entries_.empty()) {
    bytes_ -= entries_.back().bytes;
    byPath_.erase(entries_.back().path);
    entries_.pop_back();
  }
}

size_t NamesCache::Bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

std::vector<NamesCache::Stored> NamesCache::Entries() const {
  std::lock_guard lock(mutex_);
  std::vector<Stored> stored;
  stored.reserve(entries_.size());
  for (const Entry& e : entries_) stored.push_back({e.path, e.stamp, e.names});
  return stored;
}

size_t NamesCache::Size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

}  // namespace ec
