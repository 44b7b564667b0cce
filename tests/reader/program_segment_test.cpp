#include "reader/program_segment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "reader/last_read_error.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using writer::ByteWriter;
using writer::G;

VariableRecord Var(int32_t key, std::string name, int32_t type, int16_t attributes = 0,
                   std::vector<int32_t> dimensions = {}) {
  VariableRecord v;
  v.key = key;
  v.typeCode = type;
  v.attributeWord = attributes;
  v.dimensionCount = static_cast<uint8_t>(dimensions.size());
  v.dimensions = std::move(dimensions);
  v.name = std::move(name);
  v.remarks = G("备注") + v.name;
  return v;
}

ProgramSegment FullProgram() {
  ProgramSegment p;
  p.header.libraries = {G("krnln\r{d09f2340}\r4\r1\r系统核心支持库"), G("shell\rx\r1\r0\r操作系统界面功能支持库")};
  p.header.headerFlags = 1;
  p.header.block9 = std::string(16, '\x09');
  p.header.text11 = G("尾");
  ClassRecord set;
  set.entry = {0x09000001, 3};
  set.name = G("程序集1");
  set.memberKeys = {0x04000001, 0x04000002};
  set.variables = {Var(0x15000001, G("局部"), 0x80000005)};
  p.classes = {set};
  SubroutineRecord sub;
  sub.entry = {0x04000001, 0};
  sub.attributes = SubroutineRecord::kPublic;
  sub.returnTypeCode = 0x80000301;
  sub.name = G("取文本");
  sub.parameters = {Var(0x25000001, G("参数一"), 0x80000004, 6), Var(0x25000002, G("表"), 0x80000101, 8, {2, 3})};
  sub.trailingBlocks = {"a", "bb", "", "cccc", "d", "ee"};
  SubroutineRecord sub2 = sub;
  sub2.entry.key = 0x04000002;
  sub2.name = G("第二");
  sub2.parameters.clear();
  p.subroutines = {sub, sub2};
  p.globals = {Var(0x05000001, G("全局"), 0x80000002, 0, {7})};
  DataTypeRecord type;
  type.entry = {0x41000001, 0};
  type.name = G("坐标");
  type.members = {Var(0x45000001, "x", 0x80000301), Var(0x45000002, "y", 0x80000301)};
  p.dataTypes = {type};
  DllCommandRecord dll;
  dll.entry = {0x0A000001, 0};
  dll.returnTypeCode = 0x80000301;
  dll.name = G("信息框");
  dll.libraryFile = "user32.dll";
  dll.nameInLibrary = "MessageBoxA";
  dll.parameters = {Var(0x35000001, "hWnd", 0x80000301)};
  p.dllCommands = {dll};
  return p;
}

void ExpectSameVariables(const std::vector<VariableRecord>& a, const std::vector<VariableRecord>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].key, b[i].key);
    EXPECT_EQ(a[i].typeCode, b[i].typeCode);
    EXPECT_EQ(a[i].attributeWord, b[i].attributeWord);
    EXPECT_EQ(a[i].dimensions, b[i].dimensions);
    EXPECT_EQ(a[i].name, b[i].name);
    EXPECT_EQ(a[i].remarks, b[i].remarks);
  }
}

