#include "settings/settings_writer.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "support/file_bytes.h"

namespace ec {

struct SettingsWriter::State {
  mutable std::mutex mutex;
  std::condition_variable changed;
  WriteFunction write;
  std::deque<std::filesystem::path> order;             // files to write, oldest first, each once
  std::map<std::filesystem::path, std::string> bytes;  // what each waiting file gets
  bool writing = false;
  bool stopping = false;
  int failures = 0;

  bool Idle() const { return order.empty() && !writing; }
};

SettingsWriter::SettingsWriter(WriteFunction write) : state_(std::make_shared<State>()) {
  state_->write = write ? std::move(write) : WriteFunction(WriteFileBytesAtomically);
  thread_ = std::thread([state = state_] { WriteLoop(state); });
}

SettingsWriter::~SettingsWriter() { Close(kCloseWait); }

void SettingsWriter::Close(std::chrono::milliseconds wait) {
  if (!thread_.joinable()) return;
  const bool idle = WaitIdle(wait);
  {
    std::lock_guard lock(state_->mutex);
    state_->stopping = true;
  }
  state_->changed.notify_all();
  // A write that hangs keeps its thread, which holds its own share of the state.
  if (idle) thread_.join();
  else thread_.detach();
}

void SettingsWriter::Post(const std::filesystem::path& path, std::string bytes) {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->stopping) return;
    auto& order = state_->order;
    if (std::find(order.begin(), order.end(), path) == order.end()) order.push_back(path);
    state_->bytes[path] = std::move(bytes);
  }
  state_->changed.notify_all();
}

std::optional<std::string> SettingsWriter::Pending(const std::filesystem::path& path) const {
  std::lock_guard lock(state_->mutex);
  const auto it = state_->bytes.find(path);
  if (it == state_->bytes.end()) return std::nullopt;
  return it->second;
}

bool SettingsWriter::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock lock(state_->mutex);
  return state_->changed.wait_for(lock, limit, [&] { return state_->Idle(); });
}

int SettingsWriter::Failures() const {
  std::lock_guard lock(state_->mutex);
  return state_->failures;
}

void SettingsWriter::WriteLoop(const std::shared_ptr<State>& state) {
  std::unique_lock lock(state->mutex);
  while (true) {
    state->changed.wait(lock, [&] { return state->stopping || !state->order.empty(); });
    if (state->order.empty()) return;  // stopping, nothing left
    const std::filesystem::path path = state->order.front();
    state->order.pop_front();
    const std::string bytes = state->bytes[path];
    state->writing = true;
    lock.unlock();
    const bool written = state->write(path, bytes);
    lock.lock();
    state->writing = false;
    if (!written) ++state->failures;
    // A newer write of the same file may have come meanwhile: it stays queued.
    if (std::find(state->order.begin(), state->order.end(), path) == state->order.end()) state->bytes.erase(path);
    state->changed.notify_all();
  }
}

}  // namespace ec
