#pragma once
// The open module file: positioned reads, and writes at absolute offsets for
// check-value repairs. Opened for reading and writing when allowed, else for
// reading only (then nothing is ever written).
//
// The file is read whole, in one go, when it is opened: a module is parsed
// from front to back, and on the machines it runs on each system call costs
// more than copying the bytes, so reading it piecemeal through a stream
// takes several times longer than one read.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace ec {

class ModuleFile {
 public:
  enum class Opening { Opened, CannotOpen, TooLarge };

  ModuleFile() = default;
  ModuleFile(const ModuleFile&) = delete;
  ModuleFile& operator=(const ModuleFile&) = delete;
  ~ModuleFile();

  // Opens an existing regular file of at most maxBytes and reads it;
  // read-write unless readOnly is set, its mode denies its owner writing
  // (whoever runs the program) or it cannot be opened for writing. After
  // TooLarge, Size() is the size the file claims.
  Opening Open(const std::string& path, bool readOnly, uint64_t maxBytes);
  void Close();
  bool Writable() const { return writable_; }

  uint64_t Size() const { return size_; }
  uint64_t Position() const { return position_; }
  bool Seek(uint64_t position);
  // Reads up to n bytes from the position (fewer at the end of the file).
  std::string Read(uint64_t n);
  // Reads a little-endian int32; 0 when it cannot be read whole.
  int32_t ReadInt32();
  // Writes at an absolute offset without moving the read position.
  bool WriteAt(uint64_t offset, const void* data, size_t size);

 private:
  void TakeBytes(uint64_t size);

  std::FILE* file_ = nullptr;
  bool writable_ = false;
  std::unique_ptr<char[]> bytes_;  // the file's bytes, not zeroed first
  uint64_t capacity_ = 0;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
};

}  // namespace ec