TEST(ProgramSegment, EveryListReadsBackAsWritten) {
  const ProgramSegment p = FullProgram();
  const ProgramSegment r = ReadProgramSegment(writer::ProgramSegmentBlock(p), {});
  EXPECT_EQ(r.header.libraries, p.header.libraries);
  EXPECT_EQ(r.header.block9, p.header.block9);
  EXPECT_EQ(r.header.text11, p.header.text11);
  ASSERT_EQ(r.classes.size(), 1u);
  EXPECT_EQ(r.classes[0].entry, p.classes[0].entry);
  EXPECT_EQ(r.classes[0].name, p.classes[0].name);
  EXPECT_EQ(r.classes[0].memberKeys, p.classes[0].memberKeys);
  ExpectSameVariables(r.classes[0].variables, p.classes[0].variables);
  ASSERT_EQ(r.subroutines.size(), 2u);
  EXPECT_EQ(r.subroutines[0].name, G("取文本"));
  EXPECT_EQ(r.subroutines[0].attributes, SubroutineRecord::kPublic);
  EXPECT_EQ(r.subroutines[0].returnTypeCode, 0x80000301);
  EXPECT_EQ(r.subroutines[0].trailingBlocks, p.subroutines[0].trailingBlocks);
  ExpectSameVariables(r.subroutines[0].parameters, p.subroutines[0].parameters);
  EXPECT_EQ(r.subroutines[1].entry.key, 0x04000002);
  ExpectSameVariables(r.globals, p.globals);
  ASSERT_EQ(r.dataTypes.size(), 1u);
  ExpectSameVariables(r.dataTypes[0].members, p.dataTypes[0].members);
  ASSERT_EQ(r.dllCommands.size(), 1u);
  EXPECT_EQ(r.dllCommands[0].libraryFile, "user32.dll");
  EXPECT_EQ(r.dllCommands[0].nameInLibrary, "MessageBoxA");
  ExpectSameVariables(r.dllCommands[0].parameters, p.dllCommands[0].parameters);
}

TEST(ProgramSegment, ReaderOptions) {
  const std::string block = writer::ProgramSegmentBlock(FullProgram());
  // Skipping the trailing blocks changes nothing else.
  const ProgramSegment skipped = ReadProgramSegment(block, {.skipSubroutineBlocks = true});
  const ProgramSegment full = ReadProgramSegment(block, {});
  EXPECT_EQ(skipped.subroutines[0].trailingBlocks, (std::array<std::string, 6>{}));
  EXPECT_EQ(skipped.subroutines[1].name, full.subroutines[1].name);
  ExpectSameVariables(skipped.globals, full.globals);
  EXPECT_EQ(skipped.dllCommands[0].name, full.dllCommands[0].name);

  // The header alone is read even when the class index after it is damage.
  ProgramSegment headerOnly;
  headerOnly.header.libraries = {G("库")};
  // After the header, a class index claiming 2^31 bytes.
  ByteWriter header;
  header.Int32(0).Int32(0).Counted("").Counted("").Counted("").Int16(1).Counted(G("库")).Int32(0).Int32(0).Counted("").Counted("");
  const std::string withDamage = header.str() + ByteWriter().Int32(0x7FFFFFF0).Int32(1).str();
  const ProgramSegment h = ReadProgramSegment(withDamage, {.programHeaderOnly = true});
  EXPECT_EQ(h.header.libraries, headerOnly.header.libraries);
  EXPECT_TRUE(h.classes.empty());
}

TEST(ProgramSegment, HeaderWithoutOptionalBlockAndEmptyLibraries) {
  ProgramSegment p;
  p.header.headerFlags = 2;  // bit 1 clear: no 16-byte block
  p.header.text11 = "end";
  const ProgramSegment r = ReadProgramSegment(writer::ProgramSegmentBlock(p), {});
  EXPECT_TRUE(r.header.libraries.empty());
  EXPECT_EQ(r.header.headerFlags, 2);
  EXPECT_EQ(r.header.block9, "");
  EXPECT_EQ(r.header.text11, "end");
}

// A class body written by hand: member-key byte lengths that are not a
// multiple of four, and a damaged page count.
TEST(ProgramSegment, MemberKeysAndSurplusBytes) {
  ByteWriter w;
  w.Int32(0).Int32(0).Counted("").Counted("").Counted("").Int16(0).Int32(0).Int32(0).Counted("").Counted("");
  w.Int32(8).Int32(0x09000001).Int32(0);  // one class
  w.Int32(0).Int32(0).Counted(G("集")).Counted("");
  w.Int32(10).Int32(11).Int32(22).Int32(33);  // byte length 10: two keys; the third value is the page count
  w.Counted("");                               // page block of the (damaged) count 33
  const ProgramSegment r = ReadProgramSegment(w.str(), {});
  ASSERT_EQ(r.classes.size(), 1u);
  EXPECT_EQ(r.classes[0].memberKeys, (std::vector<int32_t>{11, 22}));
  EXPECT_TRUE(r.classes[0].variables.empty());  // 33 records cannot fit an empty block
}

