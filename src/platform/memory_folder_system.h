#pragma once
// Folders held in memory, for tests and benchmarks: paths use the platform's
// separator below roots of the caller's choosing ("/d", "D:"), every listed
// entry is counted, and each operation can be made to fail.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/folder_system.h"

namespace ec {

class MemoryFolderSystem : public FolderSystem {
 public:
  // Adds the folder and its missing parents (which get no attributes).
  void AddFolder(const std::string& path, std::uint32_t attributes = 0);
  void AddFile(const std::string& path);
  // Listing such a folder finds nothing, as when permission is denied.
  void MakeUnlistable(const std::string& path) { unlistable_.insert(path); }

  bool Exists(const std::string& path) override;
  void ListFolders(const std::string& folder, bool withAttributes, const Visitor& visit) override;
  bool CreateFolder(const std::string& path) override;
  bool RenameFolder(const std::string& from, const std::string& to) override;
  bool DeleteFolder(const std::string& path) override;

  // Entries handed to visitors since the last reset.
  std::int64_t VisitedEntries() const { return visited_; }
  void ResetCounters() { visited_ = 0; }
  bool failCreate = false;
  bool failRename = false;
  bool failDelete = false;
  std::vector<std::string> deleted;  // every deleted path, in order

 private:
  struct Node {
    bool folder = true;
    std::uint32_t attributes = 0;
    std::vector<std::string> children;  // names, in the order they were added
  };
  void Add(const std::string& path, bool folder, std::uint32_t attributes);
  void Detach(const std::string& path);
  void Erase(const std::string& path);

  std::map<std::string, Node> nodes_;
  std::set<std::string> unlistable_;
  std::int64_t visited_ = 0;
};

}  // namespace ec
