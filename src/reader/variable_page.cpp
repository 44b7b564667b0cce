#include "reader/variable_page.h"

#include "reader/declaration_index.h"

namespace ec {
namespace {

void ReadVariableBody(SegmentCursor& cursor, VariableRecord& record) {
  record.leadingValue = cursor.ReadInt32();
  record.typeCode = cursor.ReadInt32();
  record.attributeWord = cursor.ReadInt16();
  record.dimensionCount = cursor.ReadByte();
  record.dimensions.resize(BoundedCount(record.dimensionCount, cursor.Remaining(), 4));
  for (auto& dimension : record.dimensions) dimension = cursor.ReadInt32();
  record.name = cursor.ReadZeroText();
  record.remarks = cursor.ReadZeroText();
}

}  // namespace

std::vector<VariableRecord> ReadVariablePage(int32_t count, std::string_view pageBlock) {
  std::vector<VariableRecord> records;
  records.reserve(PageRecordCount(count, pageBlock));
  ForEachPageRecord(count, pageBlock, [&](SegmentCursor& cursor, int32_t key, int64_t bodyPosition) {
    VariableRecord& record = records.emplace_back();
    record.key = key;
    record.bodyPosition = bodyPosition;
    ReadVariableBody(cursor, record);
  });
  return records;
}

std::vector<VariableRecord> ReadVariablePageAt(SegmentCursor& cursor) {
  const int32_t count = cursor.ReadInt32();
  const std::string_view block = cursor.ReadCountedView();
  return ReadVariablePage(count, block);
}

}  // namespace ec
