#include "reader/read_report.h"

#include "reader/last_read_error.h"

namespace ec {

void ReadReport::Add(ReadProblem problem) {
  if (problem.kind == ReadProblem::Kind::CheckValue)
    checksMismatch = true;
  else
    contentMissing = true;
  for (ReadProblem& listed : problems) {
    if (listed.kind == problem.kind && listed.segment == problem.segment && listed.message == problem.message) {
      listed.count += problem.count;
      return;
    }
  }
  if (problems.size() < kMaxProblems)
    problems.push_back(std::move(problem));
  else
    unlistedProblems += problem.count;
}

void ReadReport::AddInSegment(ReadProblem::Kind kind, std::string_view message) {
  Add({.kind = kind, .segment = segment, .message = std::string(message)});
}

void NoteReadFailure(ReadReport* report, std::string_view message) {
  if (report && report->quiet) return;
  SetLastReadError(message);
  if (report) report->lastMessage.assign(message);
}

bool ChargeRead(ReadReport* report, uint64_t bytes) {
  if (!report) return true;
  const bool reported = report->budget.Overrun();  // the read says it once
  if (report->budget.Charge(bytes)) return true;
  if (reported || report->quiet) return false;
  NoteReadFailure(report, "超出预算");
  report->Add({.kind = ReadProblem::Kind::ModuleOverBudget,
               .segment = report->segment,
               .message = "超出预算",
               .claimed = static_cast<int64_t>(report->budget.Limit())});
  return false;
}

void ReportReadProblem(ReadReport* report, ReadProblem::Kind kind, std::string_view message) {
  if (report && report->quiet) return;
  NoteReadFailure(report, message);
  if (report) report->AddInSegment(kind, message);
}

}  // namespace ec
