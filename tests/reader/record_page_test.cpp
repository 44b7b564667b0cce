#include "reader/record_page.h"

#include <gtest/gtest.h>

#include "reader/constant_page.h"
#include "reader/read_report.h"
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
  EXPECT_FALSE(page.CountClamped());
  EXPECT_EQ(page.Key(0), 5);
  EXPECT_EQ(page.Key(1), 6);
  EXPECT_EQ(page.BodyPosition(0), 21);
  EXPECT_EQ(page.BodyPosition(1), 17);
  // Each body runs from its own start to the end of the block.
  EXPECT_EQ(Bodies(page), (std::vector<std::string_view>{"AAAA", "BBBBAAAA"}));
  EXPECT_EQ(RecordPage(0, block).size(), 0u);
  EXPECT_EQ(RecordPage(-3, block).size(), 0u);
  // A count the block cannot hold is cut; the records that fit keep the
  // stored geometry (their offsets lie beyond the block and read as 0).
  const RecordPage cut(1000000, block);
  EXPECT_EQ(cut.size(), 3u);
  EXPECT_TRUE(cut.CountClamped());
  EXPECT_EQ(cut.BodyPosition(0), 1 + 8 * 1000000);
  EXPECT_EQ(cut.Body(0), "");
  // Starts before the bodies (in the tables, or before the block) and at or past its end read nothing.
  EXPECT_EQ(Bodies(RecordPage(4, writer::RecordPageBlock({1, 2, 3, 4}, {0, -4, -1000, 12}, "AAAABBBBCCCC"))),
            (std::vector<std::string_view>{"AAAABBBBCCCC", "", "", ""}));
}

std::vector<VariableRecord> Parameters(const std::vector<std::string>& names) {
  std::vector<VariableRecord> records;
  for (const std::string& name : names) records.push_back({.key = 1, .typeCode = 3, .name = writer::G(name)});
  return records;
}

// One flipped bit in a record's offset damages that record only: the record
// before it, whose bytes are intact, reads whole. The page says it is damaged.
TEST(RecordPage, ADamagedOffsetLeavesItsNeighbourWhole) {
  const std::vector<VariableRecord> params = Parameters({"内存地址", "长度", "标志"});
  std::string block = writer::VariablePageBlock(params);
  ReadReport clean;
  EXPECT_EQ(ReadVariablePage(3, block, &clean), ReadVariablePage(3, block));
  EXPECT_TRUE(clean.problems.empty());
  // The offset of the second record (bytes 16..19) loses a bit and points into the first body.
  const int32_t offset = static_cast<int32_t>(writer::VariableBody(params[0]).size());
  ASSERT_EQ(block.substr(16, 4), ByteWriter().Int32(offset).str());
  block[16] = static_cast<char>(offset ^ 0x08);
  ReadReport report;
  const std::vector<VariableRecord> read = ReadVariablePage(3, block, &report);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].name, writer::G("内存地址"));
  EXPECT_EQ(read[2].name, writer::G("标志"));
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0].kind, ReadProblem::Kind::RecordOverlap);
  EXPECT_EQ(report.problems[0].message, "记录重叠");
  EXPECT_FALSE(report.Complete());

  // Offsets that point past the page or before its bodies leave their records
  // empty: the neighbours still read whole, and the page says so once.
  for (const int32_t wild : {0x7fffffff, -8}) {
    SCOPED_TRACE(wild);
    std::string outside = writer::VariablePageBlock(params);
    const std::string bad = ByteWriter().Int32(wild).str();
    outside.replace(16, 4, bad);
    outside.replace(20, 4, bad);
    ReadReport lost;
    const std::vector<VariableRecord> kept = ReadVariablePage(3, outside, &lost);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].name, writer::G("内存地址"));
    EXPECT_EQ(kept[1].name, "");
    EXPECT_EQ(kept[2].name, "");
    ASSERT_EQ(lost.problems.size(), 1u);
    EXPECT_EQ(lost.problems[0].kind, ReadProblem::Kind::RecordOutside);
    EXPECT_EQ(lost.problems[0].count, 1);
    EXPECT_FALSE(lost.Complete());
  }
}

