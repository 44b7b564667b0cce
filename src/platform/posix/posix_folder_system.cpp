// Folders on Linux: readdir with the entry types it reports, so listing a
// folder of files costs no call per file.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/folder_system.h"

namespace ec {
namespace {

class DirectoryStream {
 public:
  explicit DirectoryStream(const std::string& path) : dir_(::opendir(path.c_str())) {}
  ~DirectoryStream() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  DirectoryStream(const DirectoryStream&) = delete;
  DirectoryStream& operator=(const DirectoryStream&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// A link counts as a folder when it leads to one, as a junction does on Windows.
bool IsFolderEntry(int dirFd, const dirent* entry) {
  if (entry->d_type == DT_DIR) return true;
  if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
  struct stat info {};
  return ::fstatat(dirFd, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

std::uint32_t Attributes(int dirFd, const char* name) {
  std::uint32_t attributes = 0;
  if (name[0] == '.') attributes |= kFolderHidden;
  if (::faccessat(dirFd, name, W_OK, 0) != 0) attributes |= kFolderReadOnly;
  return attributes;
}

bool IsFilesystemRoot(const std::string& path) {
  return path.find_first_not_of('/') == std::string::npos;
}

class PosixFolderSystem : public FolderSystem {
 public:
  bool Exists(const std::string& path) override {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
  }

  void ListFolders(const std::string& folder, bool withAttributes, const Visitor& visit) override {
    if (folder.empty()) return;
    DirectoryStream stream(folder);
    if (stream.get() == nullptr) return;
    const int fd = ::dirfd(stream.get());
    while (const dirent* entry = ::readdir(stream.get())) {
      if (IsDotEntry(entry->d_name) || !IsFolderEntry(fd, entry)) continue;
      FolderEntry found{entry->d_name, withAttributes ? Attributes(fd, entry->d_name) : 0};
      if (!visit(found)) return;
    }
  }

  bool CreateFolder(const std::string& path) override { return !path.empty() && ::mkdir(path.c_str(), 0777) == 0; }

  bool RenameFolder(const std::string& from, const std::string& to) override {
    if (from.empty() || to.empty()) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: rename(2) would silently replace
    // an empty folder of the new name.
    if (Exists(to)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool DeleteFolder(const std::string& path) override {
    if (path.empty() || IsFilesystemRoot(path)) return false;
    std::error_code error;
    std::filesystem::remove_all(path, error);  // removes links, never what they lead to
    return !error && !std::filesystem::exists(std::filesystem::symlink_status(path, error));
  }
};

}  // namespace

std::unique_ptr<FolderSystem> CreatePlatformFolderSystem() { return std::make_unique<PosixFolderSystem>(); }

}  // namespace ec
