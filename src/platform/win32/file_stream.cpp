#include "platform/file_stream.h"

#include <cstring>
#include <string>

#include "support/utf8_path.h"

namespace ec {

std::FILE* OpenFileStream(std::string_view utf8Path, const char* mode) {
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  if (path.empty()) return nullptr;
  const std::wstring wideMode(mode, mode + std::strlen(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
}

bool SeekFileStream(std::FILE* file, std::uint64_t position) {
  return _fseeki64(file, static_cast<long long>(position), SEEK_SET) == 0;
}

std::uint64_t FileStreamSize(std::FILE* file) {
  if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
  const long long end = _ftelli64(file);
  return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

}  // namespace ec
