#include "platform/posix/mounted_drives.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "support/file_bytes.h"
#include "support/plain_text.h"

namespace ec {
namespace {

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

std::string UnescapeOctal(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::string UnescapeHex(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexDigitValue(name[i + 2]) >= 0 &&
        HexDigitValue(name[i + 3]) >= 0) {
      out += static_cast<char>(HexDigitValue(name[i + 2]) * 16 + HexDigitValue(name[i + 3]));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < line.size()) {
    const size_t start = line.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(line.find_first_of(" \t", start), line.size());
    fields.push_back(line.substr(start, end - start));
    pos = end;
  }
  return fields;
}

}  // namespace

std::vector<MountEntry> ParseMounts(std::string_view text) {
  std::vector<MountEntry> mounts;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const auto fields = Fields(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (fields.size() < 3) continue;
    mounts.push_back({UnescapeOctal(fields[0]), UnescapeOctal(fields[1]), std::string(fields[2])});
  }
  return mounts;
}

std::vector<Drive> DrivesFromMounts(const std::vector<MountEntry>& mounts, const MountProbe& probe) {
  std::vector<Drive> drives;
  drives.push_back({"/", "", DriveType::kFixed, true});
  for (const MountEntry& mount : mounts) {
    if (mount.mountPoint.empty() || mount.mountPoint[0] != '/') continue;
    if (!mount.device.starts_with("/dev/") || mount.device.starts_with("/dev/loop")) continue;
    const DeviceFacts facts = probe.device(mount.device, mount.fileSystem);
    if (mount.mountPoint != "/" && (!facts.blockDevice || !probe.isFolder(mount.mountPoint))) continue;
    Drive drive{mount.mountPoint, facts.label, DriveType::kFixed, mount.mountPoint == "/"};
    if (facts.cdRom) drive.type = DriveType::kCdRom;
    else if (facts.removable) drive.type = DriveType::kRemovable;
    else if (!facts.blockDevice && drive.name != "/") drive.type = DriveType::kOther;
    const auto same = std::find_if(drives.begin(), drives.end(), [&](const Drive& d) { return d.name == drive.name; });
    if (same != drives.end()) *same = drive;
    else drives.push_back(drive);
  }
  return drives;
}

std::map<std::string, std::string> ReadDiskLabels(const std::string& byLabelFolder) {
  std::map<std::string, std::string> labels;
  std::error_code error;
  for (std::filesystem::directory_iterator it(byLabelFolder, error), end; !error && it != end; it.increment(error)) {
    const auto device = std::filesystem::canonical(it->path(), error);
    if (error) {
      error.clear();
      continue;
    }
    labels[device.string()] = UnescapeHex(it->path().filename().string());
  }
  return labels;
}

}  // namespace ec
