#pragma once
// The drives of a Linux machine, worked out from /proc/self/mounts: every
// mount of a block device (loop devices, which hold images, aside) whose mount
// point is a folder, plus the root. The mount point stands for the drive
// letter; the root is the system drive.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_list.h"

namespace ec {

struct MountEntry {
  std::string device;
  std::string mountPoint;
  std::string fileSystem;
};

// The lines of a mounts file, with the octal escapes (\040 for a space) undone.
std::vector<MountEntry> ParseMounts(std::string_view text);

// What the system knows about a device path.
struct DeviceFacts {
  bool blockDevice = false;
  bool removable = false;
  bool cdRom = false;
  std::string label;
};

struct MountProbe {
  std::function<DeviceFacts(const std::string& device, const std::string& fileSystem)> device;
  std::function<bool(const std::string& path)> isFolder;
};

// One drive per mount point (the last mount of a point wins, as it hides the
// others), in mount order, the root first.
std::vector<Drive> DrivesFromMounts(const std::vector<MountEntry>& mounts, const MountProbe& probe);

// The labels of /dev/disk/by-label: device path → label, escapes (\x20) undone.
std::map<std::string, std::string> ReadDiskLabels(const std::string& byLabelFolder);

}  // namespace ec
