#pragma once
// One segment node of a module file: an 8-byte node header (flag and node
// check value), 92 bytes of node info naming the segment, then the data block.

#include <cstdint>
#include <string>

#include "reader/module_file.h"

namespace ec {

constexpr int32_t kNodeFlag = 0x15117319;
constexpr size_t kNodeHeaderSize = 8;
constexpr size_t kNodeInfoSize = 92;
constexpr size_t kNodeNameSize = 30;
// Node info offsets.
constexpr size_t kNodeInfoNameOffset = 4;
constexpr size_t kNodeInfoDataCheckOffset = 44;
constexpr size_t kNodeInfoDataLengthOffset = 48;
// The name key that leaves the stored name as it is.
constexpr char kPlainNameKey[4] = {0x19, 0x73, 0x00, 0x07};

struct SegmentNode {
  std::string name;  // GBK bytes, decoded from the node info
  std::string data;
  uint64_t start = 0;        // file offset of the node
  int32_t storedLength = 0;  // the data length the node info claims
  bool cutShort = false;     // the file ends inside the node (info or data)
  // Check values rewritten in the file, and the writes that failed.
  bool repaired = false;
  bool dataRepairFailed = false;    // "修正失败[数据]"
  bool headerRepairFailed = false;  // "修正失败[头]"
};

// Decodes the 30 stored name bytes with the 4-byte name key; the name ends at
// the first zero byte.
std::string DecodeSegmentName(const std::string& nodeInfo);

// Reads the node at the file's position and leaves the position after its
// data block. Check values that do not match the stored bytes are rewritten in
// the file when it is writable and the node is whole. False at the end of the
// file and for a wrong node flag ("Node标志错误"), also when the file ends
// inside the flag.
bool ReadSegmentNode(ModuleFile& file, SegmentNode& node);

}  // namespace ec
