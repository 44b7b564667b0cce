#include "reader/program_segment.h"

namespace ec {
namespace {

ProgramHeader ReadProgramHeader(SegmentCursor& cursor) {
  ProgramHeader header;
  header.value1 = cursor.ReadInt32();
  header.value2 = cursor.ReadInt32();
  header.block3 = cursor.ReadCountedBytes();
  header.block4 = cursor.ReadCountedBytes();
  header.block5 = cursor.ReadCountedBytes();
  // Each library entry takes at least its 4-byte length.
  const size_t libraries = BoundedCount(cursor.ReadInt16(), cursor.Remaining(), 4);
  header.libraries.reserve(libraries);
  for (size_t i = 0; i < libraries; ++i) header.libraries.push_back(cursor.ReadCountedText());
  header.headerFlags = cursor.ReadInt32();
  header.value8 = cursor.ReadInt32();
  if (header.headerFlags & 1) header.block9 = cursor.ReadBytes(16);
  header.block10 = cursor.ReadCountedBytes();
  header.text11 = cursor.ReadCountedText();
  return header;
}

void ReadClassBody(SegmentCursor& cursor, ClassRecord& record) {
  record.leadingValue = cursor.ReadInt32();
  record.baseTypeCode = cursor.ReadInt32();
  record.name = cursor.ReadCountedText();
  record.remarks = cursor.ReadCountedText();
  const int32_t byteLength = cursor.ReadInt32();
  record.memberKeys.resize(BoundedCount(byteLength / 4, cursor.Remaining(), 4));
  for (auto& key : record.memberKeys) key = cursor.ReadInt32();
  record.variables = ReadVariablePageAt(cursor);
}

void ReadSubroutineBody(SegmentCursor& cursor, SubroutineRecord& record, bool skipBlocks) {
  record.leadingValue = cursor.ReadInt32();
  record.attributes = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name = cursor.ReadCountedText();
  record.remarks = cursor.ReadCountedText();
  record.leadingVariables = ReadVariablePageAt(cursor);
  record.parameters = ReadVariablePageAt(cursor);
  for (auto& block : record.trailingBlocks) {
    if (skipBlocks)
      cursor.SkipCountedBytes();
    else
      block = cursor.ReadCountedBytes();
  }
}

void ReadDataTypeBody(SegmentCursor& cursor, DataTypeRecord& record) {
  record.leadingValue = cursor.ReadInt32();
  record.name = cursor.ReadCountedText();
  record.remarks = cursor.ReadCountedText();
  record.members = ReadVariablePageAt(cursor);
}

void ReadDllCommandBody(SegmentCursor& cursor, DllCommandRecord& record) {
  record.leadingValue = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name = cursor.ReadCountedText();
  record.remarks = cursor.ReadCountedText();
  record.libraryFile = cursor.ReadCountedText();
  record.nameInLibrary = cursor.ReadCountedText();
  record.parameters = ReadVariablePageAt(cursor);
}

}  // namespace

ProgramSegment ReadProgramSegment(std::string_view block, const ReaderOptions& options) {
  SegmentCursor cursor(block);
  ProgramSegment segment;
  segment.header = ReadProgramHeader(cursor);
  if (options.programHeaderOnly) return segment;
  segment.classes = ReadIndexedList<ClassRecord>(cursor, ReadClassBody);
  segment.subroutines = ReadIndexedList<SubroutineRecord>(
      cursor, [skip = options.skipSubroutineBlocks](SegmentCursor& c, SubroutineRecord& r) {
        ReadSubroutineBody(c, r, skip);
      });
  segment.globals = ReadVariablePageAt(cursor);
  segment.dataTypes = ReadIndexedList<DataTypeRecord>(cursor, ReadDataTypeBody);
  segment.dllCommands = ReadIndexedList<DllCommandRecord>(cursor, ReadDllCommandBody);
  return segment;
}

}  // namespace ec
