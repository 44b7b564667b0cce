#include "reader/segment_node.h"

#include <cstring>

#include "reader/check_value.h"
#include "reader/last_read_error.h"

namespace ec {
namespace {

int32_t Int32At(const std::string& bytes, size_t offset) {
  int32_t value = 0;
  if (offset + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

bool WriteInt32At(ModuleFile& file, uint64_t offset, int32_t value) {
  return file.WriteAt(offset, &value, sizeof value);
}

// Rewrites both check values of the node: the data check first, so that the
// node check then covers the corrected node info.
void RepairCheckValues(ModuleFile& file, SegmentNode& node) {
  const uint64_t resume = file.Position();
  const uint64_t infoStart = node.start + kNodeHeaderSize;
  file.Seek(infoStart + kNodeInfoSize);
  const std::string data = file.Read(node.data.size());
  node.dataRepairFailed = !WriteInt32At(file, infoStart + kNodeInfoDataCheckOffset, CheckValue(data));
  if (node.dataRepairFailed) SetLastReadError("修正失败[数据]");
  file.Seek(infoStart);
  const std::string info = file.Read(kNodeInfoSize);
  node.headerRepairFailed = !WriteInt32At(file, node.start + 4, CheckValue(info));
  if (node.headerRepairFailed) SetLastReadError("修正失败[头]");
  node.repaired = !node.dataRepairFailed && !node.headerRepairFailed;
  file.Seek(resume);
}

}  // namespace

std::string DecodeSegmentName(const std::string& nodeInfo) {
  std::string name(kNodeNameSize, '\0');
  for (size_t i = 0; i < kNodeNameSize && kNodeInfoNameOffset + i < nodeInfo.size(); ++i)
    name[i] = nodeInfo[kNodeInfoNameOffset + i];
  const bool plain = nodeInfo.size() >= 4 && std::memcmp(nodeInfo.data(), kPlainNameKey, 4) == 0;
  if (!plain) {
    for (size_t i = 0; i < kNodeNameSize; ++i) {
      const size_t k = (i + 1) % 4;
      const char key = k < nodeInfo.size() ? nodeInfo[k] : '\0';
      name[i] = static_cast<char>(name[i] ^ key);
    }
  }
  name.resize(std::min(name.find('\0'), kNodeNameSize));
  return name;
}

bool ReadSegmentNode(ModuleFile& file, SegmentNode& node) {
  const uint64_t start = file.Position();
  node = SegmentNode{.start = start};
  if (start >= file.Size()) return false;
  const int32_t flag = file.ReadInt32();
  const int32_t nodeCheck = file.ReadInt32();
  if (flag != kNodeFlag) {
    SetLastReadError("Node标志错误");
    return false;
  }
  const std::string info = file.Read(kNodeInfoSize);
  node.name = DecodeSegmentName(info);

  node.storedLength = Int32At(info, kNodeInfoDataLengthOffset);
  node.data = node.storedLength > 0 ? file.Read(static_cast<uint64_t>(node.storedLength)) : std::string();

  // A node cut short by the end of the file is left as it is: its check-value
  // fields may not even exist, and nothing else of the file may be touched.
  node.cutShort = info.size() != kNodeInfoSize ||
                  node.data.size() != static_cast<size_t>(std::max(node.storedLength, 0));
  // Check values serve only the repair: a file that cannot be written (every
  // folder search's) is not worth a pass over all its bytes.
  if (node.cutShort || !file.Writable()) return true;
  const bool infoMatches = CheckValue(info) == nodeCheck;
  const bool dataMatches = CheckValue(node.data) == Int32At(info, kNodeInfoDataCheckOffset);
  if (!infoMatches || !dataMatches) RepairCheckValues(file, node);
  return true;
}

}  // namespace ec
