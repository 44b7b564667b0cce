#include "reader/segment_cursor.h"

#include <algorithm>
#include <cstring>

#include "reader/read_report.h"

namespace ec {
namespace {
constexpr double kMinDate = -657434.0;   // 1 January 100
constexpr double kMaxDate = 2958465.0;   // 31 December 9999
constexpr std::string_view kReadDataError = "Read Data Error";
}  // namespace

size_t SegmentCursor::Remaining() const {
  const int64_t left = static_cast<int64_t>(block_.size()) - (pos_ - 1);
  return left > 0 ? static_cast<size_t>(left) : 0;
}

void SegmentCursor::ReadFixed(void* out, size_t size) {
  std::memset(out, 0, size);
  const size_t available = std::min(size, Remaining());
  if (available > 0) std::memcpy(out, block_.data() + Offset(), available);
  pos_ += static_cast<int64_t>(size);
  if (pos_ > static_cast<int64_t>(block_.size())) exhausted_ = true;
}

bool SegmentCursor::ReadLogical() { return ReadInt32() != 0; }

double SegmentCursor::ReadDateTime() {
  const double days = ReadDouble();
  // Written so that a NaN, which fails every comparison, takes the lower bound.
  if (!(days >= kMinDate)) return kMinDate;
  if (days > kMaxDate) return kMaxDate;
  return days;
}

std::string_view SegmentCursor::ReadZeroView() {
  const size_t left = Remaining();
  if (left == 0) {
    // The text's closing zero would lie beyond the block: a read past its end.
    exhausted_ = true;
    pos_ = std::max<int64_t>(pos_, static_cast<int64_t>(block_.size()) + 2);
    return {};
  }
  const std::string_view rest = block_.substr(Offset(), left);
  const size_t zero = rest.find('\0');
  const size_t length = zero == std::string_view::npos ? left : zero;
  pos_ += static_cast<int64_t>(zero == std::string_view::npos ? left : zero + 1);
  if (pos_ > static_cast<int64_t>(block_.size())) exhausted_ = true;
  return rest.substr(0, length);
}

void SegmentCursor::ReportNegativeLength() const {
  ReportReadProblem(report_, ReadProblem::Kind::NegativeLength, kReadDataError);
}

std::string_view SegmentCursor::ReadBytesView(int32_t n) {
  if (n < 0) {
    ReportNegativeLength();
    return {};
  }
  const size_t take = std::min(static_cast<size_t>(n), Remaining());
  const std::string_view bytes = take ? block_.substr(Offset(), take) : std::string_view();
  pos_ += n;
  return bytes;
}

std::string SegmentCursor::ReadBytes(int32_t n) { return std::string(ReadBytesView(n)); }

std::string_view SegmentCursor::ReadCountedView() { return ReadBytesView(ReadInt32()); }

std::string SegmentCursor::ReadCountedBytes() { return ReadBytes(ReadInt32()); }

std::string_view SegmentCursor::ReadCountedTextView() {
  const std::string_view bytes = ReadCountedView();
  return bytes.substr(0, bytes.find('\0'));
}

void SegmentCursor::MoveTo(int64_t position) {
  const auto end = static_cast<int64_t>(block_.size()) + 1;
  pos_ = position < 1 ? end : position;
  exhausted_ = pos_ >= end;
}

}  // namespace ec
