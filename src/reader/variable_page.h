#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/record_page.h"
#include "reader/segment_cursor.h"

namespace ec {

// One record of a variable page: global variables, program-set variables,
// parameters, data-type members and DLL-command parameters all share it.
// Texts are GBK bytes as stored.
struct VariableRecord {
  int32_t key = 0;
  int64_t bodyPosition = 0;  // 1-based start of the body in the page block
  int32_t leadingValue = 0;
  int32_t typeCode = 0;
  int16_t attributeWord = 0;  // 2: by reference, 4: may be omitted, 8: array
  uint8_t dimensionCount = 0;
  std::vector<int32_t> dimensions;
  std::string name;
  std::string remarks;
  bool operator==(const VariableRecord&) const = default;
};

// What a record costs the read's budget (reader/read_budget.h): itself and
// what it holds on the heap. Each record read is charged.
uint64_t RecordCost(const VariableRecord& record);

// Reads `count` records from a page block, in key-table order (framing in
// reader/record_page.h).
// Problems met go to `report` when given (reader/read_report.h).
std::vector<VariableRecord> ReadVariablePage(int32_t count, std::string_view pageBlock,
                                             ReadReport* report = nullptr);
// The same into `records`, reusing the records and the buffers it holds.
void ReadVariablePageInto(int32_t count, std::string_view pageBlock, std::vector<VariableRecord>& records,
                          ReadReport* report = nullptr);

// Reads an int32 count and a counted page block from the cursor, then the
// page; its problems go where the cursor's go.
std::vector<VariableRecord> ReadVariablePageAt(SegmentCursor& cursor);
void ReadVariablePageAt(SegmentCursor& cursor, std::vector<VariableRecord>& records);

// A variable page left in the bytes of its segment (ReaderOptions::
// pagesInPlace): its records are read one at a time when they are wanted, so
// that a dense page never lives in memory twice, once as raw records and
// once as what the caller makes of them.
struct VariablePageRef {
  int32_t count = 0;
  std::string_view block;  // empty when the page was read or is empty
  bool operator==(const VariablePageRef&) const = default;
};
// Reads the count and the page block at the cursor, leaving the records unread.
VariablePageRef VariablePageRefAt(SegmentCursor& cursor);
// Room to make for what the records of the page become, `recordSize` bytes
// each (ExpectedRecords in reader/record_page.h).
size_t ExpectedRecords(const VariablePageRef& page, size_t recordSize, const ReadReport* report);

// Reads the records of a page left in place one at a time, each into the
// same record. The record held is charged to the read's budget until the
// next one replaces it; the page's problems are reported when the reader is
// done. What it reports is met in `segment` (GBK, when given); what the
// caller reports between two records is not.
class VariablePageReader {
 public:
  VariablePageReader(const VariablePageRef& page, ReadReport* report, std::string_view segment = {});
  ~VariablePageReader();
  VariablePageReader(const VariablePageReader&) = delete;
  VariablePageReader& operator=(const VariablePageReader&) = delete;
  // The next record, valid until the next call; nullptr after the last, or
  // once the page or the read is over its budget.
  const VariableRecord* Next();

 private:
  RecordPage page_;
  ReadReport* report_;
  std::string segment_;  // where the problems of the page are met
  VariableRecord record_;
  uint64_t recordCost_ = 0;
  size_t next_ = 0;
  bool clamped_ = false;
  bool done_ = false;
};

}  // namespace ec
