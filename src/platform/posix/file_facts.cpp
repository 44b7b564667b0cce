#include "platform/file_facts.h"

#include <sys/stat.h>

#include <chrono>
#include <string>

namespace ec {

std::optional<FileFacts> LookAtFile(std::string_view utf8Path) {
  if (utf8Path.empty()) return std::nullopt;
  struct stat status {};
  if (::stat(std::string(utf8Path).c_str(), &status) != 0) return std::nullopt;
  FileFacts facts;
  facts.regular = S_ISREG(status.st_mode);
  facts.size = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
  facts.ownerWritable = (status.st_mode & S_IWUSR) != 0;
  // The same time std::filesystem::last_write_time gives, which stored
  // stamps were made with.
  const auto written = std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
      std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
  facts.modified = std::chrono::file_clock::from_sys(written);
  return facts;
}

}  // namespace ec
