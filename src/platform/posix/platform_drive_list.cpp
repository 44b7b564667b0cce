// The Linux drive list: /proc/self/mounts, labels from /dev/disk/by-label,
// removable media from /sys/class/block.
#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "platform/posix/mounted_drives.h"
#include "support/file_bytes.h"

namespace ec {
namespace {

// A partition's own folder has no "removable"; its disk's folder, one up, has.
bool IsRemovable(const std::filesystem::path& device) {
  std::error_code error;
  const auto folder = std::filesystem::canonical(std::filesystem::path("/sys/class/block") / device.filename(), error);
  if (error) return false;
  for (const auto& candidate : {folder / "removable", folder.parent_path() / "removable"}) {
    if (const auto flag = ReadFileBytes(candidate)) return !flag->empty() && (*flag)[0] == '1';
  }
  return false;
}

class MountedDriveList : public DriveList {
 public:
  std::vector<Drive> Drives() override {
    const auto text = ReadFileBytes("/proc/self/mounts");
    const auto labels = ReadDiskLabels("/dev/disk/by-label");
    MountProbe probe;
    probe.device = [&labels](const std::string& device, const std::string& fileSystem) {
      DeviceFacts facts;
      std::error_code error;
      const auto resolved = std::filesystem::canonical(device, error);
      struct stat info {};
      if (error || ::stat(resolved.c_str(), &info) != 0 || !S_ISBLK(info.st_mode)) return facts;
      facts.blockDevice = true;
      facts.cdRom = resolved.filename().string().starts_with("sr") || fileSystem == "iso9660" || fileSystem == "udf";
      facts.removable = IsRemovable(resolved);
      if (const auto label = labels.find(resolved.string()); label != labels.end()) facts.label = label->second;
      return facts;
    };
    probe.isFolder = [](const std::string& path) {
      std::error_code error;
      return std::filesystem::is_directory(path, error);
    };
    return DrivesFromMounts(ParseMounts(text.value_or("")), probe);
  }

  // Labels belong to the file system's own tools on Linux.
  bool SetLabel(const std::string&, const std::string&) override { return false; }
};

}  // namespace

std::unique_ptr<DriveList> CreatePlatformDriveList() { return std::make_unique<MountedDriveList>(); }

}  // namespace ec
