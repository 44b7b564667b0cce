#include "reader/segment_node.h"

#include <gtest/gtest.h>

#include <cstring>

#include "reader/check_value.h"
#include "reader/last_read_error.h"
#include "reader/module_file_reader.h"
#include "support/file_bytes.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using writer::G;
using writer::ModuleWriter;
using writer::Segment;

int32_t Int32At(const std::string& bytes, size_t offset) {
  int32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

// True when both check values of the node at `node` match the stored bytes.
bool NodeChecksMatch(const std::string& file, size_t node) {
  const std::string info = file.substr(node + 8, kNodeInfoSize);
  const int32_t length = Int32At(info, kNodeInfoDataLengthOffset);
  const std::string data = file.substr(node + 100, static_cast<size_t>(length));
  return Int32At(file, node + 4) == CheckValue(info) && Int32At(info, kNodeInfoDataCheckOffset) == CheckValue(data);
}

TEST(SegmentName, KeysAndLengths) {
  auto decode = [](const writer::SegmentToWrite& segment) {
    return DecodeSegmentName(writer::NodeBytes(segment).substr(8, kNodeInfoSize));
  };
  auto named = Segment("程序段", "");
  EXPECT_EQ(decode(named), G("程序段"));
  named.nameKey = {0xA1, 0xB2, 0xC3, 0xD4};
  EXPECT_EQ(decode(named), G("程序段"));
  // The stored bytes really are encoded: byte i uses key byte (i + 1) mod 4.
  const std::string stored = writer::NodeBytes(named).substr(8 + kNodeInfoNameOffset, 2);
  EXPECT_EQ(static_cast<uint8_t>(stored[0]), static_cast<uint8_t>(G("程")[0] ^ 0xB2));
  EXPECT_EQ(static_cast<uint8_t>(stored[1]), static_cast<uint8_t>(G("程")[1] ^ 0xC3));
  // A key of four zero bytes leaves the name as stored.
  named.nameKey = {0, 0, 0, 0};
  EXPECT_EQ(decode(named), G("程序段"));
  // A name filling all 30 bytes has no terminating zero and keeps all 30.
  auto full = Segment("", "");
  full.name = std::string(30, 'N');
  EXPECT_EQ(decode(full), std::string(30, 'N'));
}

class NodeFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    const std::string path = dir_.File("m.ec");
    WriteFileBytes(path, bytes);
    return path;
  }
  test::TempDir dir_;
};

TEST_F(NodeFile, WrongDataCheckIsRepairedInPlaceThenLeftAlone) {
  auto bad = Segment("用户信息段", writer::UserInfoBlock({.name = G("模块"), .versionMajor = 2}));
  bad.wrongDataCheck = true;
  const std::string original = ModuleWriter().Add(Segment("初始模块段", "12345678")).Add(bad).Build();
  const std::string path = Write(original);
  const size_t node = 8 + 100 + 8;
  ASSERT_FALSE(NodeChecksMatch(original, node));

  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {}, segments));
  ASSERT_TRUE(segments.userInfo);
  EXPECT_EQ(segments.userInfo->name, G("模块"));
  const std::string repaired = ReadFileBytes(path).value_or("");
  EXPECT_TRUE(NodeChecksMatch(repaired, node));
  // Only the two check-value fields changed.
  std::string expected = original;
  std::memcpy(expected.data() + node + 4, repaired.data() + node + 4, 4);
  std::memcpy(expected.data() + node + 8 + kNodeInfoDataCheckOffset,
              repaired.data() + node + 8 + kNodeInfoDataCheckOffset, 4);
  EXPECT_EQ(repaired, expected);

  ModuleSegments again;
  ASSERT_TRUE(ReadModuleFile(path, {}, again));
  EXPECT_EQ(ReadFileBytes(path), repaired);
}

TEST_F(NodeFile, WrongNodeCheckAloneRewritesBoth) {
  auto bad = Segment("初始模块段", "abcdefgh");
  bad.wrongNodeCheck = true;
  const std::string path = Write(ModuleWriter().Add(bad).Build());
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {}, segments));
  EXPECT_TRUE(NodeChecksMatch(ReadFileBytes(path).value_or(""), 8));
}

TEST_F(NodeFile, ReadOnlyOptionNeverWrites) {
  auto bad = Segment("初始模块段", "abcdefgh");
  bad.wrongDataCheck = true;
  const std::string original = ModuleWriter().Add(bad).Build();
  const std::string path = Write(original);
  SetLastReadError("");
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {.readOnly = true}, segments));
  EXPECT_TRUE(segments.initialModules);
  EXPECT_EQ(ReadFileBytes(path), original);
  EXPECT_EQ(LastReadError(), "");
}

TEST_F(NodeFile, NodeCutShortByTheEndOfTheFileIsNotRepaired) {
  auto bad = Segment("用户信息段", std::string(64, 'x'));
  bad.wrongDataCheck = true;
  std::string bytes = ModuleWriter().Add(bad).WithoutEndNode().Build();
  bytes.resize(bytes.size() - 10);
  const std::string path = Write(bytes);
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {}, segments));
  EXPECT_TRUE(segments.userInfo);  // still decoded from what is there
  EXPECT_EQ(ReadFileBytes(path), bytes);

  // Cut inside the node info: the data-check field lies beyond the end.
  std::string shortInfo = ModuleWriter().Add(bad).WithoutEndNode().Build().substr(0, 8 + 8 + 40);
  const std::string path2 = Write(shortInfo);
  ASSERT_TRUE(ReadModuleFile(path2, {}, segments));
  EXPECT_EQ(ReadFileBytes(path2), shortInfo);
}

TEST_F(NodeFile, DataLengthsZeroNegativeAndHuge) {
  auto empty = Segment("初始模块段", "");
  auto negative = Segment("编辑信息段1", "");
  negative.storedLength = -20;
  auto huge = Segment("编辑信息段2", "tail");
  huge.storedLength = 0x7FFFFFFF;
  const std::string path = Write(ModuleWriter().Add(empty).Add(negative).Add(huge).Build());
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {.readOnly = true}, segments));
  EXPECT_TRUE(segments.initialModules);
  EXPECT_TRUE(segments.editInfo1);
  EXPECT_TRUE(segments.editInfo2);  // takes the rest of the file
}

TEST_F(NodeFile, WrongNodeFlagStopsTheWalkButNotTheRead) {
  auto bad = Segment("编辑信息段1", "x");
  bad.nodeFlag = 0x12345678;
  const std::string path = Write(ModuleWriter().Add(Segment("初始模块段", "")).Add(bad).Add(Segment("编辑信息段2", "")).Build());
  SetLastReadError("");
  ModuleSegments segments;
  EXPECT_TRUE(ReadModuleFile(path, {}, segments));
  EXPECT_EQ(LastReadError(), "Node标志错误");
  EXPECT_TRUE(segments.initialModules);
  EXPECT_FALSE(segments.editInfo1);
  EXPECT_FALSE(segments.editInfo2);
}

}  // namespace
}  // namespace ec
