#include "reader/module_file.h"

#include <cstring>
#include <filesystem>

#include "platform/file_stream.h"
#include "support/utf8_path.h"

namespace ec {

ModuleFile::~ModuleFile() { Close(); }

bool ModuleFile::Open(const std::string& path, bool readOnly) {
  Close();
  std::error_code ec;
  const std::filesystem::path file = PathFromUtf8(path);
  if (path.empty() || !std::filesystem::is_regular_file(file, ec)) return false;
  // The mode bits decide, not only whether the open succeeds: run as root, a
  // program may open any file for writing, even one marked read-only.
  const auto perms = std::filesystem::status(file, ec).permissions();
  if (ec || (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none) readOnly = true;
  if (!readOnly) file_ = OpenFileStream(path, "r+b");
  writable_ = file_ != nullptr;
  if (!file_) file_ = OpenFileStream(path, "rb");
  if (!file_) return false;
  size_ = FileStreamSize(file_);
  position_ = 0;
  SeekFileStream(file_, 0);
  return true;
}

void ModuleFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  writable_ = false;
  size_ = position_ = 0;
}

bool ModuleFile::Seek(uint64_t position) {
  if (!file_ || !SeekFileStream(file_, position)) return false;
  position_ = position;
  return true;
}

std::string ModuleFile::Read(uint64_t n) {
  if (!file_ || position_ >= size_) return {};
  // Never allocate more than the file still holds, whatever n claims.
  const uint64_t take = std::min(n, size_ - position_);
  std::string bytes(static_cast<size_t>(take), '\0');
  const size_t got = std::fread(bytes.data(), 1, bytes.size(), file_);
  bytes.resize(got);
  position_ += got;
  return bytes;
}

int32_t ModuleFile::ReadInt32() {
  const std::string bytes = Read(4);
  if (bytes.size() != 4) return 0;
  int32_t value;
  std::memcpy(&value, bytes.data(), 4);
  return value;
}

bool ModuleFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (!file_ || !writable_) return false;
  bool ok = SeekFileStream(file_, offset) && std::fwrite(data, 1, size, file_) == size && std::fflush(file_) == 0;
  // Switching from writing back to reading needs a seek in C streams.
  ok = SeekFileStream(file_, position_) && ok;
  return ok;
}

}  // namespace ec
