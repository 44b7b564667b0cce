// What the reader reports about damaged modules: cuts, wrong node flags, the
// segments' own messages, repairs and rejections.
#include "reader/read_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reader/last_read_error.h"
#include "reader/module_file_reader.h"
#include "support/file_bytes.h"
#include "tests/support/corpus.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using Kind = ReadProblem::Kind;
using writer::ByteWriter;
using writer::G;
using writer::ModuleWriter;
using writer::Segment;

class Report : public ::testing::Test {
 protected:
  ReadReport Read(const std::string& bytes, ReaderOptions options = {.readOnly = true}) {
    const std::string path = dir_.File("m.ec");
    WriteFileBytes(path, bytes);
    return ReadPath(path, options);
  }
  ReadReport ReadPath(const std::string& path, ReaderOptions options = {.readOnly = true}) {
    ModuleSegments segments;
    ReadReport report;
    report.repairedSegments = 99;  // replaced, not added to
    ReadModuleFile(path, options, segments, &report);
    return report;
  }
  test::TempDir dir_;
};

TEST_F(Report, IntactModulesAreCompleteWhateverTheirSegments) {
  const ModuleSegments small = writer::LargeModuleSegments({.programSets = 2, .subroutinesPerSet = 3});
  const std::string withUnknown = ModuleWriter().AddAll(small).Add(Segment("易模块记录段2", "x")).Build();
  for (const std::string& bytes : {writer::BuildModule(small), withUnknown}) {
    const ReadReport report = Read(bytes);
    EXPECT_TRUE(report.Complete());
    EXPECT_EQ(report.repairedSegments, 0);
  }
  EC_SKIP_WITHOUT_CORPUS();
  for (const auto& entry : std::filesystem::directory_iterator(test::CorpusDir())) {
    if (entry.path().extension() != ".md") {
      EXPECT_TRUE(ReadPath(entry.path().string()).Complete()) << entry.path();
    }
  }
}

TEST_F(Report, AModuleCutAnywhereSaysWhere) {
  const std::string whole = writer::BuildModule(writer::LargeModuleSegments({.programSets = 2}));
  const std::string program = G("程序段");
  // At the end of a node (no end node), inside a node's flag, its info, its data.
  const size_t programData = whole.find(writer::ProgramSegmentBlock(*writer::LargeModuleSegments({.programSets = 2}).program));
  ASSERT_NE(programData, std::string::npos);
  for (const size_t cut : {size_t{8}, programData - 100, programData - 97, programData - 50, programData + 1000,
                           whole.size() - 100, whole.size() - 3}) {
    const ReadReport report = Read(whole.substr(0, cut));
    // A cut inside the program segment's data also ends it inside a list or index.
    ASSERT_EQ(report.problems.size() > 1, cut == programData + 1000) << cut;
    const ReadProblem& p = report.problems[0];
    EXPECT_EQ(p.kind, Kind::Truncated) << cut;
    EXPECT_EQ(p.offset, cut);
    if (cut == programData + 1000) {
      EXPECT_EQ(p.segment, program);
      EXPECT_EQ(p.present, 1000);
      EXPECT_GT(p.claimed, 1000);
      EXPECT_TRUE(report.problems[1].kind == Kind::ListCut || report.problems[1].kind == Kind::CountClamped);
      EXPECT_EQ(report.problems[1].segment, program);
    }
  }
  // A data block that claims more than the file holds is the same cut.
  auto longer = Segment("用户信息段", writer::UserInfoBlock({.name = G("模块")}));
  longer.storedLength = 5000;
  const ReadReport report = Read(ModuleWriter().Add(longer).Build());
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0].segment, G("用户信息段"));
  EXPECT_EQ(report.problems[0].claimed, 5000);
}

TEST_F(Report, AWrongNodeFlagEndsTheWalkAtItsOffset) {
  auto bad = Segment("辅助信息段1", "x");
  bad.nodeFlag = 0x12345678;
  const ReadReport report = Read(ModuleWriter().Add(Segment("初始模块段", "12")).Add(bad).Build());
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0].kind, Kind::WrongNodeFlag);
  EXPECT_EQ(report.problems[0].offset, 8u + 102u);
  EXPECT_EQ(report.problems[0].message, "Node标志错误");
}

TEST_F(Report, SegmentMessagesAreCountedPerSegmentAndCapped) {
  ByteWriter user;  // two negative lengths, then the rest as zeros
  user.Int32(-1).Int32(-2);
  std::vector<ConstantRecord> constants;
  for (int type = 30; type < 60; ++type) {  // thirty unknown value types
    ConstantRecord c;
    c.key = 0x10000001 + type;
    c.name = "c";
    constants.push_back(c);
  }
  std::string page = writer::ConstantPageBlock(constants);
  // Each body ends with its value-type byte 22; make it 30 .. 59.
  for (size_t k = 0, at = page.find('\x16', 8 * constants.size()); k < constants.size();
       ++k, at = page.find('\x16', at + 1))
    page[at] = static_cast<char>(30 + k);
  const std::string resources = ByteWriter().Int32(0).Page(static_cast<int32_t>(constants.size()), page).Int32(0).str();
  SetLastReadError("");
  const ReadReport report = Read(ModuleWriter().Add(Segment("用户信息段", user.str())).Add(Segment("程序资源段", resources)).Build());
  ASSERT_EQ(report.problems.size(), ReadReport::kMaxProblems);
  EXPECT_EQ(report.problems[0], (ReadProblem{.kind = Kind::NegativeLength, .segment = G("用户信息段"),
                                             .message = "Read Data Error", .count = 2}));
  EXPECT_EQ(report.problems[1].kind, Kind::UnknownConstantType);
  EXPECT_EQ(report.problems[1].segment, G("程序资源段"));
  EXPECT_EQ(report.problems[1].message, "未知常量类型[30]");
  EXPECT_EQ(report.unlistedProblems, 30 - static_cast<int64_t>(ReadReport::kMaxProblems - 1));
  EXPECT_EQ(LastReadError(), "未知常量类型[59]");
}

TEST_F(Report, RepairsAreCountedAndRejectionsNamed) {
  auto bad = Segment("初始模块段", "abcd");
  bad.wrongDataCheck = true;
  const std::string path = dir_.File("r.ec");
  WriteFileBytes(path, ModuleWriter().Add(bad).Add(Segment("辅助信息段1", "")).Build());
  EXPECT_EQ(ReadPath(path).repairedSegments, 0);  // read-only: nothing written
  const ReadReport repaired = ReadPath(path, {});
  EXPECT_EQ(repaired.repairedSegments, 1);
  EXPECT_TRUE(repaired.Complete());
  EXPECT_EQ(ReadPath(path, {}).repairedSegments, 0);

  EXPECT_EQ(Read("").rejected, RejectReason::HeaderFlag1);
  EXPECT_EQ(Read("CNWTEPRX").rejected, RejectReason::HeaderFlag2);
  EXPECT_EQ(Read("WTLE" + std::string(36, '\0') + "CNWTxxxx").rejected, RejectReason::Protected);
  const ReadReport missing = ReadPath(dir_.File("missing.ec"));
  EXPECT_EQ(missing.rejected, RejectReason::CannotOpen);
  EXPECT_FALSE(missing.Complete());
}

}  // namespace
}  // namespace ec
