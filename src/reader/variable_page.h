#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace ec
