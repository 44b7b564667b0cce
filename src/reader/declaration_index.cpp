#include "reader/declaration_index.h"

#include <algorithm>

#include "reader/read_report.h"

namespace ec {

size_t BoundedCount(int64_t count, size_t remaining, size_t minBytes) {
  if (count <= 0) return 0;
  return std::min(static_cast<size_t>(count), remaining / std::max<size_t>(minBytes, 1));
}

size_t BoundedCountAt(SegmentCursor& cursor, int64_t count, size_t minBytes) {
  const size_t fit = BoundedCount(count, cursor.Remaining(), minBytes);
  if (count > 0 && fit < static_cast<size_t>(count))
    ReportReadProblem(cursor.Report(), ReadProblem::Kind::CountClamped, "数量超出数据");
  return fit;
}

void ReportListCut(SegmentCursor& cursor, std::string_view list, size_t listed, size_t whole) {
  ReportReadProblem(cursor.Report(), ReadProblem::Kind::ListCut,
                    std::string(list) + "应有 " + std::to_string(listed) + " 个，只读到 " + std::to_string(whole) +
                        " 个完整的");
}

std::vector<IndexEntry> ReadDeclarationIndex(SegmentCursor& cursor) {
  const int32_t byteLength = cursor.ReadInt32();
  const size_t count = BoundedCountAt(cursor, byteLength / 8, 8);
  std::vector<IndexEntry> entries(count);
  for (auto& entry : entries) entry.key = cursor.ReadInt32();
  for (auto& entry : entries) entry.auxValue = cursor.ReadInt32();
  return entries;
}

}  // namespace ec