// Records that share one body read as that many records while the page's
// budget lasts; past it the reader keeps what it has and says so.
TEST(RecordPage, AliasedRecordsReadWithinTheBudgetAndAreReportedPastIt) {
  VariableRecord v{.typeCode = 4, .name = std::string(20, 'N'), .remarks = std::string(20, 'R')};
  const std::string few = writer::AliasedPageBlock(50, writer::VariableBody(v));
  ReadReport within;
  const std::vector<VariableRecord> read = ReadVariablePage(50, few, &within);
  ASSERT_EQ(read.size(), 50u);
  for (const VariableRecord& r : read) EXPECT_EQ(r.name, v.name);
  ASSERT_EQ(within.problems.size(), 1u);
  EXPECT_EQ(within.problems[0].kind, ReadProblem::Kind::RecordOverlap);

  v.name = std::string(2000, 'N');
  v.remarks = std::string(2000, 'R');
  const std::string many = writer::AliasedPageBlock(5000, writer::VariableBody(v));
  ReadReport past;
  const std::vector<VariableRecord> cut = ReadVariablePage(5000, many, &past);
  ASSERT_LT(cut.size(), 5000u);
  size_t texts = 0;
  for (const VariableRecord& r : cut) {
    EXPECT_EQ(r.name, v.name);
    texts += r.name.size() + r.remarks.size();
  }
  // The budget, and the one record that crossed it (already read, so kept).
  EXPECT_LE(texts, RecordPage::kBudgetFactor * many.size() + RecordPage::kBudgetConstant + 4000);
  ASSERT_EQ(past.problems.size(), 2u);
  EXPECT_EQ(past.problems[1].kind, ReadProblem::Kind::OverBudget);
  EXPECT_EQ(past.problems[1].message, "超出预算");

  ConstantRecord c{.key = 0x20000001, .name = "C", .value = ConstantValue::OfBytes(std::string(4000, 'D'))};
  const std::string constants = writer::AliasedPageBlock(5000, writer::ConstantBody(c), c.key);
  ReadReport constantReport;
  const std::vector<ConstantRecord> consts = ReadConstantPage(5000, constants, {}, &constantReport);
  ASSERT_LT(consts.size(), 5000u);
  ASSERT_GT(consts.size(), 1u);
  EXPECT_EQ(consts.back().value, c.value);
  EXPECT_EQ(constantReport.problems.size(), 2u);
}

// A page left in place and read one record at a time gives what the page
// read at once gives: the same records, the same problems, in the segment it
// was met in, and gives back what it charged the read.
TEST(RecordPage, PagesLeftInPlaceReadAsPagesReadAtOnce) {
  VariableRecord big{.typeCode = 4, .name = std::string(2000, 'N'), .remarks = std::string(2000, 'R')};
  const std::string aliased = writer::AliasedPageBlock(5000, writer::VariableBody(big));
  const std::string clean = writer::VariablePageBlock(Parameters({"内存地址", "长度", "标志"}));
  for (const auto& [count, block] : {std::pair<int32_t, std::string>{3, clean}, {5000, aliased}, {40, clean}}) {
    SCOPED_TRACE(count);
    ReadReport atOnce;
    const std::vector<VariableRecord> expected = ReadVariablePage(count, block, &atOnce);
    ReadReport inPlace{.segment = "other"};
    std::vector<VariableRecord> read;
    {
      VariablePageReader reader({count, block}, &inPlace, "page");
      while (const VariableRecord* r = reader.Next()) read.push_back(*r);
      EXPECT_GT(inPlace.budget.Spent(), 0u);
    }
    EXPECT_EQ(read, expected);
    EXPECT_EQ(inPlace.budget.Spent(), 0u);
    EXPECT_EQ(inPlace.segment, "other");
    ASSERT_EQ(inPlace.problems.size(), atOnce.problems.size());
    for (size_t p = 0; p < atOnce.problems.size(); ++p) {
      EXPECT_EQ(inPlace.problems[p].kind, atOnce.problems[p].kind);
      EXPECT_EQ(inPlace.problems[p].segment, "page");
    }
  }

  ConstantRecord c{.key = 0x20000001, .name = "C", .value = ConstantValue::OfBytes(std::string(4000, 'D'))};
  const std::string constants = writer::AliasedPageBlock(5000, writer::ConstantBody(c), c.key);
  ReadReport atOnce;
  const size_t expected = ReadConstantPage(5000, constants, {}, &atOnce).size();
  ReadReport inPlace;
  size_t read = 0;
  {
    ConstantPageReader reader({5000, constants}, {}, &inPlace);
    while (const ConstantRecord* r = reader.Next()) read += r->value == c.value;
  }
  EXPECT_EQ(read, expected);
  EXPECT_EQ(inPlace.problems, atOnce.problems);
  EXPECT_EQ(inPlace.budget.Spent(), 0u);
}

// The list made for a page stops growing with the read's budget: the record
// that crosses the budget is kept without doubling the list it goes into.
TEST(RecordPage, TheListOfAPageStaysWithinTheReadsBudget) {
  std::vector<VariableRecord> many(20000, VariableRecord{.typeCode = 4, .name = "v"});
  const std::string block = writer::VariablePageBlock(many);
  for (const uint64_t limit : {uint64_t{100000}, uint64_t{1000000}}) {
    SCOPED_TRACE(limit);
    ReadReport report{.budget = ReadBudget(limit)};
    std::vector<VariableRecord> read;
    ReadVariablePageInto(20000, block, read, &report);
    ASSERT_LT(read.size(), many.size());
    EXPECT_TRUE(report.budget.Overrun());
    EXPECT_LE(read.capacity(), limit / sizeof(VariableRecord) + 1);
  }
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
  // The records at offset 0 share the real body; the one before the block reads nothing.
  for (size_t k = 0; k < read.size(); ++k) EXPECT_EQ(read[k].name, k == 1 ? "" : "real") << k;
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
