#pragma once
// The open module file: positioned reads, and writes at absolute offsets for
// check-value repairs. Opened for reading and writing when allowed, else for
// reading only (then nothing is ever written).

#include <cstdint>
#include <cstdio>
#include <string>

namespace ec {

class ModuleFile {
 public:
  ModuleFile() = default;
  ModuleFile(const ModuleFile&) = delete;
  ModuleFile& operator=(const ModuleFile&) = delete;
  ~ModuleFile();

  // Opens an existing file; read-write unless readOnly is set, its mode
  // denies its owner writing (whoever runs the program) or it cannot be
  // opened for writing. False when it cannot be opened at all.
  bool Open(const std::string& path, bool readOnly);
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
  std::FILE* file_ = nullptr;
  bool writable_ = false;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
};

}  // namespace ec