TEST(VariablePage, BodiesAreReadFromTheirOwnPositions) {
  const std::vector<VariableRecord> vars = {Var(1, "a", 0x80000101, 8, {2, 3}), Var(2, "b", 0x80000004, 6),
                                            Var(3, "c", 0x80000002)};
  std::string block = writer::VariablePageBlock(vars);
  // Point the second record's offset far outside the block.
  const int32_t outside = 100000;
  std::memcpy(block.data() + 12 + 4, &outside, 4);
  const auto r = ReadVariablePage(3, block);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].dimensions, (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(r[0].dimensionCount, 2);
  EXPECT_EQ(r[1].name, "");  // outside the block: zeros and empty texts
  EXPECT_EQ(r[1].typeCode, 0);
  EXPECT_EQ(r[2].name, "c");
  EXPECT_EQ(r[2].attributeWord, 0);
  EXPECT_TRUE(r[2].dimensions.empty());
  EXPECT_TRUE(ReadVariablePage(0, block).empty());
}

// Subroutines left in the segment's bytes read, one at a time, exactly as a
// full read has them, also in damaged segments, and give their messages once.
TEST(ProgramSegment, SubroutinesLeftInPlaceReadAsStored) {
  const std::string whole = writer::ProgramSegmentBlock(FullProgram());
  std::string negative = whole;  // the second subroutine's name length below zero
  const size_t second = negative.find(G("第二")) - 4;
  negative.replace(second, 4, "\xF0\xFF\xFF\xFF");
  std::vector<std::string> blocks = {whole, negative};
  for (size_t cut = 0; cut < whole.size(); cut += 5) blocks.push_back(whole.substr(0, cut));
  for (const std::string& block : blocks) {
    for (const bool skip : {false, true}) {
      const ReaderOptions options{.skipSubroutineBlocks = skip, .subroutinesInPlace = true};
      SetLastReadError("");
      const ProgramSegment full = ReadProgramSegment(std::string_view(block), options);
      const std::string fullError = LastReadError();
      if (&block == &blocks[1]) {
        // The bytes after the negative length are then read out of step;
        // the message the reader met last may come from a later page.
        ReadReport report;
        ReadProgramSegment(std::string_view(block), options, &report);
        EXPECT_TRUE(std::ranges::any_of(report.problems, [](const ReadProblem& p) {
          return p.kind == ReadProblem::Kind::NegativeLength && p.message == "Read Data Error";
        }));
      }
      SetLastReadError("");
      const ProgramSegment inPlace = ReadProgramSegment(std::make_shared<const std::string>(block), options);
      EXPECT_EQ(LastReadError(), fullError);
      EXPECT_TRUE(inPlace.subroutines.empty());
      std::vector<SubroutineRecord> streamed;
      ForEachSubroutine(inPlace, [&](const SubroutineRecord& r) { streamed.push_back(r); });
      EXPECT_EQ(LastReadError(), fullError);
      ASSERT_EQ(streamed, full.subroutines) << block.size();
      EXPECT_EQ(SubroutineEntries(inPlace).size(), full.subroutines.size());
      EXPECT_EQ(inPlace.globals, full.globals);
      EXPECT_EQ(inPlace.dllCommands.size(), full.dllCommands.size());
    }
  }
}

TEST(ProgramSegment, TruncatedAnywhereStaysInside) {
  const std::string block = writer::ProgramSegmentBlock(FullProgram());
  for (size_t cut = 0; cut < block.size(); ++cut) {
    const ProgramSegment r = ReadProgramSegment(std::string_view(block).substr(0, cut), {});
    ASSERT_LE(r.subroutines.size(), 2u);
    ASSERT_LE(r.dllCommands.size(), 1u);
  }
}

}  // namespace
}  // namespace ec
