#include "reader/declaration_index.h"

#include <algorithm>

namespace ec {

size_t BoundedCount(int64_t count, size_t remaining, size_t minBytes) {
  if (count <= 0) return 0;
  return std::min(static_cast<size_t>(count), remaining / std::max<size_t>(minBytes, 1));
}

std::vector<IndexEntry> ReadDeclarationIndex(SegmentCursor& cursor) {
  const int32_t byteLength = cursor.ReadInt32();
  const size_t count = BoundedCount(byteLength / 8, cursor.Remaining(), 8);
  std::vector<IndexEntry> entries(count);
  for (auto& entry : entries) entry.key = cursor.ReadInt32();
  for (auto& entry : entries) entry.auxValue = cursor.ReadInt32();
  return entries;
}

RecordPageFrame ReadRecordPageFrame(int32_t count, std::string_view pageBlock) {
  RecordPageFrame frame;
  // Records the tables cannot hold are dropped, but the tables keep the
  // stored count's geometry, so every record that fits reads as stored.
  const size_t n = BoundedCount(count, pageBlock.size(), 8);
  if (n == 0) return frame;
  SegmentCursor cursor(pageBlock);
  frame.keys.resize(n);
  frame.bodyPositions.resize(n);
  for (auto& key : frame.keys) key = cursor.ReadInt32();
  cursor.MoveTo(1 + 4 * static_cast<int64_t>(count));
  // A body starts offset bytes after the end of the offset table.
  const int64_t bodiesStart = 1 + 8 * static_cast<int64_t>(count);
  for (auto& position : frame.bodyPositions) position = bodiesStart + cursor.ReadInt32();
  return frame;
}

}  // namespace ec
