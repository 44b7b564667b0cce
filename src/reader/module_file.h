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

// While one of these lives on a thread, the buffer of the last module that
// thread read (up to 8 MB) is kept for its next read: a folder search reads
// hundreds of modules in turn, and memory freed and taken again for each is
// given back to the system and faulted in again every time. Other threads
// keep nothing, so a viewer that read one big module does not hold it.
// The buffer lives here, not in a thread_local object: MinGW's runtime frees
// a thread's thread_local storage before it runs the destructors of the
// objects in it, which then free garbage.
class KeptReadBuffer {
 public:
  KeptReadBuffer();
  ~KeptReadBuffer();
  KeptReadBuffer(const KeptReadBuffer&) = delete;
  KeptReadBuffer& operator=(const KeptReadBuffer&) = delete;

  struct Bytes {
    std::unique_ptr<char[]> bytes;
    uint64_t capacity = 0;
  };

 private:
  Bytes bytes_;
  bool installed_ = false;  // false when an outer one keeps the thread's buffer
};

}  // namespace ec
