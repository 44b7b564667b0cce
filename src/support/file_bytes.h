#pragma once
// Whole-file reads and writes of plain byte files.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ec {

// The bytes of a regular file; nothing when it is missing, not a regular file
// (a FIFO or device could block or never end) or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
// The same, but nothing when the file holds more than `limit` bytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit);

// Replaces the file's content with `bytes`. False on any failure.
// Refuses (false) a path that names anything but a regular file.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// The same through a new file beside it, renamed over the old one once it is
// whole, so a write cut short (a full disk, a crash) leaves the old content.
bool WriteFileBytesAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ec
