#pragma once
// Builds module files byte by byte from the reader's own record types, with
// deliberate damage where a test asks for it. Tests, the sample generator,
// the fuzzers' seeds and the benchmarks all make their modules here.
//
// Texts in records are GBK bytes, as the reader keeps them; G() converts the
// UTF-8 literals of a test.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reader/module_file_reader.h"
#include "support/gbk_codec.h"
#include "tools/module_writer/byte_writer.h"

namespace ec::writer {

inline std::string G(std::string_view utf8) { return Utf8ToGbk(utf8); }

// ---- segment contents --------------------------------------------------------
// Record pages lay their bodies back to back in key order; the records'
// bodyPosition fields are ignored and recomputed.
std::string VariablePageBlock(const std::vector<VariableRecord>& records);
void WriteVariablePage(ByteWriter& out, const std::vector<VariableRecord>& records);
std::string ConstantPageBlock(const std::vector<ConstantRecord>& records);
// The body of one record as a page stores it.
std::string VariableBody(const VariableRecord& record);
std::string ConstantBody(const ConstantRecord& record);
// A page block with the keys and offsets given, followed by `bodies`: for
// damaged pages whose offsets do not follow their bodies.
std::string RecordPageBlock(const std::vector<int32_t>& keys, const std::vector<int32_t>& offsets,
                            std::string_view bodies);
// `count` records (keys firstKey, firstKey + 1 ...) whose offsets all point at one body.
std::string AliasedPageBlock(int32_t count, std::string_view body, int32_t firstKey = 1);
// The declaration index for records that carry an `entry`.
template <typename Record>
void WriteDeclarationIndex(ByteWriter& out, const std::vector<Record>& records) {
  out.Int32(static_cast<int32_t>(records.size() * 8));
  for (const auto& r : records) out.Int32(r.entry.key);
  for (const auto& r : records) out.Int32(r.entry.auxValue);
}

std::string ProgramSegmentBlock(const ProgramSegment& program);
std::string ResourceSegmentBlock(const ResourceSegment& resources);
std::string UserInfoBlock(const UserInfoRecord& info);
std::string SystemInfoBlock(const SystemInfoRecord& info);

// ---- the container -----------------------------------------------------------
inline constexpr std::array<uint8_t, 4> kPlainKey = {0x19, 0x73, 0x00, 0x07};

struct SegmentToWrite {
  std::string name;  // GBK bytes (at most 30 are stored)
  std::string data;
  std::array<uint8_t, 4> nameKey = kPlainKey;
  bool wrongNodeCheck = false;
  bool wrongDataCheck = false;
  std::optional<int32_t> storedLength;  // a data length other than data.size()
  std::optional<int32_t> nodeFlag;      // a node flag other than the right one
};

// A segment named by a UTF-8 text.
SegmentToWrite Segment(std::string_view utf8Name, std::string data);

// The bytes of one node: header, node info, data block.
std::string NodeBytes(const SegmentToWrite& segment);

class ModuleWriter {
 public:
  ModuleWriter& Add(SegmentToWrite segment);
  // Adds every filled slot of `segments` in the order a module stores them.
  ModuleWriter& AddAll(const ModuleSegments& segments);
  // Leaves out the node with an empty name that ends every intact module.
  ModuleWriter& WithoutEndNode();
  // The header flags, all nodes and the end node. A protected module puts
  // "WTLE" and 36 filler bytes in front of the container.
  std::string Build(bool passwordProtected = false) const;

 private:
  std::vector<SegmentToWrite> segments_;
  bool endNode_ = true;
};

// A module holding `segments` as a correct file.
std::string BuildModule(const ModuleSegments& segments);

}  // namespace ec::writer
