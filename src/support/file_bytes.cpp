#include "support/file_bytes.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace ec {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > limit) return std::nullopt;
  auto bytes = ReadFileBytes(path);
  // The file may have grown between the two looks.
  if (bytes && bytes->size() > limit) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  // Opening a FIFO or a device for writing can block for ever (a FIFO waits
  // for a reader); only a regular file, or a new one, is written.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

bool WriteFileBytesAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
  std::filesystem::path next = path;
  next += ".new";
  if (!WriteFileBytes(next, bytes)) return false;
  std::filesystem::rename(next, path, error);
  if (!error) return true;
  // Where a rename cannot replace a file, the file is written in place.
  std::filesystem::remove(next, error);
  return WriteFileBytes(path, bytes);
}

}  // namespace ec
