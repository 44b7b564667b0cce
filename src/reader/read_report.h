#pragma once
// What went wrong while one module was read, kept so that a damaged module
// can be reported as such. LastReadError holds only the last message; this
// report holds each problem once, with where it was met and how often. The
// parsers get the report handed down with their cursor, so two reads never
// share one.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/read_budget.h"

namespace ec {

// Why a module could not be read at all.
enum class RejectReason {
  None,
  CannotOpen,   // "打开文件失败"
  HeaderFlag1,  // "头标志1错误": not a module file
  HeaderFlag2,  // "头标志2错误"
  Protected,    // "密码错误或头标志…错误": encoded with a password
  TooLarge,     // larger than any module: refused before anything is read
};

struct ReadProblem {
  enum class Kind {
    Truncated,            // the file ends before the module does
    WrongNodeFlag,        // a segment node without the node flag ("Node标志错误")
    RepairFailed,         // a check value could not be written back ("修正失败[数据]", "修正失败[头]")
    NegativeLength,       // a length below zero ("Read Data Error")
    UnknownConstantType,  // "未知常量类型[n]"
    UnknownConstantPage,  // "未知常量页面[n]"
    CheckValue,           // a stored check value that does not match its bytes (content intact, maybe altered)
    RecordOverlap,        // record bodies of a page that overlap or run out of order ("记录重叠")
    RecordOutside,        // a record whose offset points outside its page's bodies ("记录偏移超出页")
    OverBudget,           // a page whose records would take more memory than its bytes allow ("超出预算")
    CountClamped,         // a count larger than the bytes that follow it can hold
    ListCut,              // a segment that ends inside one of its lists
    ProgramMissing,       // no "程序段", while a segment of an unknown name stands where it goes
    ModuleOverBudget,     // the read as a whole spent its memory budget ("超出预算"); the rest was not read
  };
  Kind kind = Kind::Truncated;
  std::string segment;  // GBK name of the segment it was met in; "" when none
  std::string message;  // the reader's message, as LastReadError got it
  uint64_t offset = 0;  // Truncated: the size of the file; WrongNodeFlag: the node's offset
  // Truncated inside a segment's data block: the bytes its node claims and the bytes present.
  // ModuleOverBudget: `claimed` is the budget's limit in bytes.
  int64_t claimed = 0;
  int64_t present = 0;
  int count = 1;  // times met in this segment with this message
  bool rewritten = false;  // CheckValue: the values were then written back to the file
  bool operator==(const ReadProblem&) const = default;
};

struct ReadReport {
  // Distinct problems beyond this many are only counted: a hostile file can
  // hold as many as it has bytes.
  static constexpr size_t kMaxProblems = 20;

  RejectReason rejected = RejectReason::None;
  std::vector<ReadProblem> problems;
  int64_t unlistedProblems = 0;
  int repairedSegments = 0;  // nodes whose check values were rewritten in the file
  bool contentMissing = false;  // a problem other than a check value was met (also among the unlisted)
  bool checksMismatch = false;  // a stored check value did not match its bytes
  std::string lastMessage;      // the reader's last failure message in this read (UTF-8)
  std::string segment;          // GBK name of the segment being parsed, for the problems met in it
  // Set for reading again what an earlier read has already reported: nothing is added.
  bool quiet = false;
  // What this read may still materialise (reader/read_budget.h); no limit unless the file reader sets one.
  ReadBudget budget;

  // Every byte the module holds was read (check values may still mismatch).
  bool Complete() const { return rejected == RejectReason::None && !contentMissing; }
  bool ChecksMatch() const { return !checksMismatch; }
  // Adds a problem, or counts it again when the same kind, segment and message are listed.
  void Add(ReadProblem problem);
  // Adds a problem met in the segment being parsed, with the reader's message.
  void AddInSegment(ReadProblem::Kind kind, std::string_view message);
};

// While it lives, the problems added to `report` are met in `segment` (GBK;
// nothing changes when it is empty or there is no report).
class InSegment {
 public:
  InSegment(ReadReport* report, std::string_view segment) : report_(segment.empty() ? nullptr : report) {
    if (report_) before_ = std::exchange(report_->segment, std::string(segment));
  }
  ~InSegment() {
    if (report_) report_->segment = std::move(before_);
  }
  InSegment(const InSegment&) = delete;
  InSegment& operator=(const InSegment&) = delete;

 private:
  ReadReport* report_;
  std::string before_;
};

// Sets LastReadError and the report's last message to `message` and records
// the problem in `report` (nullptr: only LastReadError). Nothing for a quiet report.
void ReportReadProblem(ReadReport* report, ReadProblem::Kind kind, std::string_view message);
// Charges `bytes` to the report's budget; false once it is spent. The first
// charge past it reports the problem. Always true without a report.
bool ChargeRead(ReadReport* report, uint64_t bytes);
// The report's budget is spent: nothing more is to be materialised.
inline bool BudgetSpent(const ReadReport* report) { return report && report->budget.Exhausted(); }
// The same for a failure that is not a problem of its own (a rejection, an unknown segment).
void NoteReadFailure(ReadReport* report, std::string_view message);

}  // namespace ec
