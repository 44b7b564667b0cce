#include "platform/file_stream.h"

#include <sys/stat.h>
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
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || status.st_size < 0) return 0;
  return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace ec
