#include "reader/module_file.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "platform/file_facts.h"
#include "platform/file_stream.h"

namespace ec {
namespace {

// The buffer kept for the thread's next read, if a KeptReadBuffer lives on it.
thread_local KeptReadBuffer::Bytes* spare = nullptr;
static_assert(std::is_trivially_destructible_v<decltype(spare)>);
// Bigger buffers are not kept: a viewer that read one big module once should
// not hold its size for the rest of its life.
constexpr uint64_t kMaxSpareBytes = 8 * 1024 * 1024;

}  // namespace

KeptReadBuffer::KeptReadBuffer() : installed_(spare == nullptr) {
  if (installed_) spare = &bytes_;
}

KeptReadBuffer::~KeptReadBuffer() {
  if (installed_) spare = nullptr;
}

ModuleFile::~ModuleFile() { Close(); }

ModuleFile::Opening ModuleFile::Open(const std::string& path, bool readOnly, uint64_t maxBytes) {
  Close();
  // Only a regular file is opened: opening a FIFO or a device could block.
  const std::optional<FileFacts> facts = LookAtFile(path);
  if (!facts || !facts->regular) return Opening::CannotOpen;
  if (facts->size > maxBytes) {
    size_ = facts->size;
    return Opening::TooLarge;
  }
  // The mode bits decide, not only whether the open succeeds: run as root, a
  // program may open any file for writing, even one marked read-only.
  if (!facts->ownerWritable) readOnly = true;
  if (!readOnly) file_ = OpenFileStream(path, "r+b");
  writable_ = file_ != nullptr;
  if (!file_) file_ = OpenFileStream(path, "rb");
  if (!file_) return Opening::CannotOpen;
  // Unbuffered, a read of the whole file is one read of the system.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  TakeBytes(facts->size);
  // A file that changed size since the look is read as far as it was then.
  size_ = std::fread(bytes_.get(), 1, static_cast<size_t>(facts->size), file_);
  position_ = 0;
  return Opening::Opened;
}

void ModuleFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  writable_ = false;
  if (spare && bytes_ && capacity_ <= kMaxSpareBytes && capacity_ > spare->capacity) {
    spare->bytes = std::move(bytes_);
    spare->capacity = capacity_;
  }
  bytes_.reset();
  capacity_ = 0;
  size_ = position_ = 0;
}

void ModuleFile::TakeBytes(uint64_t size) {
  if (spare && spare->bytes && spare->capacity >= size) {
    bytes_ = std::move(spare->bytes);
    capacity_ = spare->capacity;
    spare->capacity = 0;
    return;
  }
  capacity_ = std::max<uint64_t>(size, 1);
  bytes_.reset(new char[capacity_]);
}

bool ModuleFile::Seek(uint64_t position) {
  if (!bytes_) return false;
  position_ = position;
  return true;
}

std::string ModuleFile::Read(uint64_t n) {
  if (!bytes_ || position_ >= size_) return {};
  // Never more than the file still holds, whatever n claims.
  const uint64_t take = std::min(n, size_ - position_);
  std::string bytes(bytes_.get() + position_, static_cast<size_t>(take));
  position_ += take;
  return bytes;
}

int32_t ModuleFile::ReadInt32() {
  if (!bytes_ || position_ >= size_ || size_ - position_ < 4) {
    position_ = std::max(position_, size_);
    return 0;
  }
  int32_t value;
  std::memcpy(&value, bytes_.get() + position_, 4);
  position_ += 4;
  return value;
}

bool ModuleFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (!file_ || !writable_) return false;
  const bool ok = SeekFileStream(file_, offset) && std::fwrite(data, 1, size, file_) == size && std::fflush(file_) == 0;
  // What is read afterwards is what the file now holds.
  if (ok && offset < size_) std::memcpy(bytes_.get() + offset, data, static_cast<size_t>(std::min<uint64_t>(size, size_ - offset)));
  return ok;
}

}  // namespace ec
