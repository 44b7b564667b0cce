#include "reader/record_page.h"

#include <algorithm>
#include <cstring>

#include "reader/declaration_index.h"
#include "reader/read_report.h"

namespace ec {
namespace {

// The int32 at a 0-based byte offset; bytes beyond the block read as 0.
int32_t Int32At(std::string_view block, int64_t offset) {
  int32_t value = 0;
  const auto size = static_cast<int64_t>(block.size());
  if (offset + 4 <= size)
    std::memcpy(&value, block.data() + offset, 4);
  else if (offset < size)
    std::memcpy(&value, block.data() + offset, static_cast<size_t>(size - offset));
  return value;
}

}  // namespace

RecordPage::RecordPage(int32_t count, std::string_view block)
    : block_(block),
      storedCount_(count),
      size_(BoundedCount(count, block.size(), 8)),
      budget_(kBudgetFactor * block.size() + kBudgetConstant) {}

int32_t RecordPage::Key(size_t k) const { return Int32At(block_, 4 * static_cast<int64_t>(k)); }

int32_t RecordPage::Offset(size_t k) const {
  return Int32At(block_, 4 * storedCount_ + 4 * static_cast<int64_t>(k));
}

int64_t RecordPage::BodyPosition(size_t k) const { return 1 + 8 * storedCount_ + Offset(k); }

std::string_view RecordPage::Body(size_t k) const {
  const int64_t start = BodyPosition(k);
  if (!InBodyArea(start)) return {};
  return block_.substr(static_cast<size_t>(start - 1));
}

size_t ExpectedRecords(const RecordPage& page, std::string_view block, size_t recordSize, const ReadReport* report) {
  size_t expected = std::min(page.size(), block.size() / kMinOwnRecordBytes + 1);
  // Every record charges at least its own size, so the read stops within one
  // record past the budget; room for that one keeps the list from doubling.
  if (report) expected = std::min<uint64_t>(expected, report->budget.Remaining() / recordSize + 1);
  return expected;
}

void ReportPageProblems(const RecordPage& page, bool clamped, ReadReport* report) {
  using Kind = ReadProblem::Kind;
  if (page.Overlapping()) ReportReadProblem(report, Kind::RecordOverlap, "记录重叠");
  if (page.Outside()) ReportReadProblem(report, Kind::RecordOutside, "记录偏移超出页");
  if (page.OverBudget()) ReportReadProblem(report, Kind::OverBudget, "超出预算");
  if (clamped) ReportReadProblem(report, Kind::CountClamped, "数量超出数据");
}

}  // namespace ec
