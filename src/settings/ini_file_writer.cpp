#include "settings/ini_file_writer.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <string_view>
#include <utility>

namespace ec {
namespace {

// SettingsWriter keys what waits by path; this writer has only one file.
const std::filesystem::path kTheFile = "settings";

size_t FirstDifference(std::string_view a, std::string_view b) {
  return static_cast<size_t>(std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first -
                             a.begin());
}

// One past the last differing byte of two contents of the same size.
size_t LastDifferenceEnd(std::string_view a, std::string_view b, size_t from) {
  size_t end = a.size();
  while (end > from && a[end - 1] == b[end - 1]) --end;
  return end;
}

}  // namespace

// Touched by the writing thread only, apart from `behind`.
struct IniFileWriter::Target {
  std::unique_ptr<LockedFile> file;
  std::string on_disk;  // what the file holds, where `unsure_from` does not say otherwise
  // Set when a failed write could not be undone: the bytes from here on are unknown.
  std::optional<size_t> unsure_from;
  WriteGate gate;
  std::atomic<bool> behind = false;

  bool Write(std::string_view next);
  bool Replace(std::string_view next, size_t from, size_t to);
};

bool IniFileWriter::Target::Write(std::string_view next) {
  size_t from = FirstDifference(on_disk, next);
  size_t to = next.size();
  if (unsure_from) from = std::min(from, *unsure_from);
  else if (next.size() == on_disk.size()) to = LastDifferenceEnd(on_disk, next, from);
  const bool unchanged = !unsure_from && from == to && next.size() == on_disk.size();
  const bool written = unchanged || ((!gate || gate()) && Replace(next, from, to));
  behind = !written;
  return written;
}

bool IniFileWriter::Target::Replace(std::string_view next, size_t from, size_t to) {
  if (file->WriteAt(from, next.substr(from, to - from)) && file->Truncate(next.size())) {
    on_disk = next;
    unsure_from.reset();
    return true;
  }
  // Put the old bytes back so the file keeps an older content whole; if even
  // that fails, the next write rewrites everything from here.
  from = std::min(from, on_disk.size());
  // `from` is at or before any earlier unknown bytes, so a rewrite mends those too.
  if (file->WriteAt(from, std::string_view(on_disk).substr(from)) && file->Truncate(on_disk.size())) {
    unsure_from.reset();
  } else {
    unsure_from = from;
  }
  return false;
}

IniFileWriter::IniFileWriter(std::unique_ptr<LockedFile> file, std::string on_disk, WriteGate gate)
    : target_(std::make_shared<Target>()),
      writer_([target = target_](const std::filesystem::path&, std::string_view bytes) { return target->Write(bytes); }) {
  target_->file = std::move(file);
  target_->on_disk = std::move(on_disk);
  target_->gate = std::move(gate);
}

void IniFileWriter::Post(std::string content) { writer_.Post(kTheFile, std::move(content)); }

bool IniFileWriter::Behind() const { return target_->behind; }

}  // namespace ec
