#include "reader/constant_page.h"

#include <string>
#include <utility>

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

namespace {

// Reads record k of the page into `record`; false when the page or the read
// is over its budget with it, and nothing after it is to be read.
bool ReadRecord(RecordPage& page, size_t k, ConstantRecord& record, const ReaderOptions& options, ReadReport* report) {
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
  return ChargeRead(report, RecordCost(record)) && withinPage;
}

}  // namespace

std::vector<ConstantRecord> ReadConstantPage(int32_t count, std::string_view pageBlock,
                                             const ReaderOptions& options, ReadReport* report) {
  RecordPage page(count, pageBlock);
  std::vector<ConstantRecord> records;
  records.reserve(ExpectedRecords(page, pageBlock, sizeof(ConstantRecord), report));
  for (size_t k = 0; k < page.size() && !BudgetSpent(report); ++k)
    if (!ReadRecord(page, k, records.emplace_back(), options, report)) break;
  ReportPageProblems(page, false, report);
  return records;
}

ConstantPageReader::ConstantPageReader(const ConstantPageRef& page, const ReaderOptions& options, ReadReport* report,
                                       std::string_view segment)
    : page_(page.count, page.block), options_(options), report_(report), segment_(segment) {}

ConstantPageReader::~ConstantPageReader() {
  if (!report_) return;
  report_->budget.Refund(recordCost_);
  const InSegment in(report_, segment_);
  ReportPageProblems(page_, false, report_);
}

size_t ExpectedRecords(const ConstantPageRef& page, size_t recordSize, const ReadReport* report) {
  return ExpectedRecords(RecordPage(page.count, page.block), page.block, recordSize, report);
}

ConstantRecord* ConstantPageReader::Next() {
  if (done_ || next_ >= page_.size() || BudgetSpent(report_)) return nullptr;
  if (report_) report_->budget.Refund(recordCost_);
  const uint64_t before = report_ ? report_->budget.Spent() : 0;
  const InSegment in(report_, segment_);
  // A record over a budget is still given: ReadConstantPage keeps it too.
  done_ = !ReadRecord(page_, next_++, record_, options_, report_);
  recordCost_ = report_ ? report_->budget.Spent() - before : 0;
  return &record_;
}

}  // namespace ec
