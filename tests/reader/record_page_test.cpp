#include "reader/record_page.h"

#include <gtest/gtest.h>

#include "reader/constant_page.h"
#include "reader/variable_page.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using writer::ByteWriter;

std::vector<std::string_view> Bodies(const RecordPage& page) {
  std::vector<std::string_view> bodies;
  for (size_t k = 0; k < page.size(); ++k) bodies.push_back(page.Body(k));
  return bodies;
}

TEST(RecordPage, FrameGeometry) {
  // Two records: keys, offsets, then bodies relative to the end of the tables.
  const std::string block = ByteWriter().Int32(5).Int32(6).Int32(4).Int32(0).Bytes("BBBBAAAA").str();
  const RecordPage page(2, block);
  ASSERT_EQ(page.size(), 2u);
  EXPECT_EQ(page.Key(0), 5);
  EXPECT_EQ(page.Key(1), 6);
  EXPECT_EQ(page.BodyPosition(0), 21);
  EXPECT_EQ(page.BodyPosition(1), 17);
  EXPECT_EQ(Bodies(page), (std::vector<std::string_view>{"AAAA", "BBBB"}));
  EXPECT_EQ(RecordPage(0, block).size(), 0u);
  EXPECT_EQ(RecordPage(-3, block).size(), 0u);
  // A count the block cannot hold is cut; the records that fit keep the
  // stored geometry (their offsets lie beyond the block and read as 0).
  const RecordPage cut(1000000, block);
  EXPECT_EQ(cut.size(), 3u);
  EXPECT_EQ(cut.BodyPosition(0), 1 + 8 * 1000000);
  EXPECT_EQ(cut.Body(0), "");
}

TEST(RecordPage, EachBodyIsReadWithinItsOwnExtent) {
  const std::string bodies = "AAAABBBBCCCC";
  // Back to back, as every real page: each extent is exactly its body.
  EXPECT_EQ(Bodies(RecordPage(3, writer::RecordPageBlock({1, 2, 3}, {0, 4, 8}, bodies))),
            (std::vector<std::string_view>{"AAAA", "BBBB", "CCCC"}));
  // Aliases: the first record in key order owns the shared start, the others
  // read nothing; a start inside another body cuts that body there.
  EXPECT_EQ(Bodies(RecordPage(4, writer::RecordPageBlock({1, 2, 3, 4}, {8, 0, 8, 2}, bodies))),
            (std::vector<std::string_view>{"CCCC", "AA", "", "AABBBB"}));
  // Starts before the bodies (in the tables, or before the block) and at or
  // past its end read nothing, and do not shorten the bodies around them.
  EXPECT_EQ(Bodies(RecordPage(4, writer::RecordPageBlock({1, 2, 3, 4}, {0, -4, -1000, 12}, bodies))),
            (std::vector<std::string_view>{"AAAABBBBCCCC", "", "", ""}));
}

TEST(RecordPage, PagesOfAliasedRecordsCostTheirSizeOnce) {
  VariableRecord v;
  v.typeCode = 0x80000004;
  v.name = std::string(2000, 'N');
  v.remarks = std::string(2000, 'R');
  const std::string variables = writer::AliasedPageBlock(5000, writer::VariableBody(v));
  const std::vector<VariableRecord> read = ReadVariablePage(5000, variables);
  ASSERT_EQ(read.size(), 5000u);
  EXPECT_EQ(read[0].name, v.name);
  EXPECT_EQ(read[0].remarks, v.remarks);
  size_t texts = 0;
  for (const VariableRecord& r : read) texts += r.name.size() + r.remarks.size();
  EXPECT_EQ(texts, 4000u);
  EXPECT_EQ(read[4999].typeCode, 0);

  ConstantRecord c;
  c.key = 0x20000001;  // byte data
  c.name = "C";
  c.value = ConstantValue::OfBytes(std::string(4000, 'D'));
  const std::string constants = writer::AliasedPageBlock(5000, writer::ConstantBody(c), c.key);
  const std::vector<ConstantRecord> consts = ReadConstantPage(5000, constants, {});
  ASSERT_EQ(consts.size(), 5000u);
  EXPECT_EQ(consts[0].value, c.value);
  EXPECT_EQ(consts[1].name, "");
  EXPECT_EQ(consts[1].value, ConstantValue::OfBytes(""));
}

TEST(RecordPage, ABodyBeforeThePageIsNoPhantomOfTheKeyTable) {
  // The key table spells a variable body named "BOGUS"; the second record
  // points far before the block. It must not read the table as its body.
  const std::string table = ByteWriter().Int32(0).Int32(0).Int16(0).Byte(0).ZeroText("BOGUS").Int16(0).Byte(0).str();
  ASSERT_EQ(table.size(), 20u);
  VariableRecord real;
  real.name = "real";
  const std::string body = writer::VariableBody(real);
  ByteWriter block;
  block.Bytes(table);  // five keys
  const int32_t count = static_cast<int32_t>(table.size() / 4);
  for (int32_t k = 0; k < count; ++k) block.Int32(k == 1 ? -100000 : 0);
  block.Bytes(body);
  const std::vector<VariableRecord> read = ReadVariablePage(count, block.str());
  ASSERT_EQ(read.size(), static_cast<size_t>(count));
  EXPECT_EQ(read[0].name, "real");
  for (size_t k = 1; k < read.size(); ++k) EXPECT_EQ(read[k].name, "") << k;
}

TEST(VariablePage, DimensionsThatRunOutOfBytesLeaveNoName) {
  // Five dimensions claimed, one stored, then three bytes that once read as "Z".
  const std::string body = ByteWriter().Int32(0).Int32(0).Int16(0).Byte(5).Int32(7).Bytes(std::string("Z\0\0", 3)).str();
  const std::vector<VariableRecord> read = ReadVariablePage(1, writer::RecordPageBlock({1}, {0}, body));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].dimensionCount, 5);
  EXPECT_EQ(read[0].dimensions, std::vector<int32_t>{7});
  EXPECT_EQ(read[0].name, "");
  EXPECT_EQ(read[0].remarks, "");
}

}  // namespace
}  // namespace ec
