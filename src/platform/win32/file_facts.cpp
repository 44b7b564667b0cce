#include "platform/file_facts.h"

#include <system_error>

#include "support/utf8_path.h"

namespace ec {

std::optional<FileFacts> LookAtFile(std::string_view utf8Path) {
  if (utf8Path.empty()) return std::nullopt;
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return std::nullopt;
  FileFacts facts;
  facts.regular = std::filesystem::is_regular_file(status);
  facts.ownerWritable = (status.permissions() & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
  if (facts.regular) {
    facts.size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
  }
  facts.modified = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return facts;
}

}  // namespace ec
