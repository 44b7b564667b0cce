#pragma once
// What went wrong while one module was read, kept so that a damaged module
// can be reported as such. LastReadError holds only the last message; this
// report holds each problem once, with where it was met and how often.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ec {

// Why a module could not be read at all.
enum class RejectReason {
  None,
  CannotOpen,   // "打开文件失败"
  HeaderFlag1,  // "头标志1错误": not a module file
  HeaderFlag2,  // "头标志2错误"
  Protected,    // "密码错误或头标志…错误": encoded with a password
};

struct ReadProblem {
  enum class Kind {
    Truncated,            // the file ends before the module does
    WrongNodeFlag,        // a segment node without the node flag ("Node标志错误")
    RepairFailed,         // a check value could not be written back ("修正失败[数据]", "修正失败[头]")
    NegativeLength,       // a length below zero ("Read Data Error")
    UnknownConstantType,  // "未知常量类型[n]"
    UnknownConstantPage,  // "未知常量页面[n]"
  };
  Kind kind = Kind::Truncated;
  std::string segment;  // GBK name of the segment it was met in; "" when none
  std::string message;  // the reader's message, as LastReadError got it
  uint64_t offset = 0;  // Truncated: the size of the file; WrongNodeFlag: the node's offset
  // Truncated inside a segment's data block: the bytes its node claims and the bytes present.
  int64_t claimed = 0;
  int64_t present = 0;
  int count = 1;  // times met in this segment with this message
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

  bool Complete() const { return rejected == RejectReason::None && problems.empty(); }
  // Adds a problem, or counts it again when the same kind, segment and message are listed.
  void Add(ReadProblem problem);
};

// Routes the problems the segment parsers meet into `report` while it lives,
// on this thread only. Scopes do not nest.
class ReadProblemScope {
 public:
  explicit ReadProblemScope(ReadReport& report);
  ~ReadProblemScope();
  ReadProblemScope(const ReadProblemScope&) = delete;
  ReadProblemScope& operator=(const ReadProblemScope&) = delete;
  // The segment (GBK name) whose data the parsers read from now on.
  void SetSegment(std::string_view gbkName);
};

// Sets LastReadError to `message` and records the problem in the report of
// the read in progress, if any. Nothing while reads are quiet (last_read_error.h).
void ReportReadProblem(ReadProblem::Kind kind, std::string_view message);

}  // namespace ec
