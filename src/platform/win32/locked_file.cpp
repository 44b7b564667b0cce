#include "platform/locked_file.h"

#include <windows.h>

namespace ec {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool Seek(HANDLE file, std::uint64_t offset) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}

}  // namespace

LockedFile::~LockedFile() { Close(); }

bool LockedFile::Open(const std::filesystem::path& path) {
  Close();
  // Sharing for reading only: nobody else may write while the file is bound,
  // and the open fails when somebody already does.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

void LockedFile::Close() {
  if (!IsOpen()) return;
  CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

bool LockedFile::ReadAll(std::string& out, std::uint64_t limit) {
  out.clear();
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size) || static_cast<std::uint64_t>(size.QuadPart) > limit ||
      !Seek(AsHandle(handle_), 0))
    return false;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    out.append(buffer, got);
    if (out.size() > limit) return false;  // grew while being read
  }
}

bool LockedFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
  if (!IsOpen() || !Seek(AsHandle(handle_), offset)) return false;
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), bytes.data(), chunk, &put, nullptr) || put == 0) return false;
    bytes.remove_prefix(put);
  }
  return true;
}

bool LockedFile::Truncate(std::uint64_t size) {
  return IsOpen() && Seek(AsHandle(handle_), size) && SetEndOfFile(AsHandle(handle_)) != 0;
}

}  // namespace ec
