#include "settings/control_state_store.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <utility>

#include "settings/ini_content.h"
#include "settings/store_values.h"
#include "support/gbk_codec.h"
#include "support/read_within.h"

namespace ec {
namespace {

// A well-formed file needs at most three passes (add the section, add the key,
// place the value); more means event handlers keep changing the content.
constexpr int kWritePasses = 11;

std::optional<std::string> StorableSection(std::string_view name) {
  if (name.find_first_of("\r\n]") != std::string_view::npos) return std::nullopt;
  return ExactGbk(name);
}

std::optional<std::string> StorableKey(std::string_view key) {
  if (key.find_first_of("\r\n") != std::string_view::npos || key.starts_with('[')) return std::nullopt;
  return ExactGbk(key);
}

// Waits on several writers share one time limit.
class Deadline {
 public:
  explicit Deadline(std::chrono::milliseconds limit) : end_(std::chrono::steady_clock::now() + limit) {}
  std::chrono::milliseconds Remaining() const {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(0));
  }

 private:
  std::chrono::steady_clock::time_point end_;
};

// Clears the busy flag however the draining write ends.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

}  // namespace

ControlStateStore::~ControlStateStore() { Release(); }

bool ControlStateStore::Bind(const std::filesystem::path& path) {
  Release();
  path_ = path;
  if (path.empty()) return false;
  auto opened = ReadWithin(kStartReadWait, [path, gate = read_gate_] { return OpenSettingsFile(path, gate, true); });
  if (!opened) {
    // The folder does not answer: nothing of it is read or written from now on.
    file_unread_ = side_unread_ = true;
    return false;
  }
  content_ = opened->content.value_or(std::string());
  Hold(std::move(*opened));
  return IsFileOpen();
}

void ControlStateStore::Release() {
  // One deadline for both writers, so a close waits kCloseWait at most in all.
  const Deadline deadline(SettingsWriter::kCloseWait);
  if (file_writer_) {
    file_writer_->Post(content_);  // a change made inside a running write, or a retry after a failure
    file_writer_->Close(deadline.Remaining());
  }
  if (side_writer_) side_writer_->Close(deadline.Remaining());
  file_writer_.reset();
  side_writer_.reset();
  content_.clear();
  unheld_.clear();
  path_.clear();
  file_unread_ = side_unread_ = false;
  side_kept_.clear();
}

bool ControlStateStore::Flush(std::chrono::milliseconds limit) {
  const Deadline deadline(limit);
  if (file_writer_) {
    file_writer_->Post(content_);  // a retry, should the last write have failed
    if (!file_writer_->WaitIdle(deadline.Remaining()) || file_writer_->Behind()) return false;
  }
  return FlushSideFiles(deadline.Remaining());
}

bool ControlStateStore::WriteText(std::string_view key, std::string_view text) {
  return Write(key, EncodeStoredText(text));
}

std::string ControlStateStore::ReadText(std::string_view key, std::string_view fallback) {
  const auto stored = ReadStored(key);
  return stored ? DecodeStoredText(*stored) : std::string(fallback);
}

bool ControlStateStore::WriteNumber(std::string_view key, double value) {
  return Write(key, FormatStoredNumber(value));
}

double ControlStateStore::ReadNumber(std::string_view key, double fallback) {
  const auto stored = ReadStored(key);
  return stored ? ParseStoredNumber(*stored) : fallback;
}

bool ControlStateStore::WriteLogical(std::string_view key, bool value) {
  return Write(key, ExactGbk(value ? kStoredTrue : kStoredFalse));
}

bool ControlStateStore::ReadLogical(std::string_view key, bool fallback) {
  const auto stored = ReadStored(key);
  return stored ? *stored == ExactGbk(kStoredTrue) : fallback;
}

bool ControlStateStore::SaveMenuCheck(const MenuCheckItem& item) {
  return WriteLogical(item.Caption(), item.IsChecked());
}

