// Files that lie about their counts and lengths: reading them costs memory in
// proportion to their size, never to what they claim.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/module_analysis.h"
#include "reader/module_file_reader.h"
#include "support/file_bytes.h"
#include "tools/module_writer/aliased_module.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"

// The replaced operators pair malloc with free; GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<size_t> g_allocated{0};
}  // namespace

void* operator new(size_t size) {
  if (g_counting) g_allocated += size;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace ec {
namespace {

using writer::ByteWriter;
using writer::G;
using writer::ModuleWriter;
using writer::Segment;

constexpr int32_t kHuge = 0x7FFFFFF0;

// A program segment whose every count claims about two billion entries.
std::string LyingProgram() {
  ByteWriter w;
  w.Int32(0).Int32(0).Int32(kHuge).Int32(kHuge).Int32(kHuge);  // header blocks
  w.Int16(32767);                                               // libraries
  w.Int32(kHuge).Int32(kHuge);
  for (int i = 0; i < 40; ++i) w.Int32(kHuge);  // class index, member keys, pages...
  return w.str();
}

std::string LyingPage() {
  ByteWriter body;
  body.Int32(0).Int32(0).Int16(0).Byte(255);  // 255 dimensions in a few bytes
  ByteWriter block;
  block.Int32(1).Int32(0).Bytes(body.str());
  return block.str();
}

TEST(HostileInput, SmallFilesClaimingHugeCountsStaySmall) {
  ProgramSegment p;
  DataTypeRecord type;
  type.entry.key = 1;
  p.dataTypes = {type};
  ByteWriter globals;  // a global page whose one record claims 255 dimensions
  globals.Page(kHuge, LyingPage());
  std::string resources = ByteWriter().Int32(kHuge).Int32(1).Int32(2).Page(kHuge, LyingPage()).str();

  const std::vector<std::string> modules = {
      ModuleWriter().Add(Segment("程序段", LyingProgram())).Build(),
      ModuleWriter().Add(Segment("程序资源段", resources)).Build(),
      ModuleWriter().Add(Segment("用户信息段", ByteWriter().Int32(kHuge).str())).Build(),
      ModuleWriter().Add(Segment("程序段", writer::ProgramSegmentBlock(p) + globals.str())).Build(),
  };
  test::TempDir dir;
  for (const std::string& bytes : modules) {
    ASSERT_LT(bytes.size(), 1024u);
    const std::string path = dir.File("hostile.ec");
    WriteFileBytes(path, bytes);
    ModuleSegments segments;
    g_allocated = 0;
    g_counting = true;
    const bool ok = ReadModuleFile(path, {.readOnly = true}, segments);
    g_counting = false;
    EXPECT_TRUE(ok);
    EXPECT_LT(g_allocated.load(), 64u * 1024) << "bytes allocated for a " << bytes.size() << "-byte file";
  }
}

// Every record of every page points at one body. Each record is a fixed-size
// structure, so the cost grows with the number of records the tables hold,
// but the texts and byte data are paid for once.
TEST(HostileInput, PagesOfAliasedRecordsCostTheirSizeOnce) {
  const std::string bytes = writer::AliasedPagesModuleBytes(64 * 1024);
  test::TempDir dir;
  const std::string path = dir.File("aliased.ec");
  WriteFileBytes(path, bytes);
  for (const bool analyse : {false, true}) {
    ModuleSegments segments;
    ModuleModel model;
    g_allocated = 0;
    g_counting = true;
    const bool ok = analyse ? analyseModule(path, model, {.readOnly = true}) : ReadModuleFile(path, {.readOnly = true}, segments);
    g_counting = false;
    EXPECT_TRUE(ok);
    // Aliased records are read as many times as they are listed until their
    // page's budget (a multiple of its bytes plus a small constant) runs out.
    EXPECT_LT(g_allocated.load(), 32 * bytes.size() + 1024 * 1024) << (analyse ? "analysis" : "reading");
  }
}

TEST(HostileInput, EveryTruncationOfARealisticModuleIsSafe) {
  ModuleSegments segments;
  segments.userInfo = UserInfoRecord{.name = G("模块")};
  ProgramSegment p;
  p.header.libraries = {G("krnln")};
  SubroutineRecord sub;
  sub.entry.key = 0x04000001;
  sub.name = G("子程序");
  p.subroutines = {sub, sub};
  segments.program = p;
  segments.resources = ResourceSegment{};
  const std::string bytes = writer::BuildModule(segments);
  test::TempDir dir;
  const std::string path = dir.File("cut.ec");
  for (size_t cut = 0; cut <= bytes.size(); cut += 3) {
    WriteFileBytes(path, bytes.substr(0, cut));
    ModuleSegments read;
    ReadModuleFile(path, {}, read);
    if (read.program) {
      ASSERT_LE(read.program->subroutines.size(), 2u);
    }
  }
}

}  // namespace
}  // namespace ec
