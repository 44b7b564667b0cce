#include "reader/constant_page.h"

#include <string>

#include "reader/record_page.h"
#include "reader/read_report.h"
#include "reader/segment_cursor.h"

namespace ec {
namespace {

enum ValueType : uint8_t { kEmpty = 22, kNumber = 23, kLogical = 24, kDateTime = 25, kText = 26 };

ConstantValue ReadOrdinaryValue(SegmentCursor& cursor) {
  const uint8_t type = cursor.ReadByte();
  switch (type) {
    case kEmpty: return {};
    case kNumber: return ConstantValue::OfNumber(cursor.ReadDouble());
    case kLogical: return ConstantValue::OfLogical(cursor.ReadLogical());
    case kDateTime: return ConstantValue::OfDateTime(cursor.ReadDateTime());
    // Stored as counted bytes that include the closing zero (e.g. 4, "log\0").
    case kText: return ConstantValue::OfText(cursor.ReadCountedText());
    default:
      ReportReadProblem(cursor.Report(), ReadProblem::Kind::UnknownConstantType, "未知常量类型[" + std::to_string(type) + "]");
      return {};
  }
}

ConstantValue ReadValue(SegmentCursor& cursor, int page, const ReaderOptions& options) {
  switch (page) {
    case 1: return ReadOrdinaryValue(cursor);
    case 2:
    case 3:
      if (options.skipResourceData) {
        cursor.SkipCountedBytes();
        return ConstantValue::OfBytes({});
      }
      return ConstantValue::OfBytes(cursor.ReadCountedBytes());
    default:
      ReportReadProblem(cursor.Report(), ReadProblem::Kind::UnknownConstantPage, "未知常量页面[" + std::to_string(page) + "]");
      return {};
  }
}

}  // namespace

int ConstantPageOf(int32_t key) {
  // Arithmetic shift of the top nibble: keys with the top bit set give -8..-1.
  return static_cast<int32_t>(static_cast<uint32_t>(key) & 0xF0000000u) >> 28;
}

uint64_t RecordCost(const ConstantRecord& record) {
  return sizeof record + TextCost(record.name) + TextCost(record.remarks) + TextCost(record.value.bytes);
}

std::vector<ConstantRecord> ReadConstantPage(int32_t count, std::string_view pageBlock,
                                             const ReaderOptions& options, ReadReport* report) {
  RecordPage page(count, pageBlock);
  std::vector<ConstantRecord> records;
  records.reserve(ExpectedRecords(page, pageBlock, sizeof(ConstantRecord), report));
  for (size_t k = 0; k < page.size() && !BudgetSpent(report); ++k) {
    ConstantRecord& record = records.emplace_back();
    record.key = page.Key(k);
    record.bodyPosition = page.BodyPosition(k);
    SegmentCursor cursor(page.Body(k), report);
    record.leadingValue = cursor.ReadInt32();
    record.attributeWord = cursor.ReadInt16();
    record.name = cursor.ReadZeroText();
    record.remarks = cursor.ReadZeroText();
    record.value = ReadValue(cursor, ConstantPageOf(record.key), options);
    const size_t bytes = record.name.size() + record.remarks.size() + record.value.bytes.size();
    const bool withinPage = page.Read(k, cursor.Position(), bytes);
    if (!ChargeRead(report, RecordCost(record)) || !withinPage) break;
  }
  ReportPageProblems(page, false, report);
  return records;
}

}  // namespace ec
