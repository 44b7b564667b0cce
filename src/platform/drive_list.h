#pragma once
// The drives of the machine: logical drives on Windows; on Linux the mounted
// file systems that live on block devices or removable media, plus the root,
// each mount point standing for a drive letter.

#include <memory>
#include <string>
#include <vector>

namespace ec {

enum class DriveType { kFixed, kCdRom, kRemovable, kOther };

struct Drive {
  std::string name;   // "C:" or a mount point such as "/media/usb"
  std::string label;  // the volume label, "" when it has none
  DriveType type = DriveType::kOther;
  bool system = false;  // the drive the system runs from
};

class DriveList {
 public:
  virtual ~DriveList() = default;
  // In the order the system gives them.
  virtual std::vector<Drive> Drives() = 0;
  // Changes the volume label of the drive `name`; false when it cannot
  // (always on Linux, where the tree does not offer it).
  virtual bool SetLabel(const std::string& name, const std::string& label) = 0;
};

std::unique_ptr<DriveList> CreatePlatformDriveList();

}  // namespace ec
