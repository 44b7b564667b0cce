#pragma once
// Raw records of the program segment ("程序段"): the module's declarations with
// their keys, type codes and attribute bits as stored. Texts are GBK bytes.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "reader/declaration_index.h"
#include "reader/read_report.h"
#include "reader/reader_options.h"
#include "reader/variable_page.h"

namespace ec {

struct ProgramHeader {
  int32_t value1 = 0;
  int32_t value2 = 0;
  std::string block3;
  std::string block4;
  std::string block5;
  std::vector<std::string> libraries;  // one library entry text each
  int32_t headerFlags = 0;             // bit value 1: block9 is present
  int32_t value8 = 0;
  std::string block9;  // 16 bytes when present
  std::string block10;
  std::string text11;
};

// A program set; one with a base type is a class.
struct ClassRecord {
  IndexEntry entry;  // entry.key is the type code by which declarations refer to a class
  int32_t leadingValue = 0;
  int32_t baseTypeCode = 0;  // 0 for an ordinary program set
  std::string name;
  std::string remarks;
  std::vector<int32_t> memberKeys;  // keys of the subroutines of this program set
  std::vector<VariableRecord> variables;
};

struct SubroutineRecord {
  static constexpr int32_t kPublic = 8;  // attributes bit: the subroutine is public
  IndexEntry entry;
  int32_t leadingValue = 0;
  int32_t attributes = 0;
  int32_t returnTypeCode = 0;
  std::string name;
  std::string remarks;
  std::vector<VariableRecord> leadingVariables;
  std::vector<VariableRecord> parameters;
  std::array<std::string, 6> trailingBlocks;
  bool operator==(const SubroutineRecord&) const = default;
};

struct DataTypeRecord {
  IndexEntry entry;  // entry.key is the type code of this data type
  int32_t leadingValue = 0;
  std::string name;
  std::string remarks;
  std::vector<VariableRecord> members;
  VariablePageRef membersInPlace;
};

struct DllCommandRecord {
  IndexEntry entry;
  int32_t leadingValue = 0;
  int32_t returnTypeCode = 0;
  std::string name;
  std::string remarks;
  std::string libraryFile;
  std::string nameInLibrary;
  std::vector<VariableRecord> parameters;
  VariablePageRef parametersInPlace;
};

// The subroutine list left in the segment's bytes (ReaderOptions::
// subroutinesInPlace): the list costs nothing beyond those bytes, and its
// records are read one at a time, each into the same record, when the caller
// takes them.
struct PendingSubroutines {
  std::shared_ptr<const std::string> block;  // the program segment's data block
  std::vector<IndexEntry> index;             // one entry per subroutine of the list
  int64_t firstBody = 0;  // position of the first body in the block
  bool skipBlocks = false;
  bool namesOnly = false;
  bool pagesInPlace = false;
};

struct ProgramSegment {
  ProgramHeader header;
  std::vector<ClassRecord> classes;
  std::vector<SubroutineRecord> subroutines;
  PendingSubroutines pending;  // the subroutines after those above, when left in place
  std::vector<VariableRecord> globals;
  VariablePageRef globalsInPlace;
  std::vector<DataTypeRecord> dataTypes;
  std::vector<DllCommandRecord> dllCommands;
  // The segment's bytes, kept while pages are left in place in them.
  std::shared_ptr<const std::string> block;
};

// What each record costs the read's budget (reader/read_budget.h): itself and
// its texts, without its variable pages, which are charged as they are read.
uint64_t RecordCost(const ClassRecord& record);
uint64_t RecordCost(const SubroutineRecord& record);
uint64_t RecordCost(const DataTypeRecord& record);
uint64_t RecordCost(const DllCommandRecord& record);

// Problems met go to `report` when given (reader/read_report.h).
ProgramSegment ReadProgramSegment(std::string_view block, const ReaderOptions& options, ReadReport* report = nullptr);
// The same for a block the segment may keep: with subroutinesInPlace set, the
// subroutines stay in it, unread.
ProgramSegment ReadProgramSegment(std::shared_ptr<const std::string> block, const ReaderOptions& options,
                                  ReadReport* report = nullptr);

// The GBK name of the program segment.
const std::string& ProgramSegmentName();

// Calls visit(const VariableRecord&) for every record of a page: those read
// already, then those left in place, read one at a time, whose problems go
// to `found` as the program segment's. Stops early when visit returns false.
template <typename Visit>
void ForEachVariable(const std::vector<VariableRecord>& read, const VariablePageRef& inPlace, ReadReport* found,
                     Visit visit) {
  for (const VariableRecord& record : read)
    if (!visit(record)) return;
  if (inPlace.block.empty()) return;
  VariablePageReader reader(inPlace, found, ProgramSegmentName());
  while (const VariableRecord* record = reader.Next())
    if (!visit(*record)) return;
}
// Index entries of every subroutine of the segment, in stored order.
std::vector<IndexEntry> SubroutineEntries(const ProgramSegment& program);

// Reads the pending subroutines one at a time, each into the same record.
// The messages of the segment's own bytes were given when it was stepped
// over; what only reading the variable pages finds out (overlapping records,
// a page over its budget, counts beyond their bytes) goes to `found`, when
// given, once the reader is done.
class PendingSubroutineReader {
 public:
  explicit PendingSubroutineReader(const PendingSubroutines& pending, ReadReport* found = nullptr);
  ~PendingSubroutineReader();
  PendingSubroutineReader(const PendingSubroutineReader&) = delete;
  PendingSubroutineReader& operator=(const PendingSubroutineReader&) = delete;
  // The next subroutine, valid until the next call; nullptr after the last.
  const SubroutineRecord* Next();
  // Its parameters when left in place (ReaderOptions::pagesInPlace). Not a
  // field of the record: a list of a hundred thousand records read at once
  // would grow by as many times its size.
  const VariablePageRef& ParametersInPlace() const { return parametersInPlace_; }

 private:
  const PendingSubroutines& pending_;
  ReadReport* found_;
  ReadReport pages_;
  SegmentCursor cursor_;
  size_t next_ = 0;
  SubroutineRecord record_;
  VariablePageRef parametersInPlace_;
  uint64_t recordCost_ = 0;  // what record_ was charged, given back when the next one replaces it
};

// Calls visit(const SubroutineRecord&) for every subroutine of the segment,
// in stored order: those read already, then the pending ones, whose pages'
// problems go to `found` when given. A visit that also takes a const
// VariablePageRef& is given the parameters left in place, if any.
template <typename Visit>
void ForEachSubroutine(const ProgramSegment& program, Visit visit, ReadReport* found = nullptr) {
  constexpr bool kWithPage = std::is_invocable_v<Visit, const SubroutineRecord&, const VariablePageRef&>;
  const auto call = [&](const SubroutineRecord& record, const VariablePageRef& inPlace) {
    if constexpr (kWithPage) visit(record, inPlace);
    else visit(record);
  };
  for (const SubroutineRecord& record : program.subroutines) call(record, {});
  PendingSubroutineReader pending(program.pending, found);
  while (const SubroutineRecord* record = pending.Next()) call(*record, pending.ParametersInPlace());
}

}  // namespace ec
