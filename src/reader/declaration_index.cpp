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

}  // namespace ec
