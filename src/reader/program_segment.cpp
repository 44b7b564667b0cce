#include "reader/program_segment.h"

#include "support/gbk_codec.h"


namespace ec {
namespace {

// The fewest bytes each body moves the cursor by: its int32 values and the
// lengths of its counted items and pages.
constexpr size_t kMinClassBody = 4 * 7;
constexpr size_t kMinSubroutineBody = 4 * 15;
constexpr size_t kMinDataTypeBody = 4 * 5;
constexpr size_t kMinDllCommandBody = 4 * 8;

ProgramHeader ReadProgramHeader(SegmentCursor& cursor) {
  ProgramHeader header;
  header.value1 = cursor.ReadInt32();
  header.value2 = cursor.ReadInt32();
  header.block3 = cursor.ReadCountedBytes();
  header.block4 = cursor.ReadCountedBytes();
  header.block5 = cursor.ReadCountedBytes();
  // Each library entry takes at least its 4-byte length.
  const size_t libraries = BoundedCountAt(cursor, cursor.ReadInt16(), 4);
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
  record.name.assign(cursor.ReadCountedTextView());
  record.remarks.assign(cursor.ReadCountedTextView());
  const int32_t byteLength = cursor.ReadInt32();
  record.memberKeys.resize(BoundedCountAt(cursor, byteLength / 4, 4));
  for (auto& key : record.memberKeys) key = cursor.ReadInt32();
  record.variables = ReadVariablePageAt(cursor);
}

// Every field is assigned in place, so a record read again and again keeps
// its buffers: the pending list allocates nothing once they are large enough.
void SkipVariablePage(SegmentCursor& cursor) {
  cursor.ReadInt32();  // record count
  cursor.SkipCountedBytes();
}

void ReadSubroutineBody(SegmentCursor& cursor, SubroutineRecord& record, bool skipBlocks, bool namesOnly) {
  record.leadingValue = cursor.ReadInt32();
  record.attributes = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (namesOnly) {
    cursor.SkipCountedBytes();  // remarks
    SkipVariablePage(cursor);
    SkipVariablePage(cursor);
  } else {
    record.remarks.assign(cursor.ReadCountedTextView());
    ReadVariablePageAt(cursor, record.leadingVariables);
    ReadVariablePageAt(cursor, record.parameters);
  }
  for (auto& block : record.trailingBlocks) {
    if (skipBlocks) {
      cursor.SkipCountedBytes();
      block.clear();
    } else {
      block.assign(cursor.ReadCountedView());
    }
  }
}

void ReadDataTypeBody(SegmentCursor& cursor, DataTypeRecord& record, bool namesOnly) {
  record.leadingValue = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (namesOnly) {
    cursor.SkipCountedBytes();  // remarks
    SkipVariablePage(cursor);
    return;
  }
  record.remarks.assign(cursor.ReadCountedTextView());
  record.members = ReadVariablePageAt(cursor);
}

void ReadDllCommandBody(SegmentCursor& cursor, DllCommandRecord& record, bool namesOnly) {
  record.leadingValue = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (namesOnly) {
    for (int text = 0; text < 3; ++text) cursor.SkipCountedBytes();  // remarks, library file, name in it
    SkipVariablePage(cursor);
    return;
  }
  record.remarks.assign(cursor.ReadCountedTextView());
  record.libraryFile.assign(cursor.ReadCountedTextView());
  record.nameInLibrary.assign(cursor.ReadCountedTextView());
  record.parameters = ReadVariablePageAt(cursor);
}

// Moves over a subroutine body exactly as ReadSubroutineBody does, and gives
// the same messages, without reading what it holds.
void SkipSubroutineBody(SegmentCursor& cursor) {
  for (int i = 0; i < 3; ++i) cursor.ReadInt32();
  cursor.SkipCountedBytes();  // name
  cursor.SkipCountedBytes();  // remarks
  for (int page = 0; page < 2; ++page) {
    cursor.ReadInt32();  // record count
    cursor.SkipCountedBytes();
  }
  for (int block = 0; block < 6; ++block) cursor.SkipCountedBytes();
}

// Steps over the subroutine list, giving its messages now, in the order of
// the segment.
PendingSubroutines StepOverSubroutines(SegmentCursor& cursor, bool skipBlocks, bool namesOnly) {
  PendingSubroutines pending;
  pending.index = ReadDeclarationIndex(cursor);
  pending.firstBody = cursor.Position();
  pending.skipBlocks = skipBlocks;
  pending.namesOnly = namesOnly;
  const size_t bodies =
      ForEachIndexedBody(cursor, pending.index, "子程序", [&](const IndexEntry&) { SkipSubroutineBody(cursor); });
  pending.index.resize(bodies);
  return pending;
}

ProgramSegment ReadProgram(std::string_view block, const ReaderOptions& options, bool inPlace, ReadReport* report) {
  SegmentCursor cursor(block, report);
  ProgramSegment segment;
  segment.header = ReadProgramHeader(cursor);
  if (options.programHeaderOnly) return segment;
  segment.classes = ReadIndexedList<ClassRecord>(cursor, "程序集", kMinClassBody, ReadClassBody);
  const bool skip = options.skipSubroutineBlocks, names = options.namesOnly;
  if (inPlace) {
    segment.pending = StepOverSubroutines(cursor, skip, names);
  } else {
    segment.subroutines = ReadIndexedList<SubroutineRecord>(cursor, "子程序", kMinSubroutineBody,
                                                            [skip, names](SegmentCursor& c, SubroutineRecord& r) {
                                                              ReadSubroutineBody(c, r, skip, names);
                                                            });
  }
  segment.globals = ReadVariablePageAt(cursor);
  segment.dataTypes = ReadIndexedList<DataTypeRecord>(
      cursor, "自定义数据类型", kMinDataTypeBody, [names](SegmentCursor& c, DataTypeRecord& r) { ReadDataTypeBody(c, r, names); });
  segment.dllCommands = ReadIndexedList<DllCommandRecord>(
      cursor, "DLL命令", kMinDllCommandBody, [names](SegmentCursor& c, DllCommandRecord& r) { ReadDllCommandBody(c, r, names); });
  return segment;
}

}  // namespace

ProgramSegment ReadProgramSegment(std::string_view block, const ReaderOptions& options, ReadReport* report) {
  return ReadProgram(block, options, false, report);
}

ProgramSegment ReadProgramSegment(std::shared_ptr<const std::string> block, const ReaderOptions& options,
                                  ReadReport* report) {
  const bool inPlace = options.subroutinesInPlace && !options.programHeaderOnly;
  ProgramSegment segment = ReadProgram(*block, options, inPlace, report);
  if (!segment.pending.index.empty()) segment.pending.block = std::move(block);
  return segment;
}

std::vector<IndexEntry> SubroutineEntries(const ProgramSegment& program) {
  std::vector<IndexEntry> entries;
  entries.reserve(program.subroutines.size() + program.pending.index.size());
  for (const SubroutineRecord& record : program.subroutines) entries.push_back(record.entry);
  entries.insert(entries.end(), program.pending.index.begin(), program.pending.index.end());
  return entries;
}

PendingSubroutineReader::PendingSubroutineReader(const PendingSubroutines& pending, ReadReport* found)
    : pending_(pending),
      found_(found),
      pages_{.quiet = found == nullptr},
      cursor_(pending.block ? std::string_view(*pending.block) : std::string_view(), &pages_) {
  cursor_.MoveTo(pending.firstBody);
  pages_.segment = Utf8ToGbk("程序段");
}

PendingSubroutineReader::~PendingSubroutineReader() {
  if (!found_) return;
  using Kind = ReadProblem::Kind;
  for (const ReadProblem& problem : pages_.problems)
    if (problem.kind == Kind::RecordOverlap || problem.kind == Kind::OverBudget || problem.kind == Kind::CountClamped)
      found_->Add(problem);
}

const SubroutineRecord* PendingSubroutineReader::Next() {
  if (!pending_.block || next_ >= pending_.index.size()) return nullptr;
  record_.entry = pending_.index[next_++];
  ReadSubroutineBody(cursor_, record_, pending_.skipBlocks, pending_.namesOnly);
  return &record_;
}

}  // namespace ec
