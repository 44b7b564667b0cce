#pragma once
// The record page: the framing of a list of variables or constants. The page
// block holds count keys, count offsets, then the bodies; a body starts offset
// bytes after the end of the offset table.
//
// Each body is read from its own start, bounded only by the end of the block,
// so a damaged offset in one record never cuts another. The offsets come from
// the file, and nothing stops a damaged page from pointing every record at one
// body; read in full each time, such a page would cost memory in the square
// of its size. So the page keeps a budget: what its records may materialise
// together is bounded by the page's bytes. Real pages lay their
// bodies back to back in key order and never come near it.

#include <cstdint>
#include <string_view>

namespace ec {

struct ReadReport;

class RecordPage {
 public:
  // What the records of a page may materialise together: kBudgetFactor times
  // its block plus kBudgetConstant bytes. Each record costs kRecordCharge
  // bytes besides its texts, dimensions and byte data. A well-formed page
  // never reaches its block's size: each record has at least 16 bytes of its
  // own (its key, offset and fixed fields) and its texts and data come from
  // its own body. Everything the model and the output build on top multiplies
  // this, so the budget stays at one block.
  static constexpr size_t kBudgetFactor = 1;
  static constexpr size_t kBudgetConstant = 16 * 1024;
  static constexpr size_t kRecordCharge = 16;

  RecordPage(int32_t count, std::string_view block);

  // Records whose key and offset the block can hold: the stored count cut to
  // what fits, 0 when negative. The tables keep the stored count's geometry.
  size_t size() const { return size_; }
  // The stored count was larger than the block can hold.
  bool CountClamped() const { return storedCount_ > 0 && static_cast<size_t>(storedCount_) > size_; }
  int32_t Key(size_t k) const;
  // 1-based start of record k's body in the block, as the offset gives it.
  int64_t BodyPosition(size_t k) const;
  // The bytes record k's body may be read from: from its start to the end of
  // the block; nothing when it starts outside the area after the tables.
  std::string_view Body(size_t k) const;

  // Notes that record k was read up to (not including) its body's position
  // `end`, having materialised `bytes` bytes. False once the page is over its
  // budget: the records after k are then not read.
  bool Read(size_t k, int64_t end, size_t bytes) {
    const int64_t start = BodyPosition(k);
    if (InBodyArea(start)) {
      if (start < previousEnd_) overlapping_ = true;
      previousEnd_ = start + end - 1;
    } else {
      outside_ = true;
    }
    spent_ += kRecordCharge + bytes;
    return spent_ <= budget_;
  }
  // A body started before the body read just before it had ended: bodies
  // that share bytes (aliased records) or lie out of key order.
  bool Overlapping() const { return overlapping_; }
  // A record's offset pointed before the bodies or past the block: its body
  // could not be read at all, and the record stands empty.
  bool Outside() const { return outside_; }
  bool OverBudget() const { return spent_ > budget_; }

 private:
  int32_t Offset(size_t k) const;
  bool InBodyArea(int64_t position) const {
    return position >= 1 + 8 * storedCount_ && position <= static_cast<int64_t>(block_.size());
  }

  std::string_view block_;
  int64_t storedCount_ = 0;
  size_t size_ = 0;
  size_t budget_ = 0;
  size_t spent_ = 0;
  int64_t previousEnd_ = 0;  // end of the body read last, 0 before the first
  bool overlapping_ = false;
  bool outside_ = false;
};

// Room to make up front for the records of a page: as many as its block holds
// when each has a body of its own (at least kMinOwnRecordBytes with its key
// and offset) and the read's budget can pay for, so that a well-formed page
// grows its list once. Records that share bodies grow it further as read.
constexpr size_t kMinOwnRecordBytes = 21;
size_t ExpectedRecords(const RecordPage& page, std::string_view block, size_t recordSize, const ReadReport* report);

// Reports, once for the page, that its bodies overlap, that a record's body
// lies outside it, that it went over its budget, or that a count in it
// (`clamped`) was larger than its bytes.
void ReportPageProblems(const RecordPage& page, bool clamped, ReadReport* report);

}  // namespace ec
