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
  uint64_t cost = 0;
  for (const std::string* text :
       {&header.block3, &header.block4, &header.block5, &header.block9, &header.block10, &header.text11})
    cost += TextCost(*text);
  for (const std::string& library : header.libraries) cost += sizeof library + TextCost(library);
  ChargeRead(cursor.Report(), cost);
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

// How the bodies of the lists are read (ReaderOptions).
struct BodyReading {
  bool skipBlocks = false;
  bool namesOnly = false;
  bool pagesInPlace = false;
};

// Pages smaller than this are read at once even when pages are left in
// place: held twice they cost little, and reading them at once is faster.
constexpr size_t kMinPageInPlace = 64 * 1024;

// Reads the page at the cursor into `records`, or leaves it in place at `ref`.
void ReadPage(SegmentCursor& cursor, bool inPlace, std::vector<VariableRecord>& records, VariablePageRef& ref) {
  const VariablePageRef page = VariablePageRefAt(cursor);
  if (inPlace && page.block.size() >= kMinPageInPlace) {
    records.clear();
    ref = page;
  } else {
    ref = {};
    ReadVariablePageInto(page.count, page.block, records, cursor.Report());
  }
}

// With pagesInPlace, the parameters are left in place at `parametersInPlace`.
void ReadSubroutineBody(SegmentCursor& cursor, SubroutineRecord& record, const BodyReading& how,
                        VariablePageRef* parametersInPlace = nullptr) {
  record.leadingValue = cursor.ReadInt32();
  record.attributes = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (how.namesOnly) {
    cursor.SkipCountedBytes();  // remarks
    SkipVariablePage(cursor);
    SkipVariablePage(cursor);
  } else {
    record.remarks.assign(cursor.ReadCountedTextView());
    ReadVariablePageAt(cursor, record.leadingVariables);
    VariablePageRef unused;
    ReadPage(cursor, how.pagesInPlace && parametersInPlace, record.parameters,
             parametersInPlace ? *parametersInPlace : unused);
  }
  for (auto& block : record.trailingBlocks) {
    if (how.skipBlocks) {
      cursor.SkipCountedBytes();
      block.clear();
    } else {
      block.assign(cursor.ReadCountedView());
    }
  }
}

void ReadDataTypeBody(SegmentCursor& cursor, DataTypeRecord& record, const BodyReading& how) {
  record.leadingValue = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (how.namesOnly) {
    cursor.SkipCountedBytes();  // remarks
    SkipVariablePage(cursor);
    return;
  }
  record.remarks.assign(cursor.ReadCountedTextView());
  ReadPage(cursor, how.pagesInPlace, record.members, record.membersInPlace);
}

void ReadDllCommandBody(SegmentCursor& cursor, DllCommandRecord& record, const BodyReading& how) {
  record.leadingValue = cursor.ReadInt32();
  record.returnTypeCode = cursor.ReadInt32();
  record.name.assign(cursor.ReadCountedTextView());
  if (how.namesOnly) {
    for (int text = 0; text < 3; ++text) cursor.SkipCountedBytes();  // remarks, library file, name in it
    SkipVariablePage(cursor);
    return;
  }
  record.remarks.assign(cursor.ReadCountedTextView());
  record.libraryFile.assign(cursor.ReadCountedTextView());
  record.nameInLibrary.assign(cursor.ReadCountedTextView());
  ReadPage(cursor, how.pagesInPlace, record.parameters, record.parametersInPlace);
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
PendingSubroutines StepOverSubroutines(SegmentCursor& cursor, const BodyReading& how) {
  PendingSubroutines pending;
  pending.index = ReadDeclarationIndex(cursor);
  pending.firstBody = cursor.Position();
  pending.skipBlocks = how.skipBlocks;
  pending.namesOnly = how.namesOnly;
  pending.pagesInPlace = how.pagesInPlace;
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
  // A list stopped by the budget leaves the cursor inside it: nothing after
  // it can be read from there, and nothing more may be materialised anyway.
  if (BudgetSpent(report)) return segment;
  // Pages are left in place only in a block the segment keeps. A read for
  // names only steps over the pages of the bodies, but still converts the
  // globals: their page, too, is read one record at a time into the model.
  const BodyReading how{options.skipSubroutineBlocks, options.namesOnly, inPlace && options.pagesInPlace};
  if (inPlace) {
    segment.pending = StepOverSubroutines(cursor, how);
  } else {
    segment.subroutines = ReadIndexedList<SubroutineRecord>(
        cursor, "子程序", kMinSubroutineBody,
        [how](SegmentCursor& c, SubroutineRecord& r) { ReadSubroutineBody(c, r, how); });
  }
  if (BudgetSpent(report)) return segment;
  ReadPage(cursor, how.pagesInPlace, segment.globals, segment.globalsInPlace);
  segment.dataTypes =
      ReadIndexedList<DataTypeRecord>(cursor, "自定义数据类型", kMinDataTypeBody,
                                      [how](SegmentCursor& c, DataTypeRecord& r) { ReadDataTypeBody(c, r, how); });
  if (BudgetSpent(report)) return segment;
  segment.dllCommands = ReadIndexedList<DllCommandRecord>(
      cursor, "DLL命令", kMinDllCommandBody,
      [how](SegmentCursor& c, DllCommandRecord& r) { ReadDllCommandBody(c, r, how); });
  return segment;
}

}  // namespace

