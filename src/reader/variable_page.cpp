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
  const RecordPageFrame frame = ReadRecordPageFrame(count, pageBlock);
  std::vector<VariableRecord> records(frame.keys.size());
  SegmentCursor cursor(pageBlock);
  for (size_t k = 0; k < records.size(); ++k) {
    records[k].key = frame.keys[k];
    records[k].bodyPosition = frame.bodyPositions[k];
    cursor.MoveTo(frame.bodyPositions[k]);
    ReadVariableBody(cursor, records[k]);
  }
  return records;
}

std::vector<VariableRecord> ReadVariablePageAt(SegmentCursor& cursor) {
  const int32_t count = cursor.ReadInt32();
  const std::string_view block = cursor.ReadCountedView();
  return ReadVariablePage(count, block);
}

}  // namespace ec
