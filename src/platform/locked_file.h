#pragma once
// A file held open for reading and writing while other writers are kept out.
//
// Settings files stay open for as long as a store is bound to them; every change
// is written at its own offset, so the file never needs a flush or a rewrite.
// On Linux the lock is an exclusive flock (advisory: it keeps out every program
// that asks for it, among them a second ecview); on Windows it is the share mode,
// which lets others read but not write.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ec {

class LockedFile {
 public:
  LockedFile() = default;
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens a regular file for reading and writing, creating it when missing.
  // Fails (and leaves nothing open) when the file cannot be written, is not a
  // regular file, or another writer holds it.
  bool Open(const std::filesystem::path& path);
  void Close();
  bool IsOpen() const { return handle_ != kNoHandle; }

  // Replaces `out` with the file's bytes; fails when it holds more than `limit`
  // (checked before anything is read, and again while reading).
  bool ReadAll(std::string& out, std::uint64_t limit);
  bool WriteAt(std::uint64_t offset, std::string_view bytes);
  bool Truncate(std::uint64_t size);

 private:
  static constexpr std::intptr_t kNoHandle = -1;  // also INVALID_HANDLE_VALUE
  std::intptr_t handle_ = kNoHandle;             // a descriptor or a HANDLE
};

}  // namespace ec
