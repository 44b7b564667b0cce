#pragma once
// The reads of the settings folder, each run on a thread of its own
// (support/read_within.h) so that a disk that does not answer holds up the
// caller a bounded time only. Every function here owns its arguments: it may
// still be running after its caller has given up on it.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/locked_file.h"

namespace ec {

// A settings file larger than this is no settings file of ours: it is neither
// read nor held (writing over what was not read would lose it). Side files are
// bounded the same way.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 16u << 20;

// How long the start waits for the settings file. The window is not shown yet,
// so waiting costs only a later start; giving up costs the session's settings,
// which are then kept in memory only. A local disk, even a waking USB stick,
// reads a settings file of a few KB well within this.
inline constexpr std::chrono::milliseconds kStartReadWait{2000};
// How long a read made while the window is up waits: a side file as a list
// control restores itself, the settings file taken again by a later write.
inline constexpr std::chrono::milliseconds kLaterReadWait{300};

// Runs on the reading thread before each read of the settings folder; false
// makes the read fail as an unreadable file would. For tests that make
// reading slow (it may block) or fail.
using ReadGate = std::function<bool(const std::filesystem::path&)>;

struct OpenedSettings {
  std::unique_ptr<LockedFile> file;    // open and locked, or null when it could not be held
  std::optional<std::string> content;  // the bytes read, held or not
};

// Opens the settings file locked (creating it when missing) and reads it. When
// it cannot be held and `readUnheld`, the bytes are read without the lock.
OpenedSettings OpenSettingsFile(const std::filesystem::path& path, const ReadGate& gate, bool readUnheld);
// A side file's bytes; nothing when it is missing, unreadable, no regular file
// or too large.
std::optional<std::string> ReadSideFile(const std::filesystem::path& path, const ReadGate& gate);
// Whether something other than a regular file stands at `path` (a FIFO, a
// folder): such a name is never written.
bool IsNoFile(const std::filesystem::path& path, const ReadGate& gate);
// Makes the settings folder, waiting for it kLaterReadWait at most: on a disk
// that does not answer, the store's Bind then gives up in time too.
void MakeSettingsFolder(const std::filesystem::path& folder);

}  // namespace ec
