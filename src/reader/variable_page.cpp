#include "reader/variable_page.h"

#include <utility>

#include "reader/declaration_index.h"
#include "reader/read_report.h"
#include "reader/record_page.h"

namespace ec {
namespace {

// Returns whether the dimension count was larger than the body could hold.
bool ReadVariableBody(SegmentCursor& cursor, VariableRecord& record) {
  record.leadingValue = cursor.ReadInt32();
  record.typeCode = cursor.ReadInt32();
  record.attributeWord = cursor.ReadInt16();
  record.dimensionCount = cursor.ReadByte();
  const size_t fit = BoundedCount(record.dimensionCount, cursor.Remaining(), 4);
  record.dimensions.resize(fit);
  for (auto& dimension : record.dimensions) dimension = cursor.ReadInt32();
  // Dimensions that run out of bytes take the rest of the body with them: the
  // one to three bytes left over are part of a cut dimension, not a name.
  if (fit < record.dimensionCount) cursor.SkipToEnd();
  // Texts are assigned, not replaced, so a reused record keeps its buffers.
  record.name.assign(cursor.ReadZeroView());
  record.remarks.assign(cursor.ReadZeroView());
  return fit < record.dimensionCount;
}

size_t MaterialisedBytes(const VariableRecord& record) {
  return record.name.size() + record.remarks.size() + 4 * record.dimensions.size();
}

// Reads record k of the page into `record`; false when the page or the read
// is over its budget with it, and nothing after it is to be read.
bool ReadRecord(RecordPage& page, size_t k, VariableRecord& record, bool& clamped, ReadReport* report) {
  record.key = page.Key(k);
  record.bodyPosition = page.BodyPosition(k);
  SegmentCursor body(page.Body(k), report);
  clamped = ReadVariableBody(body, record) || clamped;
  const bool withinPage = page.Read(k, body.Position(), MaterialisedBytes(record));
  return ChargeRead(report, RecordCost(record)) && withinPage;
}

}  // namespace

uint64_t RecordCost(const VariableRecord& record) {
  const uint64_t dimensions = record.dimensions.empty() ? 0 : 4 * record.dimensions.size() + 16;
  return sizeof(VariableRecord) + TextCost(record.name) + TextCost(record.remarks) + dimensions;
}

void ReadVariablePageInto(int32_t count, std::string_view pageBlock, std::vector<VariableRecord>& records,
                          ReadReport* report) {
  RecordPage page(count, pageBlock);
  bool clamped = page.CountClamped();
  // Records are made as they are read, not for the count up front: a record
  // takes several times the bytes its page gives it, and a page may stop early.
  records.reserve(ExpectedRecords(page, pageBlock, sizeof(VariableRecord), report));
  size_t read = 0;
  while (read < page.size() && !BudgetSpent(report)) {
    const size_t k = read++;
    if (k == records.size()) records.emplace_back();
    if (!ReadRecord(page, k, records[k], clamped, report)) break;
  }
  records.resize(read);
  ReportPageProblems(page, clamped, report);
}

std::vector<VariableRecord> ReadVariablePage(int32_t count, std::string_view pageBlock, ReadReport* report) {
  std::vector<VariableRecord> records;
  ReadVariablePageInto(count, pageBlock, records, report);
  return records;
}

void ReadVariablePageAt(SegmentCursor& cursor, std::vector<VariableRecord>& records) {
  const int32_t count = cursor.ReadInt32();
  const std::string_view block = cursor.ReadCountedView();
  ReadVariablePageInto(count, block, records, cursor.Report());
}

std::vector<VariableRecord> ReadVariablePageAt(SegmentCursor& cursor) {
  std::vector<VariableRecord> records;
  ReadVariablePageAt(cursor, records);
  return records;
}

VariablePageRef VariablePageRefAt(SegmentCursor& cursor) {
  const int32_t count = cursor.ReadInt32();
  return {count, cursor.ReadCountedView()};
}

VariablePageReader::VariablePageReader(const VariablePageRef& page, ReadReport* report, std::string_view segment)
    : page_(page.count, page.block), report_(report), segment_(segment) {
  clamped_ = page_.CountClamped();
}

VariablePageReader::~VariablePageReader() {
  if (!report_) return;
  report_->budget.Refund(recordCost_);
  const InSegment in(report_, segment_);
  ReportPageProblems(page_, clamped_, report_);
}

size_t ExpectedRecords(const VariablePageRef& page, size_t recordSize, const ReadReport* report) {
  return ExpectedRecords(RecordPage(page.count, page.block), page.block, recordSize, report);
}

const VariableRecord* VariablePageReader::Next() {
  if (done_ || next_ >= page_.size() || BudgetSpent(report_)) return nullptr;
  if (report_) report_->budget.Refund(recordCost_);
  const uint64_t before = report_ ? report_->budget.Spent() : 0;
  const InSegment in(report_, segment_);
  // A record over a budget is still given: the eager read keeps it too.
  done_ = !ReadRecord(page_, next_++, record_, clamped_, report_);
  recordCost_ = report_ ? report_->budget.Spent() - before : 0;
  return &record_;
}

}  // namespace ec
