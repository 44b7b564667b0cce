#include "reader/segment_cursor.h"

#include <gtest/gtest.h>

#include <limits>

#include "reader/check_value.h"
#include "reader/declaration_index.h"
#include "reader/last_read_error.h"
#include "tools/module_writer/byte_writer.h"

namespace ec {
namespace {

using writer::ByteWriter;

TEST(CheckValue, XorsBytesIntoFourAccumulators) {
  EXPECT_EQ(CheckValue(""), 0);
  EXPECT_EQ(CheckValue("abc"), 0x00636261);
  EXPECT_EQ(CheckValue("abcde"), 0x64636204);
  // Long inputs take the paths of several words at a time; whatever the
  // length, the result must be the bytes XOR-ed into four accumulators.
  std::string input;
  for (int i = 0; i < 1003; ++i) input += static_cast<char>(i * 7 + 1);
  for (size_t length : {size_t{7}, size_t{8}, size_t{31}, size_t{32}, size_t{33}, size_t{71}, size_t{1003}}) {
    const std::string_view bytes(input.data(), length);
    uint8_t acc[4] = {};
    for (size_t i = 0; i < bytes.size(); ++i) acc[i % 4] ^= static_cast<uint8_t>(bytes[i]);
    EXPECT_EQ(static_cast<uint32_t>(CheckValue(bytes)),
              acc[0] | acc[1] << 8 | acc[2] << 16 | static_cast<uint32_t>(acc[3]) << 24)
        << length;
  }
}

TEST(SegmentCursor, FixedReadsAtTheEndReadZerosAndExhaust) {
  const std::string block = ByteWriter().Int16(-2).Byte(0xFF).Bytes("\x01\x02\x03").str();
  SegmentCursor c(block);
  EXPECT_EQ(c.ReadInt16(), -2);
  EXPECT_EQ(c.ReadByte(), 255);
  EXPECT_FALSE(c.Exhausted());
  // An int32 three bytes before the end: those three bytes and a zero high byte.
  EXPECT_EQ(c.ReadInt32(), 0x030201);
  EXPECT_TRUE(c.Exhausted());
  EXPECT_EQ(c.ReadInt32(), 0);
  EXPECT_EQ(c.ReadDouble(), 0.0);
  EXPECT_EQ(c.ReadZeroText(), "");
  EXPECT_EQ(c.ReadCountedBytes(), "");
}

TEST(SegmentCursor, ConsumingTheLastByteExhausts) {
  const std::string block = ByteWriter().Int32(7).str();
  SegmentCursor c(block);
  EXPECT_EQ(c.ReadInt32(), 7);
  EXPECT_TRUE(c.Exhausted());
  c.MoveTo(1);
  EXPECT_FALSE(c.Exhausted());
  // A position before the block is outside it: nothing is read, and the
  // first bytes are not read again.
  for (int64_t before : {0, -3, -100000}) {
    c.MoveTo(before);
    EXPECT_TRUE(c.Exhausted());
    EXPECT_EQ(c.ReadInt32(), 0);
    EXPECT_EQ(c.ReadZeroText(), "");
  }
}

TEST(SegmentCursor, Texts) {
  const std::string block = ByteWriter().ZeroText("ab").Counted(std::string("xy\0z", 4)).Bytes("tail").str();
  SegmentCursor c(block);
  EXPECT_EQ(c.ReadZeroText(), "ab");
  EXPECT_EQ(c.ReadCountedText(), "xy");  // cut at the zero byte, all four consumed
  EXPECT_EQ(c.ReadZeroText(), "tail");   // no zero byte: the rest of the block
  EXPECT_TRUE(c.Exhausted());
}

TEST(SegmentCursor, BytesAndNegativeLengths) {
  SetLastReadError("");
  const std::string block = ByteWriter().Int32(-5).Int32(3).Bytes("abcdef").str();
  SegmentCursor c(block);
  EXPECT_EQ(c.ReadCountedBytes(), "");
  EXPECT_EQ(LastReadError(), "Read Data Error");
  EXPECT_EQ(c.Position(), 5);  // right after the length
  EXPECT_EQ(c.ReadCountedBytes(), "abc");
  EXPECT_EQ(c.ReadBytes(0), "");
  EXPECT_EQ(c.Position(), 12);
  // Bytes past the end are cut but the position moves the whole way.
  EXPECT_EQ(c.ReadBytes(10), "def");
  EXPECT_EQ(c.Position(), 22);
  EXPECT_EQ(c.Remaining(), 0u);
}

TEST(SegmentCursor, SkippedCountedBytesNeverStepBack) {
  SetLastReadError("");
  const std::string block = ByteWriter().Int32(2).Bytes("zz").Int32(-8).Int32(42).str();
  SegmentCursor c(block);
  c.SkipCountedBytes();
  EXPECT_EQ(c.Position(), 7);
  c.SkipCountedBytes();
  EXPECT_EQ(LastReadError(), "Read Data Error");
  EXPECT_EQ(c.ReadInt32(), 42);
}

TEST(SegmentCursor, LogicalAndClampedDates) {
  const std::string block = ByteWriter()
                                .Int32(0)
                                .Int32(-1)
                                .Double(1e9)
                                .Double(-1e9)
                                .Double(45000.5)
                                .Double(std::numeric_limits<double>::quiet_NaN())
                                .Double(-std::numeric_limits<double>::infinity())
                                .str();
  SegmentCursor c(block);
  EXPECT_FALSE(c.ReadLogical());
  EXPECT_TRUE(c.ReadLogical());
  EXPECT_EQ(c.ReadDateTime(), 2958465.0);
  EXPECT_EQ(c.ReadDateTime(), -657434.0);
  EXPECT_EQ(c.ReadDateTime(), 45000.5);
  EXPECT_EQ(c.ReadDateTime(), -657434.0);  // NaN takes the lower bound
  EXPECT_EQ(c.ReadDateTime(), -657434.0);
}

TEST(DeclarationIndex, SurplusBytesAreNotSkipped) {
  const std::string block = ByteWriter().Int32(12).Int32(101).Int32(7).Int32(99).str();
  SegmentCursor c(block);
  const auto entries = ReadDeclarationIndex(c);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], (IndexEntry{101, 7}));
  EXPECT_EQ(c.ReadInt32(), 99);
}

TEST(DeclarationIndex, ClaimsBeyondTheBlockAreCut) {
  {
    const std::string block = ByteWriter().Int32(0x7FFFFFF8).Int32(1).Int32(2).str();
    SegmentCursor c(block);
    EXPECT_EQ(ReadDeclarationIndex(c).size(), 1u);
  }
  {
    const std::string block = ByteWriter().Int32(-80).Int32(1).Int32(2).str();
    SegmentCursor c(block);
    EXPECT_TRUE(ReadDeclarationIndex(c).empty());
    EXPECT_EQ(c.ReadInt32(), 1);
  }
}

}  // namespace
}  // namespace ec
