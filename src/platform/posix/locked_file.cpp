#include "platform/locked_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ec {

LockedFile::~LockedFile() { Close(); }

bool LockedFile::Open(const std::filesystem::path& path) {
  Close();
  // O_NONBLOCK keeps a FIFO or device under this name from stalling the open;
  // such files are refused right after.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

void LockedFile::Close() {
  if (!IsOpen()) return;
  ::close(static_cast<int>(handle_));  // also drops the lock
  handle_ = kNoHandle;
}

bool LockedFile::ReadAll(std::string& out, std::uint64_t limit) {
  out.clear();
  if (!IsOpen()) return false;
  const int fd = static_cast<int>(handle_);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || static_cast<std::uint64_t>(info.st_size) > limit) return false;
  char buffer[65536];
  for (off_t offset = 0;;) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    out.append(buffer, static_cast<size_t>(got));
    if (out.size() > limit) return false;  // grew while being read
    offset += got;
  }
}

bool LockedFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
  if (!IsOpen()) return false;
  const int fd = static_cast<int>(handle_);
  while (!bytes.empty()) {
    const ssize_t put = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(put));
    offset += static_cast<std::uint64_t>(put);
  }
  return true;
}

bool LockedFile::Truncate(std::uint64_t size) {
  return IsOpen() && ::ftruncate(static_cast<int>(handle_), static_cast<off_t>(size)) == 0;
}

}  // namespace ec
