#include "tools/module_writer/module_writer.h"

#include <cstring>

#include "reader/check_value.h"
#include "reader/segment_node.h"

namespace ec::writer {
namespace {

template <typename Record, typename WriteBody>
std::string PageBlock(const std::vector<Record>& records, WriteBody writeBody) {
  std::vector<std::string> bodies;
  for (const auto& r : records) {
    ByteWriter body;
    writeBody(body, r);
    bodies.push_back(body.str());
  }
  ByteWriter block;
  for (const auto& r : records) block.Int32(r.key);
  int32_t offset = 0;
  for (const auto& body : bodies) {
    block.Int32(offset);
    offset += static_cast<int32_t>(body.size());
  }
  for (const auto& body : bodies) block.Bytes(body);
  return block.str();
}

void WriteVariableBody(ByteWriter& out, const VariableRecord& v) {
  out.Int32(v.leadingValue).Int32(v.typeCode).Int16(v.attributeWord);
  out.Byte(static_cast<uint8_t>(v.dimensions.size()));
  for (int32_t d : v.dimensions) out.Int32(d);
  out.ZeroText(v.name).ZeroText(v.remarks);
}

void WriteConstantValue(ByteWriter& out, int page, const ConstantValue& value) {
  using Kind = ConstantValue::Kind;
  if (page == 2 || page == 3) {
    out.Counted(value.bytes);
    return;
  }
  if (page != 1) return;
  switch (value.kind) {
    case Kind::Empty: out.Byte(22); break;
    case Kind::Number: out.Byte(23).Double(value.number); break;
    case Kind::Logical: out.Byte(24).Int32(value.logical ? 1 : 0); break;
    case Kind::DateTime: out.Byte(25).Double(value.number); break;
    case Kind::Text: out.Byte(26).Counted(value.bytes + '\0'); break;
    case Kind::Bytes: out.Byte(22); break;  // page-1 constants hold no byte data
  }
}

void WriteConstantBody(ByteWriter& out, const ConstantRecord& c) {
  out.Int32(c.leadingValue).Int16(c.attributeWord).ZeroText(c.name).ZeroText(c.remarks);
  WriteConstantValue(out, ConstantPageOf(c.key), c.value);
}

void WriteProgramHeader(ByteWriter& out, const ProgramHeader& h) {
  out.Int32(h.value1).Int32(h.value2).Counted(h.block3).Counted(h.block4).Counted(h.block5);
  out.Int16(static_cast<int16_t>(h.libraries.size()));
  for (const auto& library : h.libraries) out.Counted(library);
  out.Int32(h.headerFlags).Int32(h.value8);
  if (h.headerFlags & 1) {
    std::string block9 = h.block9;
    block9.resize(16, '\0');
    out.Bytes(block9);
  }
  out.Counted(h.block10).Counted(h.text11);
}

void WriteMemberKeys(ByteWriter& out, const std::vector<int32_t>& keys) {
  out.Int32(static_cast<int32_t>(keys.size() * 4));
  for (int32_t key : keys) out.Int32(key);
}

}  // namespace

std::string VariableBody(const VariableRecord& record) {
  ByteWriter out;
  WriteVariableBody(out, record);
  return out.str();
}

std::string ConstantBody(const ConstantRecord& record) {
  ByteWriter out;
  WriteConstantBody(out, record);
  return out.str();
}

std::string RecordPageBlock(const std::vector<int32_t>& keys, const std::vector<int32_t>& offsets,
                            std::string_view bodies) {
  ByteWriter block;
  for (int32_t key : keys) block.Int32(key);
  for (int32_t offset : offsets) block.Int32(offset);
  return block.Bytes(bodies).str();
}

std::string AliasedPageBlock(int32_t count, std::string_view body, int32_t firstKey) {
  std::vector<int32_t> keys(static_cast<size_t>(count));
  for (int32_t k = 0; k < count; ++k) keys[static_cast<size_t>(k)] = firstKey + k;
  return RecordPageBlock(keys, std::vector<int32_t>(keys.size(), 0), body);
}

std::string VariablePageBlock(const std::vector<VariableRecord>& records) {
  return PageBlock(records, WriteVariableBody);
}

void WriteVariablePage(ByteWriter& out, const std::vector<VariableRecord>& records) {
  out.Page(static_cast<int32_t>(records.size()), VariablePageBlock(records));
}

std::string ConstantPageBlock(const std::vector<ConstantRecord>& records) {
  return PageBlock(records, WriteConstantBody);
}

std::string ProgramSegmentBlock(const ProgramSegment& p) {
  ByteWriter out;
  WriteProgramHeader(out, p.header);
  WriteDeclarationIndex(out, p.classes);
  for (const auto& c : p.classes) {
    out.Int32(c.leadingValue).Int32(c.baseTypeCode).Counted(c.name).Counted(c.remarks);
    WriteMemberKeys(out, c.memberKeys);
    WriteVariablePage(out, c.variables);
  }
  WriteDeclarationIndex(out, p.subroutines);
  for (const auto& s : p.subroutines) {
    out.Int32(s.leadingValue).Int32(s.attributes).Int32(s.returnTypeCode).Counted(s.name).Counted(s.remarks);
    WriteVariablePage(out, s.leadingVariables);
    WriteVariablePage(out, s.parameters);
    for (const auto& block : s.trailingBlocks) out.Counted(block);
  }
  WriteVariablePage(out, p.globals);
  WriteDeclarationIndex(out, p.dataTypes);
  for (const auto& d : p.dataTypes) {
    out.Int32(d.leadingValue).Counted(d.name).Counted(d.remarks);
    WriteVariablePage(out, d.members);
  }
  WriteDeclarationIndex(out, p.dllCommands);
  for (const auto& d : p.dllCommands) {
    out.Int32(d.leadingValue).Int32(d.returnTypeCode).Counted(d.name).Counted(d.remarks);
    out.Counted(d.libraryFile).Counted(d.nameInLibrary);
    WriteVariablePage(out, d.parameters);
  }
  return out.str();
}

std::string ResourceSegmentBlock(const ResourceSegment& r) {
  ByteWriter out;
  WriteDeclarationIndex(out, r.windows);
  for (const auto& w : r.windows) {
    out.Int32(w.value1).Int32(w.value2).Counted(w.text1).Counted(w.text2);
    out.Int32(w.unitCount).Counted(std::string(static_cast<size_t>(w.unitCount) * 4, '\x5A'));
  }
  out.Page(static_cast<int32_t>(r.constants.size()), ConstantPageBlock(r.constants));
  out.Int32(r.trailingValue);
  return out.str();
}

std::string UserInfoBlock(const UserInfoRecord& info) {
  ByteWriter out;
  out.Counted(info.name).Counted(info.remarks).Counted(info.author);
  for (const auto& text : info.infoTexts) out.Counted(text);
  out.Int32(info.versionMajor).Int32(info.versionMinor);
  return out.str();
}

std::string SystemInfoBlock(const SystemInfoRecord& info) {
  ByteWriter out;
  out.Int16(info.systemVersionMajor).Int16(info.systemVersionMinor);
  for (int32_t v : info.values) out.Int32(v);
  return out.str();
}

SegmentToWrite Segment(std::string_view utf8Name, std::string data) {
  SegmentToWrite segment;
  segment.name = Utf8ToGbk(utf8Name);
  segment.data = std::move(data);
  return segment;
}

std::string NodeBytes(const SegmentToWrite& s) {
  std::string info(kNodeInfoSize, '\0');
  std::memcpy(info.data(), s.nameKey.data(), 4);
  const bool plain = s.nameKey == kPlainKey;
  for (size_t i = 0; i < kNodeNameSize && i < s.name.size(); ++i) {
    const char key = plain ? '\0' : static_cast<char>(s.nameKey[(i + 1) % 4]);
    info[kNodeInfoNameOffset + i] = static_cast<char>(s.name[i] ^ key);
  }
  if (!plain)  // the zero padding is stored encoded too
    for (size_t i = s.name.size(); i < kNodeNameSize; ++i)
      info[kNodeInfoNameOffset + i] = static_cast<char>(s.nameKey[(i + 1) % 4]);
  const int32_t dataCheck = CheckValue(s.data) ^ (s.wrongDataCheck ? 0x5A5A : 0);
  const int32_t length = s.storedLength.value_or(static_cast<int32_t>(s.data.size()));
  std::memcpy(info.data() + kNodeInfoDataCheckOffset, &dataCheck, 4);
  std::memcpy(info.data() + kNodeInfoDataLengthOffset, &length, 4);
  const int32_t nodeCheck = CheckValue(info) ^ (s.wrongNodeCheck ? 0x3C3C : 0);
  ByteWriter out;
  out.Int32(s.nodeFlag.value_or(kNodeFlag)).Int32(nodeCheck).Bytes(info).Bytes(s.data);
  return out.str();
}

ModuleWriter& ModuleWriter::Add(SegmentToWrite segment) {
  segments_.push_back(std::move(segment));
  return *this;
}

ModuleWriter& ModuleWriter::AddAll(const ModuleSegments& s) {
  if (s.systemInfo) Add(Segment("系统信息段", SystemInfoBlock(*s.systemInfo)));
  if (s.userInfo) Add(Segment("用户信息段", UserInfoBlock(*s.userInfo)));
  if (s.program) Add(Segment("程序段", ProgramSegmentBlock(*s.program)));
  if (s.resources) Add(Segment("程序资源段", ResourceSegmentBlock(*s.resources)));
  for (const auto& [name, slot] : kPlaceholderSegments)
    if ((s.*slot).has_value()) Add(Segment(name, std::string(8, '\0')));
  return *this;
}

ModuleWriter& ModuleWriter::WithoutEndNode() {
  endNode_ = false;
  return *this;
}

std::string ModuleWriter::Build(bool passwordProtected) const {
  ByteWriter out;
  if (passwordProtected) out.Int32(kProtectedFlag).Bytes(std::string(36, '\x11'));
  out.Int32(kHeaderFlag1).Int32(kHeaderFlag2);
  for (const auto& segment : segments_) out.Bytes(NodeBytes(segment));
  if (endNode_) out.Bytes(NodeBytes(Segment("", "")));
  return out.str();
}

std::string BuildModule(const ModuleSegments& segments) { return ModuleWriter().AddAll(segments).Build(); }

}  // namespace ec::writer