void ControlStateStore::LoadMenuCheck(MenuCheckItem& item) {
  item.SetChecked(ReadLogical(item.Caption(), item.IsChecked()));
}

bool ControlStateStore::Write(std::string_view key, std::optional<std::string> value) {
  auto section = StorableSection(section_);
  auto gbk_key = StorableKey(key);
  if (!section || !gbk_key || !value) return false;
  queue_.push_back({std::move(*section), std::move(*gbk_key), std::move(*value)});
  if (busy_) return false;  // the running write applies it before it returns

  BusyScope busy(busy_);
  if (!file_writer_) TakeHold();
  // Not busy means the queue was empty, so the first request is this call's own.
  bool placed = false;
  for (bool own = true; !queue_.empty(); own = false) {
    const WriteRequest request = std::move(queue_.front());
    queue_.pop_front();
    const bool applied = Apply(request);
    if (!file_writer_) RememberUnheld(request);
    if (own) placed = applied;
  }
  if (!file_writer_) return false;
  // Whether this write reaches the disk is not known yet; a failure of the
  // one before is.
  const bool behind = file_writer_->Behind();
  file_writer_->Post(content_);
  return placed && !behind;
}

// Once the file is open, locked and read, its writer takes it over.
void ControlStateStore::Hold(OpenedSettings opened) {
  if (!opened.file || !opened.content) return;
  file_writer_ = std::make_unique<IniFileWriter>(std::move(opened.file), std::move(*opened.content), file_gate_);
}

// Another viewer may have written the file meanwhile: its content is taken
// as it is now, with this store's own writes on top.
void ControlStateStore::TakeHold() {
  if (path_.empty() || file_unread_) return;
  auto opened =
      ReadWithin(kLaterReadWait, [path = path_, gate = read_gate_] { return OpenSettingsFile(path, gate, false); });
  if (!opened) {
    file_unread_ = true;  // not tried again: each try would cost the wait and a thread
    return;
  }
  if (!opened->file || !opened->content) return;
  content_ = *opened->content;
  Hold(std::move(*opened));
  for (const WriteRequest& request : std::exchange(unheld_, {})) Apply(request);
}

void ControlStateStore::RememberUnheld(const WriteRequest& request) {
  std::erase_if(unheld_, [&](const WriteRequest& r) { return r.section == request.section && r.key == request.key; });
  unheld_.push_back(request);
}

bool ControlStateStore::Apply(const WriteRequest& request) {
  for (int pass = 0; pass < kWritePasses; ++pass) {
    PumpEvents();
    if (const auto header = FindIniSection(content_, request.section)) {
      if (const auto value = FindIniEntry(content_, *header, request.key)) {
        content_.replace(value->begin, value->end - value->begin, request.value);
        return true;
      }
      // At the end of the header line rather than right after its "]", so a
      // header line with trailing text keeps that text whole.
      content_.insert(IniLineEnd(content_, *header), std::string(kIniLineBreak) + request.key + "=" + request.value);
    } else {
      const std::string_view separator = content_.empty() ? "" : kIniLineBreak;
      content_ += std::string(separator) + "[" + request.section + "]";
    }
  }
  ReportFailure(request);
  return false;
}

std::optional<std::string> ControlStateStore::ReadStored(std::string_view key) {
  PumpEvents();
  const auto section = StorableSection(section_);
  const auto gbk_key = StorableKey(key);
  if (!section || !gbk_key) return std::nullopt;
  const auto header = FindIniSection(content_, *section);
  if (!header) return std::nullopt;
  const auto value = FindIniEntry(content_, *header, *gbk_key);
  if (!value) return std::nullopt;
  return content_.substr(value->begin, value->end - value->begin);
}

void ControlStateStore::PumpEvents() {
  if (pump_) pump_();
}

void ControlStateStore::ReportFailure(const WriteRequest& request) {
  if (on_failure_) on_failure_({GbkToUtf8(request.section), GbkToUtf8(request.key), GbkToUtf8(content_)});
}

}  // namespace ec
