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

void ReportReadProblem(ReadReport* report, ReadProblem::Kind kind, std::string_view message) {
  if (report && report->quiet) return;
  NoteReadFailure(report, message);
  if (report) report->AddInSegment(kind, message);
}

}  // namespace ec
