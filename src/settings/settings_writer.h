#pragma once
// Writes settings side files on a thread of its own, so that a slow or full
// disk never holds up the window that saves them. Each file is replaced
// whole and atomically (WriteFileBytesAtomically); of two writes of one file
// still waiting, only the newer is made. Reads see the bytes still waiting.
// Closing waits a short, bounded time for what is pending, then lets the
// thread finish on its own: a disk that never answers costs a thread, not
// the window.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace ec {

class SettingsWriter {
 public:
  using WriteFunction = std::function<bool(const std::filesystem::path&, std::string_view)>;
  static constexpr std::chrono::milliseconds kCloseWait{2000};

  // `write` makes one write; tests give one that is slow or fails.
  explicit SettingsWriter(WriteFunction write = {});
  ~SettingsWriter();
  SettingsWriter(const SettingsWriter&) = delete;
  SettingsWriter& operator=(const SettingsWriter&) = delete;

  // Queues `bytes` for `path`, replacing what is still waiting for it.
  void Post(const std::filesystem::path& path, std::string bytes);
  // The bytes waiting for `path`, also while they are being written.
  std::optional<std::string> Pending(const std::filesystem::path& path) const;
  // Waits until nothing is waiting, at most `limit`; true when nothing is.
  bool WaitIdle(std::chrono::milliseconds limit);
  // Writes that failed so far.
  int Failures() const;
  // Waits at most `wait` for what is pending, then stops the thread: joined
  // when it is idle, left to finish on its own when a write hangs. Later posts
  // are dropped. The destructor closes with kCloseWait when this was not called.
  void Close(std::chrono::milliseconds wait);

 private:
  struct State;
  // Runs on the writer's thread until it is stopped with nothing left to write.
  static void WriteLoop(const std::shared_ptr<State>& state);

  std::shared_ptr<State> state_;
  std::thread thread_;
};

}  // namespace ec