uint64_t RecordCost(const ClassRecord& record) {
  const uint64_t keys = record.memberKeys.empty() ? 0 : 4 * record.memberKeys.size() + 16;
  return sizeof record + TextCost(record.name) + TextCost(record.remarks) + keys;
}

uint64_t RecordCost(const SubroutineRecord& record) {
  uint64_t cost = sizeof record + TextCost(record.name) + TextCost(record.remarks);
  for (const std::string& block : record.trailingBlocks) cost += TextCost(block);
  return cost;
}

uint64_t RecordCost(const DataTypeRecord& record) {
  return sizeof record + TextCost(record.name) + TextCost(record.remarks);
}

uint64_t RecordCost(const DllCommandRecord& record) {
  return sizeof record + TextCost(record.name) + TextCost(record.remarks) + TextCost(record.libraryFile) +
         TextCost(record.nameInLibrary);
}

ProgramSegment ReadProgramSegment(std::string_view block, const ReaderOptions& options, ReadReport* report) {
  return ReadProgram(block, options, false, report);
}

ProgramSegment ReadProgramSegment(std::shared_ptr<const std::string> block, const ReaderOptions& options,
                                  ReadReport* report) {
  const bool inPlace = options.subroutinesInPlace && !options.programHeaderOnly;
  ProgramSegment segment = ReadProgram(*block, options, inPlace, report);
  if (!segment.pending.index.empty()) segment.pending.block = block;
  if (inPlace && options.pagesInPlace) segment.block = std::move(block);
  return segment;
}

const std::string& ProgramSegmentName() {
  static const std::string name = Utf8ToGbk("程序段");
  return name;
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
  pages_.segment = ProgramSegmentName();
}

PendingSubroutineReader::~PendingSubroutineReader() {
  if (!found_) return;
  found_->budget.Refund(recordCost_);
  using Kind = ReadProblem::Kind;
  for (const ReadProblem& problem : pages_.problems)
    if (problem.kind == Kind::RecordOverlap || problem.kind == Kind::RecordOutside || problem.kind == Kind::OverBudget ||
        problem.kind == Kind::CountClamped)
      found_->Add(problem);
    else if (problem.kind == Kind::ModuleOverBudget)  // the pages' budget was what the read had left
      found_->Add({.kind = problem.kind,
                   .segment = problem.segment,
                   .message = problem.message,
                   .claimed = static_cast<int64_t>(found_->budget.Limit())});
}

const SubroutineRecord* PendingSubroutineReader::Next() {
  if (!pending_.block || next_ >= pending_.index.size() || BudgetSpent(found_)) return nullptr;
  // The one record read again and again is charged to the read while it
  // holds a subroutine, beside what the caller makes of it.
  if (found_) {
    found_->budget.Refund(recordCost_);
    pages_.budget = found_->budget;
  }
  const uint64_t before = pages_.budget.Spent();
  record_.entry = pending_.index[next_++];
  ReadSubroutineBody(cursor_, record_, {pending_.skipBlocks, pending_.namesOnly, pending_.pagesInPlace},
                     &parametersInPlace_);
  ChargeRead(&pages_, RecordCost(record_));
  recordCost_ = pages_.budget.Spent() - before;
  if (found_) found_->budget = pages_.budget;
  return &record_;
}

}  // namespace ec
