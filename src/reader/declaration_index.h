#pragma once
// The two framings that segment lists share: the declaration index in front of
// each list of classes, subroutines, data types, DLL commands and windows, and
// the record page that holds variables and constants.

#include <cstdint>
#include <string_view>
#include <vector>

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

// Reads a declaration index, then one record per entry through readBody. A
// record that would start after the end of the block cannot be there, so the
// list ends at the first such record.
template <typename Record, typename ReadBody>
std::vector<Record> ReadIndexedList(SegmentCursor& cursor, ReadBody readBody) {
  const std::vector<IndexEntry> index = ReadDeclarationIndex(cursor);
  std::vector<Record> records;
  records.reserve(index.size());
  for (const IndexEntry& entry : index) {
    if (cursor.Exhausted()) break;
    Record& record = records.emplace_back();
    record.entry = entry;
    readBody(cursor, record);
  }
  return records;
}

// Number of records of a record page that its key and offset tables can
// hold: the stored count cut to what the block can contain (0 if negative).
size_t PageRecordCount(int32_t count, std::string_view pageBlock);

// Walks the records of a record page: for each record k that fits, moves a
// cursor over the page block to the record's body and calls
// visit(cursor, key, bodyPosition). The tables keep the stored count's
// geometry, so every record that fits reads as stored; a body starts offset
// bytes after the end of the offset table.
template <typename Visit>
void ForEachPageRecord(int32_t count, std::string_view pageBlock, Visit visit) {
  const size_t n = PageRecordCount(count, pageBlock);
  SegmentCursor tables(pageBlock);
  SegmentCursor body(pageBlock);
  const int64_t offsetsStart = 1 + 4 * static_cast<int64_t>(count);
  const int64_t bodiesStart = 1 + 8 * static_cast<int64_t>(count);
  for (size_t k = 0; k < n; ++k) {
    tables.MoveTo(1 + 4 * static_cast<int64_t>(k));
    const int32_t key = tables.ReadInt32();
    tables.MoveTo(offsetsStart + 4 * static_cast<int64_t>(k));
    const int64_t bodyPosition = bodiesStart + tables.ReadInt32();
    body.MoveTo(bodyPosition);
    visit(body, key, bodyPosition);
  }
}

// Bounds a count read from the file by what `remaining` bytes can hold when
// every element takes at least `minBytes` bytes. Negative counts are 0.
size_t BoundedCount(int64_t count, size_t remaining, size_t minBytes);

}  // namespace ec
