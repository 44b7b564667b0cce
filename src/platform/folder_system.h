#pragma once
// The folder operations of the directory tree: probing, listing subfolders
// with their attributes, creating, renaming and deleting. Paths are UTF-8 text
// with the platform's separator; a drive path ("C:" on Windows) names its root.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ec {

// The Windows attribute bits; on Linux a name starting with "." is hidden, a
// folder without write permission is read-only and nothing is a system folder.
inline constexpr std::uint32_t kFolderReadOnly = 1;
inline constexpr std::uint32_t kFolderHidden = 2;
inline constexpr std::uint32_t kFolderSystem = 4;

struct FolderEntry {
  std::string name;  // the last path element
  std::uint32_t attributes = 0;
};

class FolderSystem {
 public:
  // Answers false to stop the listing.
  using Visitor = std::function<bool(const FolderEntry&)>;

  virtual ~FolderSystem() = default;
  // Whether a file or folder of that path exists.
  virtual bool Exists(const std::string& path) = 0;
  // Visits the subfolders of `folder` (never "." and ".."), in the order the
  // system gives them. Files are skipped by the system's own listing. A folder
  // that cannot be listed has no subfolders. Attributes are filled only when
  // `withAttributes` is asked for, since on Linux they cost a call each.
  virtual void ListFolders(const std::string& folder, bool withAttributes, const Visitor& visit) = 0;
  // Each answers whether it succeeded. Renaming never replaces an existing
  // file or folder. Deleting removes the folder with everything in it, never
  // following a link out of it, and nothing goes to a recycle bin.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool RenameFolder(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFolder(const std::string& path) = 0;
};

std::unique_ptr<FolderSystem> CreatePlatformFolderSystem();

}  // namespace ec
