#pragma once
// Named values kept in an INI-style settings file (GBK on disk, UTF-8 here).
//
// The whole file lives in memory and stays open, locked against other writers,
// while the store is bound. Every change is made to the memory copy at once and
// brought to the file by a thread of its own (settings/ini_file_writer.h), so the
// file equals the memory copy once the writes are done, and a slow, full or
// hanging disk never holds up the caller. Reads of the folder run on threads
// of their own too (settings/settings_reads.h) and are waited for a bounded
// time: what does not come back in time counts as unreadable, and a file that
// was not read is never written (its values stay in memory). A new key goes
// to the top of its section, a new section to the end of the file.
//
// Reads and writes let the window layer process pending events (the event pump),
// so a handler may call the store again in the middle of a write: such writes are
// queued and applied, in order, before the running write returns.

#include <chrono>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file_writer.h"
#include "settings/menu_check_item.h"
#include "settings/settings_reads.h"
#include "settings/settings_writer.h"

namespace ec {

// What the window layer shows when a value could not be placed: a system-modal
// warning box with this message and caption, then the whole content as text.
inline constexpr std::string_view kStoreFailureMessage = "配置模块出现意外，可能导致无法正常保存！详情请咨询澜禾。";
inline constexpr std::string_view kStoreFailureCaption = "澜禾：";

struct StoreWriteFailure {
  std::string section;  // UTF-8
  std::string key;
  std::string content;  // the whole file content as text
};

class ControlStateStore {
 public:
  using EventPump = std::function<void()>;
  using FailureHandler = std::function<void(const StoreWriteFailure&)>;

  ControlStateStore() = default;
  ~ControlStateStore();
  ControlStateStore(const ControlStateStore&) = delete;
  ControlStateStore& operator=(const ControlStateStore&) = delete;

  // Loads the file (empty when missing or unreadable) and holds it open for
  // writing, creating it when missing. When it cannot be held (no write access,
  // another writer has it) the store keeps working in memory and its writes
  // answer false; each later write tries again to get hold of the file, and
  // once it does (the other viewer has closed), the file's content is read
  // afresh and the writes made in memory are applied to it first. So of two
  // viewers on one settings file, the one that closes last keeps its
  // settings. A try that does not come back within kLaterReadWait is the
  // last. Answers whether the file is open. Only a regular file of at
  // most kMaxSettingsFileBytes is read or held. Waits kStartReadWait at most:
  // when the file has not been read by then, the store starts empty, works in
  // memory and never takes hold of the file nor writes it, nor the side files.
  bool Bind(const std::filesystem::path& path);
  // Brings the file up to date, waiting for it and for the side files
  // SettingsWriter::kCloseWait at most in all, then closes it and empties the
  // content. A write still hanging then finishes on its own thread.
  void Release();
  bool IsFileOpen() const { return file_writer_ != nullptr; }
  const std::filesystem::path& Path() const { return path_; }
  // The content as held in memory (GBK bytes); the file holds it once the
  // writes are done.
  const std::string& RawContent() const { return content_; }

  void SetEventPump(EventPump pump) { pump_ = std::move(pump); }
  void SetFailureHandler(FailureHandler handler) { on_failure_ = std::move(handler); }

  // The section every value operation uses. Keys and section names may not hold
  // line breaks; a key may not begin with "[" nor a section name hold "]", since
  // either would read as a header. Such names read as missing and are not written.
  void SetSection(std::string_view name) { section_ = name; }
  const std::string& Section() const { return section_; }

  // Writes answer true when the value is in the content and on its way to the
  // held file, and the file's last write did not fail; a write queued behind a
  // running one answers false. Reads answer `fallback` when the
  // section or key is missing (an empty stored value is not missing).
  bool WriteText(std::string_view key, std::string_view text);
  std::string ReadText(std::string_view key, std::string_view fallback);
  bool WriteNumber(std::string_view key, double value);
  double ReadNumber(std::string_view key, double fallback);
  bool WriteLogical(std::string_view key, bool value);
  bool ReadLogical(std::string_view key, bool fallback);
  // Byte values live in side files: <folder of the file>/inibin/<section>-<key>.ibn.
  // An empty or missing side file reads as `fallback`. Side files are written
  // by a thread of their own (settings/settings_writer.h): a write answers
  // whether it was queued, a read sees what is still waiting, and Release
  // waits for the writes a bounded time. A read of the disk waits
  // kLaterReadWait at most; once one has not come back in time, side files
  // are neither read nor written any more: writes stay in memory (answering
  // false) and reads see them.
  bool WriteBytes(std::string_view key, std::string_view bytes);
  std::string ReadBytes(std::string_view key, std::string_view fallback);

  // Waits until the side files written so far are on disk, at most `limit`;
  // true when they are.
  bool FlushSideFiles(std::chrono::milliseconds limit = SettingsWriter::kCloseWait) {
    return !side_writer_ || side_writer_->WaitIdle(limit);
  }
  // How side files are written; for tests that make writing slow or fail.
  void SetSideFileWriter(SettingsWriter::WriteFunction write) { side_write_ = std::move(write); }
  // Waits until the settings file and the side files hold everything written
  // so far, at most `limit` in all; true when they do.
  bool Flush(std::chrono::milliseconds limit = SettingsWriter::kCloseWait);
  // Runs before each write of the settings file, from the next Bind on; for
  // tests that make writing slow or fail.
  void SetFileWriteGate(IniFileWriter::WriteGate gate) { file_gate_ = std::move(gate); }
  // Runs before each read of the settings file and of side files (and each
  // look at what a side file's name stands for); for tests that make reading
  // slow or fail.
  void SetFileReadGate(ReadGate gate) { read_gate_ = std::move(gate); }

  // A menu entry's check mark, kept as a logical under its caption.
  bool SaveMenuCheck(const MenuCheckItem& item);
  void LoadMenuCheck(MenuCheckItem& item);

 private:
  struct WriteRequest {  // all GBK
    std::string section;
    std::string key;
    std::string value;
  };

  bool Write(std::string_view key, std::optional<std::string> value);
  void Hold(OpenedSettings opened);
  void TakeHold();
  std::optional<std::string> KeptSideFile(const std::filesystem::path& path) const;
  std::optional<std::string> ReadSideFileWithin(const std::filesystem::path& path);
  bool KeepSideFile(const std::filesystem::path& path, std::string_view bytes);
  void RememberUnheld(const WriteRequest& request);
  bool Apply(const WriteRequest& request);
  std::optional<std::string> ReadStored(std::string_view key);
  std::optional<std::filesystem::path> SideFilePath(std::string_view key) const;
  void PumpEvents();
  void ReportFailure(const WriteRequest& request);

  std::filesystem::path path_;
  std::string content_;
  std::string section_;
  std::deque<WriteRequest> queue_;
  // Writes made in memory while the file was not held, newest value per key.
  std::vector<WriteRequest> unheld_;
  bool busy_ = false;
  EventPump pump_;
  FailureHandler on_failure_;
  SettingsWriter::WriteFunction side_write_;
  std::unique_ptr<SettingsWriter> side_writer_;  // made at the first side-file write
  IniFileWriter::WriteGate file_gate_;
  std::unique_ptr<IniFileWriter> file_writer_;  // there while the file is held
  ReadGate read_gate_;
  // Set when a read did not come back in time: the settings file, or the side
  // files, are then kept in memory only, until the next Bind.
  bool file_unread_ = false;
  bool side_unread_ = false;
  std::map<std::filesystem::path, std::string> side_kept_;  // side files kept in memory
};

}  // namespace ec
