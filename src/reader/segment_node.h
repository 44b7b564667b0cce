#pragma once
// One segment node of a module file: an 8-byte node header (flag and node
// check value), 92 bytes of node info naming the segment, then the data block.

#include <cstdint>
#include <string>

#include "reader/module_file.h"
#include "reader/read_report.h"

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
  bool checkMismatch = false;  // a stored check value (node or data) does not match its bytes
};

// What rewriting a node's check values achieved.
struct NodeRepair {
  bool repaired = false;
  bool dataFailed = false;    // "修正失败[数据]"
  bool headerFailed = false;  // "修正失败[头]"
};

// Decodes the 30 stored name bytes with the 4-byte name key; the name ends at
// the first zero byte.
std::string DecodeSegmentName(const std::string& nodeInfo);

// Reads the node at the file's position and leaves the position after its
// data block; a check value that does not match is noted, not rewritten.
// False at the end of the file and for a wrong node flag ("Node标志错误"),
// also when the file ends inside the flag.
bool ReadSegmentNode(ModuleFile& file, SegmentNode& node, ReadReport* report = nullptr);

// Rewrites both check values of the whole node at `start` with `dataLength`
// bytes of data, the data check first so that the node check then covers it.
// The file position is kept.
NodeRepair RepairCheckValues(ModuleFile& file, uint64_t start, size_t dataLength, ReadReport* report = nullptr);

}  // namespace ec
