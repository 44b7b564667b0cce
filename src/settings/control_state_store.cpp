#include "settings/control_state_store.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <utility>

#include "settings/ini_content.h"
#include "settings/store_values.h"
#include "support/file_bytes.h"
#include "support/gbk_codec.h"
#include "support/utf8_path.h"

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
  if (file_.Open(path)) {
    if (file_.ReadAll(content_)) return true;
    file_.Close();  // writing over bytes that could not be read would lose them
  }
  content_ = ReadFileBytes(path).value_or(std::string());
  return false;
}

void ControlStateStore::Release() {
  side_writer_.reset();  // waits for the side files, SettingsWriter::kCloseWait at most
  file_.Close();
  content_.clear();
  unheld_.clear();
  path_.clear();
  unsynced_from_.reset();
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

bool ControlStateStore::WriteBytes(std::string_view key, std::string_view bytes) {
  const auto path = SideFilePath(key);
  if (!path) return false;
  // What is there already and is no file (a FIFO, a folder) is refused at
  // once; the worker checks again before it writes.
  std::error_code error;
  const auto status = std::filesystem::status(*path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
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
  auto bytes = !path ? std::nullopt : side_writer_ ? side_writer_->Pending(*path) : std::nullopt;
  if (path && !bytes) bytes = ReadFileBytes(*path);
  return bytes && !bytes->empty() ? std::move(*bytes) : std::string(fallback);
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
  if (!file_.IsOpen()) TakeHold();
  // Not busy means the queue was empty, so the first request is this call's own.
  bool placed = false;
  for (bool own = true; !queue_.empty(); own = false) {
    const WriteRequest request = std::move(queue_.front());
    queue_.pop_front();
    const bool applied = Apply(request);
    if (!file_.IsOpen()) RememberUnheld(request);
    if (own) placed = applied;
  }
  return placed;
}

// Another viewer may have written the file meanwhile: its content is taken
// as it is now, with this store's own writes on top.
void ControlStateStore::TakeHold() {
  if (path_.empty() || !file_.Open(path_)) return;
  std::string content;
  if (!file_.ReadAll(content)) {
    file_.Close();
    return;
  }
  content_ = std::move(content);
  unsynced_from_.reset();
  for (const WriteRequest& request : std::exchange(unheld_, {})) Apply(request);
}

void ControlStateStore::RememberUnheld(const WriteRequest& request) {
  std::erase_if(unheld_, [&](const WriteRequest& r) { return r.section == request.section && r.key == request.key; });
  unheld_.push_back(request);
}

bool ControlStateStore::Apply(const WriteRequest& request) {
  bool in_file = true;
  for (int pass = 0; pass < kWritePasses; ++pass) {
    PumpEvents();
    EditOutcome outcome;
    bool placed = false;
    if (const auto header = FindIniSection(content_, request.section)) {
      if (const auto value = FindIniEntry(content_, *header, request.key)) {
        outcome = Edit(value->begin, value->end - value->begin, request.value);
        placed = true;
      } else {
        // At the end of the header line rather than right after its "]", so a
        // header line with trailing text keeps that text whole.
        outcome =
            Edit(IniLineEnd(content_, *header), 0, std::string(kIniLineBreak) + request.key + "=" + request.value);
      }
    } else {
      const std::string_view separator = content_.empty() ? "" : kIniLineBreak;
      outcome = Edit(content_.size(), 0, std::string(separator) + "[" + request.section + "]");
    }
    if (outcome == EditOutcome::kFailed) return false;
    in_file = in_file && outcome == EditOutcome::kInFile;
    if (placed) return in_file;
  }
  ReportFailure(request);
  return false;
}

ControlStateStore::EditOutcome ControlStateStore::Edit(size_t offset, size_t erase, std::string_view insert) {
  std::string next = content_;
  next.replace(offset, erase, insert);
  if (!file_.IsOpen()) {
    content_ = std::move(next);
    return EditOutcome::kInMemory;
  }
  // A value of the same length only needs its own bytes rewritten; anything
  // else moves the tail.
  const bool same_size = insert.size() == erase && !unsynced_from_;
  if (!SyncFile(next, offset, same_size ? offset + insert.size() : next.size())) return EditOutcome::kFailed;
  content_ = std::move(next);
  return EditOutcome::kInFile;
}

bool ControlStateStore::SyncFile(std::string_view next, size_t from, size_t to) {
  if (unsynced_from_) {
    from = std::min(from, *unsynced_from_);
    to = next.size();
  }
  if (file_.WriteAt(from, next.substr(from, to - from)) && file_.Truncate(next.size())) {
    unsynced_from_.reset();
    return true;
  }
  // Put the old bytes back so the file keeps matching the unchanged content;
  // if even that fails, the next write rewrites everything from here.
  const std::string_view old = content_;
  from = std::min(from, old.size());
  if (file_.WriteAt(from, old.substr(from)) && file_.Truncate(old.size())) {
    unsynced_from_.reset();
  } else {
    unsynced_from_ = from;
  }
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

std::optional<std::filesystem::path> ControlStateStore::SideFilePath(std::string_view key) const {
  // The name becomes one file name: separators or a drive colon would lead out
  // of the folder (or, on NTFS, into a stream of another file).
  const std::string name = section_ + "-" + std::string(key) + ".ibn";
  if (path_.empty() || name.find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos) return std::nullopt;
  const std::filesystem::path file_name = PathFromUtf8(name);
  if (file_name.empty()) return std::nullopt;
  return path_.parent_path() / "inibin" / file_name;
}

void ControlStateStore::PumpEvents() {
  if (pump_) pump_();
}

void ControlStateStore::ReportFailure(const WriteRequest& request) {
  if (on_failure_) on_failure_({GbkToUtf8(request.section), GbkToUtf8(request.key), GbkToUtf8(content_)});
}

}  // namespace ec
