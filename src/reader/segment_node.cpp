#include "reader/segment_node.h"

#include <cstring>

#include "reader/check_value.h"

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

NodeRepair RepairCheckValues(ModuleFile& file, uint64_t start, size_t dataLength, ReadReport* report) {
  NodeRepair result;
  const uint64_t resume = file.Position();
  const uint64_t infoStart = start + kNodeHeaderSize;
  file.Seek(infoStart + kNodeInfoSize);
  const std::string data = file.Read(dataLength);
  result.dataFailed = !WriteInt32At(file, infoStart + kNodeInfoDataCheckOffset, CheckValue(data));
  if (result.dataFailed) NoteReadFailure(report, "修正失败[数据]");
  file.Seek(infoStart);
  const std::string info = file.Read(kNodeInfoSize);
  result.headerFailed = !WriteInt32At(file, start + 4, CheckValue(info));
  if (result.headerFailed) NoteReadFailure(report, "修正失败[头]");
  result.repaired = !result.dataFailed && !result.headerFailed;
  file.Seek(resume);
  return result;
}

bool ReadSegmentNode(ModuleFile& file, SegmentNode& node, ReadReport* report) {
  const uint64_t start = file.Position();
  node = SegmentNode{.start = start};
  if (start >= file.Size()) return false;
  const int32_t flag = file.ReadInt32();
  const int32_t nodeCheck = file.ReadInt32();
  if (flag != kNodeFlag) {
    NoteReadFailure(report, "Node标志错误");
    return false;
  }
  const std::string info = file.Read(kNodeInfoSize);
  node.name = DecodeSegmentName(info);

  node.storedLength = Int32At(info, kNodeInfoDataLengthOffset);
  node.data = node.storedLength > 0 ? file.Read(static_cast<uint64_t>(node.storedLength)) : std::string();

  node.cutShort = info.size() != kNodeInfoSize ||
                  node.data.size() != static_cast<size_t>(std::max(node.storedLength, 0));
  // A node cut short is reported as cut; whether its (partly missing) check
  // values match says nothing more. Every other node's values are checked,
  // also where nothing will be repaired: a mismatch is damage to report.
  if (node.cutShort) return true;
  const bool infoMatches = CheckValue(info) == nodeCheck;
  const bool dataMatches = CheckValue(node.data) == Int32At(info, kNodeInfoDataCheckOffset);
  node.checkMismatch = !infoMatches || !dataMatches;
  return true;
}

}  // namespace ec
