#include "settings/settings_reads.h"

#include <system_error>
#include <utility>

#include "support/file_bytes.h"
#include "support/read_within.h"

namespace ec {

OpenedSettings OpenSettingsFile(const std::filesystem::path& path, const ReadGate& gate, bool readUnheld) {
  if (gate && !gate(path)) return {};
  // The open does not wait (a FIFO is refused, a lock held elsewhere fails at
  // once); writing over bytes that could not be read would lose them.
  auto file = std::make_unique<LockedFile>();
  std::string content;
  if (file->Open(path) && file->ReadAll(content, kMaxSettingsFileBytes)) return {std::move(file), std::move(content)};
  if (!readUnheld) return {};
  return {nullptr, ReadFileBytes(path, kMaxSettingsFileBytes)};
}

std::optional<std::string> ReadSideFile(const std::filesystem::path& path, const ReadGate& gate) {
  if (gate && !gate(path)) return std::nullopt;
  return ReadFileBytes(path, kMaxSettingsFileBytes);
}

bool IsNoFile(const std::filesystem::path& path, const ReadGate& gate) {
  if (gate && !gate(path)) return true;
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

void MakeSettingsFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return;
  ReadWithin(kLaterReadWait, [folder] {
    std::error_code error;
    return std::filesystem::create_directories(folder, error);
  });
}

}  // namespace ec
