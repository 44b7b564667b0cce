#include "reader/module_file_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "reader/last_read_error.h"
#include "support/file_bytes.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using writer::G;
using writer::ModuleWriter;
using writer::Segment;

class ReadModule : public ::testing::Test {
 protected:
  bool Read(const std::string& bytes, ModuleSegments& segments, ReaderOptions options = {}) {
    const std::string path = dir_.File("m.ec");
    WriteFileBytes(path, bytes);
    return ReadModuleFile(path, options, segments);
  }
  test::TempDir dir_;
};

TEST_F(ReadModule, HeaderOnlyFileFillsNothing) {
  SetLastReadError("earlier");
  ModuleSegments segments;
  EXPECT_TRUE(Read(ModuleWriter().Build(), segments));
  EXPECT_FALSE(segments.program || segments.userInfo || segments.initialModules);
  EXPECT_EQ(LastReadError(), "earlier");
  // A text past the kept kilobyte keeps whole characters: 341 of "错" (3 bytes each).
  std::string longText;
  for (int i = 0; i < 400; ++i) longText += "错";
  SetLastReadError(longText);
  EXPECT_EQ(LastReadError(), longText.substr(0, 341 * 3));
}

TEST_F(ReadModule, HeaderFailures) {
  ModuleSegments segments;
  EXPECT_FALSE(Read("", segments));
  EXPECT_EQ(LastReadError(), "头标志1错误");
  EXPECT_FALSE(Read("CNWT", segments));
  EXPECT_EQ(LastReadError(), "头标志2错误");
  EXPECT_FALSE(Read("CNWTEPRX", segments));
  EXPECT_EQ(LastReadError(), "头标志2错误");
  EXPECT_FALSE(Read("XNWTEPRG", segments));
  EXPECT_EQ(LastReadError(), "头标志1错误");
  // A protected module: flags read from offset 40, where the encoded bytes are.
  std::string locked = "WTLE" + std::string(36, '\0') + "garbage!";
  EXPECT_FALSE(Read(locked, segments));
  EXPECT_EQ(LastReadError(), "密码错误或头标志1错误");
  locked = "WTLE" + std::string(36, '\0') + "CNWTxxxx";
  EXPECT_FALSE(Read(locked, segments));
  EXPECT_EQ(LastReadError(), "密码错误或头标志2错误");
  // A protected container that happens to hold plain flags is read from there.
  EXPECT_TRUE(Read(ModuleWriter().Add(Segment("初始模块段", "")).Build(true), segments));
  EXPECT_TRUE(segments.initialModules);
  EXPECT_FALSE(ReadModuleFile(dir_.File("missing.ec"), {}, segments));
  EXPECT_EQ(LastReadError(), "打开文件失败");
  EXPECT_FALSE(ReadModuleFile(dir_.path().string(), {}, segments));  // a folder
  EXPECT_EQ(LastReadError(), "打开文件失败");
}

TEST_F(ReadModule, UnknownSegmentsAreSkippedAndEmptyNamesEndTheWalk) {
  SetLastReadError("");
  ModuleSegments segments;
  const std::string bytes = ModuleWriter()
                                .Add(Segment("初始模块段", ""))
                                .Add(Segment("易包信息段1", "whatever"))
                                .Add(Segment("辅助信息段1", ""))
                                .Add(Segment("", ""))
                                .Add(Segment("辅助信息段2", ""))
                                .Build();
  EXPECT_TRUE(Read(bytes, segments));
  EXPECT_EQ(LastReadError(), "未知段[易包信息段1]");
  EXPECT_TRUE(segments.initialModules && segments.auxInfo1);
  EXPECT_FALSE(segments.auxInfo2);
}

TEST_F(ReadModule, NamesMatchExactly) {
  SetLastReadError("");
  ModuleSegments segments;
  EXPECT_TRUE(Read(ModuleWriter().Add(Segment("程序段 ", "")).Build(), segments));
  EXPECT_FALSE(segments.program);
  EXPECT_EQ(LastReadError(), "未知段[程序段 ]");
}

TEST_F(ReadModule, LaterSegmentOfTheSameNameWins) {
  ProgramSegment first, second;
  first.header.libraries = {G("第一")};
  second.header.libraries = {G("第二"), G("第三")};
  const std::string bytes = ModuleWriter()
                                .Add(Segment("程序段", writer::ProgramSegmentBlock(first)))
                                .Add(Segment("程序段", writer::ProgramSegmentBlock(second)))
                                .Build();
  ModuleSegments segments;
  ASSERT_TRUE(Read(bytes, segments));
  EXPECT_EQ(segments.program->header.libraries, second.header.libraries);
}

TEST_F(ReadModule, SlotsTheFileDoesNotFillKeepTheCallersRecord) {
  ModuleSegments segments;
  segments.userInfo = UserInfoRecord{.name = "kept"};
  ASSERT_TRUE(Read(ModuleWriter().Add(Segment("初始模块段", "")).Build(), segments));
  EXPECT_EQ(segments.userInfo->name, "kept");
}

// A module whose mode denies writing is read all the same and never written,
// also when the program runs as root (which may open any file for writing).
TEST_F(ReadModule, ReadOnlyFileIsReadWithoutRepair) {
  auto bad = Segment("初始模块段", "abcd");
  bad.wrongDataCheck = true;
  const std::string bytes = ModuleWriter().Add(bad).Build();
  const std::string path = dir_.File("ro.ec");
  WriteFileBytes(path, bytes);
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  SetLastReadError("");
  ModuleSegments segments;
  ReadReport report;
  EXPECT_TRUE(ReadModuleFile(path, {}, segments, &report));
  EXPECT_TRUE(segments.initialModules);
  EXPECT_EQ(report.repairedSegments, 0);
  EXPECT_FALSE(report.ChecksMatch());
  EXPECT_EQ(LastReadError(), "");
  EXPECT_EQ(ReadFileBytes(path), bytes);
  // Nor does the repair the viewer asks for after a whole read.
  RepairMismatchedNodes(path, report);
  EXPECT_EQ(report.repairedSegments, 0);
  EXPECT_EQ(ReadFileBytes(path), bytes);
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  ReadModuleFile(path, {}, segments, &report);
  EXPECT_EQ(report.repairedSegments, 1);  // writable again: repaired
}

}  // namespace
}  // namespace ec
