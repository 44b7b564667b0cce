#include "platform/file_stream.h"

#include <sys/types.h>

#include <string>

namespace ec {

std::FILE* OpenFileStream(std::string_view utf8Path, const char* mode) {
  return std::fopen(std::string(utf8Path).c_str(), mode);
}

bool SeekFileStream(std::FILE* file, std::uint64_t position) {
  return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
}

std::uint64_t FileStreamSize(std::FILE* file) {
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  const off_t end = ftello(file);
  return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

}  // namespace ec
