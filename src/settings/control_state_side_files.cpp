// The store's byte values, kept in side files beside the settings file.
#include <string>
#include <system_error>
#include <utility>

#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "support/read_within.h"
#include "support/utf8_path.h"

namespace ec {

bool ControlStateStore::WriteBytes(std::string_view key, std::string_view bytes) {
  const auto path = SideFilePath(key);
  if (!path) return false;
  if (side_unread_) return KeepSideFile(*path, bytes);
  // What is there already and is no file (a FIFO, a folder) is refused at
  // once; the worker checks again before it writes.
  const auto no_file = ReadWithin(kLaterReadWait, [path = *path, gate = read_gate_] { return IsNoFile(path, gate); });
  if (!no_file) {
    side_unread_ = true;
    return KeepSideFile(*path, bytes);
  }
  if (*no_file) return false;
  if (!side_writer_) {
    side_writer_ = std::make_unique<SettingsWriter>(
        [write = side_write_](const std::filesystem::path& file, std::string_view data) {
          std::error_code folderError;
          std::filesystem::create_directories(file.parent_path(), folderError);
          return write ? write(file, data) : WriteFileBytesAtomically(file, data);
        });
  }
  side_writer_->Post(*path, std::string(bytes));
  return true;
}

std::string ControlStateStore::ReadBytes(std::string_view key, std::string_view fallback) {
  const auto path = SideFilePath(key);
  if (!path) return std::string(fallback);
  auto bytes = KeptSideFile(*path);
  if (!bytes && !side_unread_) bytes = ReadSideFileWithin(*path);
  return bytes && !bytes->empty() ? std::move(*bytes) : std::string(fallback);
}

// What the store has for a side file without reading the disk.
std::optional<std::string> ControlStateStore::KeptSideFile(const std::filesystem::path& path) const {
  // Kept bytes are newer than any still waiting: once side files are kept,
  // nothing more is sent to the writer.
  if (const auto kept = side_kept_.find(path); kept != side_kept_.end()) return kept->second;
  return side_writer_ ? side_writer_->Pending(path) : std::nullopt;
}

std::optional<std::string> ControlStateStore::ReadSideFileWithin(const std::filesystem::path& path) {
  auto read = ReadWithin(kLaterReadWait, [path, gate = read_gate_] { return ReadSideFile(path, gate); });
  if (read) return std::move(*read);
  // A disk that did not answer this read would hold up each one after it.
  side_unread_ = true;
  return std::nullopt;
}

bool ControlStateStore::KeepSideFile(const std::filesystem::path& path, std::string_view bytes) {
  side_kept_[path] = std::string(bytes);
  return false;  // not on its way to the disk
}

std::optional<std::filesystem::path> ControlStateStore::SideFilePath(std::string_view key) const {
  // The name becomes one file name: separators or a drive colon would lead out
  // of the folder (or, on NTFS, into a stream of another file).
  const std::string name = section_ + "-" + std::string(key) + ".ibn";
  if (path_.empty() || name.find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos) return std::nullopt;
  const std::filesystem::path file_name = PathFromUtf8(name);
  if (file_name.empty()) return std::nullopt;
  return path_.parent_path() / "inibin" / file_name;
}

}  // namespace ec
