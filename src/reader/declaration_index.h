#pragma once
// The declaration index in front of each list of classes, subroutines, data
// types, DLL commands and windows. (Variables and constants are framed as
// record pages: reader/record_page.h.)

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/read_report.h"
#include "reader/segment_cursor.h"

namespace ec {

struct IndexEntry {
  int32_t key = 0;       // the declaration's identifier, used by other records to refer to it
  int32_t auxValue = 0;  // carried, not interpreted
  bool operator==(const IndexEntry&) const = default;
};

// int32 byte length L, then L / 8 keys and L / 8 auxiliary values. Surplus
// bytes of L are not skipped. A count the remaining bytes cannot hold is cut to
// what fits; a negative one is 0.
std::vector<IndexEntry> ReadDeclarationIndex(SegmentCursor& cursor);

// Reports a list (named by `list`, UTF-8) of which only `whole` of `listed`
// bodies were in the block.
void ReportListCut(SegmentCursor& cursor, std::string_view list, size_t listed, size_t whole);

// Calls readBody(entry) for each entry whose body can be in the block: the
// list ends at the first body that would start after its end, and where the
// read's budget is spent (reported as such, not as a cut list). Returns the
// number of bodies read. A list the block ends inside is reported.
template <typename ReadBody>
size_t ForEachIndexedBody(SegmentCursor& cursor, const std::vector<IndexEntry>& index, std::string_view list,
                          ReadBody readBody) {
  size_t read = 0, whole = 0;
  for (const IndexEntry& entry : index) {
    if (cursor.Exhausted()) break;
    if (BudgetSpent(cursor.Report())) return read;
    readBody(entry);
    ++read;
    if (!cursor.Overrun()) ++whole;
  }
  if (whole < index.size()) ReportListCut(cursor, list, index.size(), whole);
  return read;
}

// Reads a declaration index, then one record per entry through readBody. A
// record that would start after the end of the block cannot be there, so the
// list ends at the first such record. Every body moves the cursor by at least
// minBodyBytes (its fixed values and lengths), so room is made for no more
// records than the rest of the block can really hold. Each record is charged
// to the read's budget as RecordCost(record) gives it (found by argument-
// dependent lookup beside the record's type); its pages charge themselves.
template <typename Record, typename ReadBody>
std::vector<Record> ReadIndexedList(SegmentCursor& cursor, std::string_view list, size_t minBodyBytes,
                                    ReadBody readBody) {
  const std::vector<IndexEntry> index = ReadDeclarationIndex(cursor);
  std::vector<Record> records;
  records.reserve(std::min(index.size(), cursor.Remaining() / minBodyBytes + 1));
  ForEachIndexedBody(cursor, index, list, [&](const IndexEntry& entry) {
    Record& record = records.emplace_back();
    record.entry = entry;
    readBody(cursor, record);
    ChargeRead(cursor.Report(), RecordCost(record));
  });
  return records;
}

// Bounds a count read from the file by what `remaining` bytes can hold when
// every element takes at least `minBytes` bytes. Negative counts are 0.
size_t BoundedCount(int64_t count, size_t remaining, size_t minBytes);
// The same read at the cursor; a count cut down is reported ("数量超出数据").
size_t BoundedCountAt(SegmentCursor& cursor, int64_t count, size_t minBytes);

}  // namespace ec
