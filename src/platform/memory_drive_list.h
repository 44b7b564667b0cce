#pragma once
// Drives held in memory, for tests: labels change when `labelsChange` allows.

#include <string>
#include <vector>

#include "platform/drive_list.h"

namespace ec {

class MemoryDriveList : public DriveList {
 public:
  std::vector<Drive> Drives() override { return drives; }
  bool SetLabel(const std::string& name, const std::string& label) override {
    for (Drive& drive : drives) {
      if (drive.name != name || !labelsChange) continue;
      drive.label = label;
      return true;
    }
    return false;
  }

  std::vector<Drive> drives;
  bool labelsChange = true;
};

}  // namespace ec
