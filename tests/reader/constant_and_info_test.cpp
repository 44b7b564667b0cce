#include <gtest/gtest.h>

#include "reader/constant_page.h"
#include "reader/info_segments.h"
#include "reader/last_read_error.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using writer::ByteWriter;
using writer::G;

ConstantRecord Const(int32_t key, std::string name, ConstantValue value) {
  ConstantRecord c;
  c.key = key;
  c.name = std::move(name);
  c.value = std::move(value);
  return c;
}

TEST(ConstantPage, PagesAndValueTypes) {
  const std::vector<ConstantRecord> constants = {
      Const(0x10000001, G("圆周率"), ConstantValue::OfNumber(3.25)),
      Const(0x10000002, G("真值"), ConstantValue::OfLogical(true)),
      Const(0x10000003, G("日期"), ConstantValue::OfDateTime(45000.25)),
      Const(0x10000004, G("文本"), ConstantValue::OfText(G("易语言"))),
      Const(0x10000005, G("空"), {}),
      Const(0x20000001, G("图片"), ConstantValue::OfBytes(std::string("\0\1\2", 3))),
      Const(0x30000001, G("声音"), ConstantValue::OfBytes("wav")),
  };
  const std::string block = writer::ConstantPageBlock(constants);
  const auto r = ReadConstantPage(7, block, {});
  ASSERT_EQ(r.size(), 7u);
  for (size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i].name, constants[i].name);
    EXPECT_EQ(r[i].value, constants[i].value) << i;
  }
  // Byte data stepped over: empty byte strings, the rest read as usual.
  const auto skipped = ReadConstantPage(7, block, {.skipResourceData = true});
  EXPECT_EQ(skipped[5].value, ConstantValue::OfBytes(""));
  EXPECT_EQ(skipped[6].value, ConstantValue::OfBytes(""));
  EXPECT_EQ(skipped[3].value, constants[3].value);
  // Count 0 reads nothing, whatever the block holds.
  EXPECT_TRUE(ReadConstantPage(0, block, {}).empty());
}

TEST(ConstantPage, PageNumbers) {
  EXPECT_EQ(ConstantPageOf(0x10000005), 1);
  EXPECT_EQ(ConstantPageOf(0x20000001), 2);
  EXPECT_EQ(ConstantPageOf(0x30000001), 3);
  EXPECT_EQ(ConstantPageOf(0x40000001), 4);
  EXPECT_EQ(ConstantPageOf(static_cast<int32_t>(0x90000001)), -7);
  EXPECT_EQ(ConstantPageOf(static_cast<int32_t>(0xF0000000)), -1);
}

TEST(ConstantPage, UnknownPagesAndTypesDoNotStopThePage) {
  // Hand-made bodies: an unknown value type 30, an unknown page, then a number.
  ByteWriter b1, b2, b3;
  b1.Int32(0).Int16(0).ZeroText("a").ZeroText("").Byte(30).Double(1.0);
  b2.Int32(0).Int16(0).ZeroText("b").ZeroText("").Byte(23).Double(2.0);
  b3.Int32(0).Int16(0).ZeroText("c").ZeroText("").Byte(23).Double(3.5);
  ByteWriter block;
  block.Int32(0x10000001).Int32(static_cast<int32_t>(0x90000001)).Int32(0x10000003);
  block.Int32(0).Int32(static_cast<int32_t>(b1.size())).Int32(static_cast<int32_t>(b1.size() + b2.size()));
  block.Bytes(b1.str()).Bytes(b2.str()).Bytes(b3.str());

  SetLastReadError("");
  const auto r = ReadConstantPage(3, block.str(), {});
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].value.kind, ConstantValue::Kind::Empty);
  EXPECT_EQ(r[1].value.kind, ConstantValue::Kind::Empty);
  EXPECT_EQ(r[1].name, "b");
  EXPECT_EQ(r[2].value, ConstantValue::OfNumber(3.5));
  EXPECT_EQ(LastReadError(), "未知常量页面[-7]");

  const std::string typeBlock = ByteWriter().Int32(0x10000001).Int32(0).Bytes(b1.str()).str();
  EXPECT_EQ(ReadConstantPage(1, typeBlock, {})[0].value.kind, ConstantValue::Kind::Empty);
  EXPECT_EQ(LastReadError(), "未知常量类型[30]");
  const std::string pageBlock = ByteWriter().Int32(0x40000001).Int32(0).Bytes(b2.str()).str();
  EXPECT_EQ(ReadConstantPage(1, pageBlock, {})[0].value.kind, ConstantValue::Kind::Empty);
  EXPECT_EQ(LastReadError(), "未知常量页面[4]");
}

TEST(InfoSegments, SystemAndUserInfo) {
  const SystemInfoRecord system = ReadSystemInfo(ByteWriter().Int16(3).Int16(6).Int32(99).str());
  EXPECT_EQ(system.systemVersionMajor, 3);
  EXPECT_EQ(system.systemVersionMinor, 6);
  EXPECT_EQ(system.values[0], 99);
  EXPECT_EQ(system.values[13], 0);  // missing bytes are zeros
  EXPECT_EQ(ReadSystemInfo("").systemVersionMajor, 0);

  UserInfoRecord user;
  user.name = G("模块名");
  user.remarks = G("说明\r\n@备注 内部");
  user.author = G("作者");
  user.infoTexts = {"4", "5", "6", "7", "8", "9", "10"};
  user.versionMajor = 2;
  user.versionMinor = 15;
  const UserInfoRecord r = ReadUserInfo(writer::UserInfoBlock(user) + "ignored");
  EXPECT_EQ(r.name, user.name);
  EXPECT_EQ(r.remarks, user.remarks);
  EXPECT_EQ(r.author, user.author);
  EXPECT_EQ(r.infoTexts, user.infoTexts);
  EXPECT_EQ(r.versionMajor, 2);
  EXPECT_EQ(r.versionMinor, 15);
}

TEST(InfoSegments, ResourceWindowsAndConstants) {
  ResourceSegment resources;
  resources.windows.resize(2);
  resources.windows[0].entry = {0x52000001, 0};
  resources.windows[0].unitCount = 5000;  // a long unit block
  resources.windows[1].entry = {0x52000002, 0};
  resources.constants = {Const(0x10000001, "k", ConstantValue::OfNumber(1))};
  resources.trailingValue = 77;
  const ResourceSegment r = ReadResourceSegment(writer::ResourceSegmentBlock(resources), {});
  ASSERT_EQ(r.windows.size(), 2u);
  EXPECT_EQ(r.windows[0].unitCount, 5000);
  EXPECT_EQ(r.windows[1].entry.key, 0x52000002);
  ASSERT_EQ(r.constants.size(), 1u);
  EXPECT_EQ(r.constants[0].value, ConstantValue::OfNumber(1));
  EXPECT_EQ(r.trailingValue, 77);

  // No windows: straight to the constant page. A negative unit count is 0.
  ResourceSegment bare;
  bare.constants = resources.constants;
  EXPECT_EQ(ReadResourceSegment(writer::ResourceSegmentBlock(bare), {}).constants.size(), 1u);
  ByteWriter negative;
  negative.Int32(8).Int32(1).Int32(0).Int32(0).Int32(0).Counted("").Counted("").Int32(-9).Counted("");
  negative.Page(0, "").Int32(5);
  const ResourceSegment n = ReadResourceSegment(negative.str(), {});
  ASSERT_EQ(n.windows.size(), 1u);
  EXPECT_EQ(n.windows[0].unitCount, 0);
  EXPECT_EQ(n.trailingValue, 5);
}

}  // namespace
}  // namespace ec
