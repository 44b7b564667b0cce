#pragma once
// Keeps a held settings file equal to the newest content a store gives it,
// on a thread of its own (a SettingsWriter), so a slow, full or hanging disk
// never holds up the window that changes the settings.
//
// The file stays open and locked for as long as this writer lives (and, when
// a write hangs past the close, until that write ends). Of several contents
// posted while one is being written only the newest is written, and only from
// the first byte where it differs from what the file already holds: a value
// of the same length rewrites its own bytes, anything else moves the tail.
// A write that fails puts the old bytes back where it can, so the file keeps
// an older content whole, and the next post writes everything that differs.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/locked_file.h"
#include "settings/settings_writer.h"

namespace ec {

class IniFileWriter {
 public:
  // Runs on the writing thread before each write; answering false makes the
  // write fail untouched, as a full disk would. For tests that make writing
  // slow (it may block) or fail.
  using WriteGate = std::function<bool()>;

  // Takes over `file`, open and locked, whose bytes are `on_disk`.
  IniFileWriter(std::unique_ptr<LockedFile> file, std::string on_disk, WriteGate gate = {});
  IniFileWriter(const IniFileWriter&) = delete;
  IniFileWriter& operator=(const IniFileWriter&) = delete;

  // Queues `content` as what the file should hold, replacing what still waits.
  void Post(std::string content);
  // Waits until the newest content posted is written or has failed, at most `limit`.
  bool WaitIdle(std::chrono::milliseconds limit) { return writer_.WaitIdle(limit); }
  // True while the last write failed: the file holds an older content.
  bool Behind() const;
  // Waits at most `wait`, then lets go (see SettingsWriter::Close).
  void Close(std::chrono::milliseconds wait) { writer_.Close(wait); }

 private:
  struct Target;

  std::shared_ptr<Target> target_;
  SettingsWriter writer_;
};

}  // namespace ec
