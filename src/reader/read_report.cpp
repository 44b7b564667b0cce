#include "reader/read_report.h"

#include "reader/last_read_error.h"

namespace ec {
namespace {

struct ActiveRead {
  ReadReport* report = nullptr;
  std::string segment;
};
thread_local ActiveRead g_active;

}  // namespace

void ReadReport::Add(ReadProblem problem) {
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

ReadProblemScope::ReadProblemScope(ReadReport& report) { g_active = {&report, {}}; }
ReadProblemScope::~ReadProblemScope() { g_active = {}; }
void ReadProblemScope::SetSegment(std::string_view gbkName) { g_active.segment.assign(gbkName); }

void ReportReadProblem(ReadProblem::Kind kind, std::string_view message) {
  if (ReadsAreQuiet()) return;
  SetLastReadError(message);
  if (g_active.report)
    g_active.report->Add({.kind = kind, .segment = g_active.segment, .message = std::string(message)});
}

}  // namespace ec
