#pragma once
// Bounded reads of typed values out of one segment data block.
//
// The position is 1-based, as the file format counts it. Fixed-size reads take
// their bytes from the position on; bytes beyond the end of the block read as 0,
// so a damaged block yields zeros and empty texts instead of reading outside it.
// Once a fixed-size or zero-terminated read reaches the end of the block the
// cursor is exhausted (a sticky flag that lists use to stop early).

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ec {

struct ReadReport;

class SegmentCursor {
 public:
  // Problems met through the cursor go to `report` (none when nullptr); the
  // cursors of a segment's pages are given the segment cursor's report.
  explicit SegmentCursor(std::string_view block, ReadReport* report = nullptr) : block_(block), report_(report) {}
  // The cursor only views its block; a temporary string would die under it.
  explicit SegmentCursor(std::string&&, ReadReport* = nullptr) = delete;

  uint8_t ReadByte() { return ReadScalar<uint8_t>(); }
  int16_t ReadInt16() { return ReadScalar<int16_t>(); }
  int32_t ReadInt32() { return ReadScalar<int32_t>(); }
  double ReadDouble() { return ReadScalar<double>(); }
  bool ReadLogical();
  // An OLE automation date (days), clamped to the range the format allows.
  double ReadDateTime();
  // Bytes up to the next zero byte (consumed); the rest of the block when none.
  std::string ReadZeroText() { return std::string(ReadZeroView()); }
  std::string_view ReadZeroView();
  // n bytes from the position (fewer at the end of the block). A negative n
  // sets "Read Data Error" and leaves the cursor alone.
  std::string ReadBytes(int32_t n);
  std::string ReadCountedBytes();
  // The same bytes as a view into the block, for blocks parsed in place.
  std::string_view ReadBytesView(int32_t n);
  std::string_view ReadCountedView();
  // Counted bytes cut at their first zero byte.
  std::string ReadCountedText() { return std::string(ReadCountedTextView()); }
  std::string_view ReadCountedTextView();
  // Steps over counted bytes without copying them.
  void SkipCountedBytes() {
    const int32_t n = ReadInt32();
    // A negative length is damage, handled as counted bytes handle it rather
    // than stepping back over bytes already read.
    if (n < 0)
      ReportNegativeLength();
    else
      pos_ += n;
  }

  // Moves to a 1-based position; the exhausted flag starts afresh there. A
  // position before the block lies outside it: the cursor goes past the end,
  // so nothing is read and no byte of the block is read again.
  void MoveTo(int64_t position);
  // Gives up the rest of the block: the cursor is exhausted.
  void SkipToEnd() { MoveTo(static_cast<int64_t>(block_.size()) + 1); }
  int64_t Position() const { return pos_; }
  bool Exhausted() const { return exhausted_; }
  // Bytes from the position to the end of the block: the most any count read
  // here can still be backed by.
  size_t Remaining() const;
  // A read wanted bytes beyond the end of the block: what it gave is cut.
  bool Overrun() const { return pos_ > static_cast<int64_t>(block_.size()) + 1; }
  ReadReport* Report() const { return report_; }

 private:
  // The common case inline: the whole value lies inside the block.
  template <typename T>
  T ReadScalar() {
    T value;
    if (pos_ >= 1 && pos_ + static_cast<int64_t>(sizeof(T)) <= static_cast<int64_t>(block_.size())) {
      std::memcpy(&value, block_.data() + Offset(), sizeof(T));
      pos_ += sizeof(T);
    } else {
      ReadFixed(&value, sizeof(T));
    }
    return value;
  }
  void ReportNegativeLength() const;
  // Copies `size` bytes from the position into out (zero beyond the end),
  // advances and updates the exhausted flag.
  void ReadFixed(void* out, size_t size);
  // 0-based offset of the position; only valid while Remaining() > 0.
  size_t Offset() const { return static_cast<size_t>(pos_ - 1); }

  std::string_view block_;
  ReadReport* report_ = nullptr;
  int64_t pos_ = 1;
  bool exhausted_ = false;
};

}  // namespace ec
