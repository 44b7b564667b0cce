#pragma once
// The memory one module's read may take. A page's own budget bounds what its
// records materialise together, but not what many small pages do, nor what
// the model makes of them: a crafted file of pages whose records share one
// body, or of records that each name a long type, would still cost many
// times its size. So the read as a whole carries a budget proportional to
// the file, charged for every record and text that the reader and the model
// built from it materialise. Once it is spent they stop, keep what they
// have, and the read reports "超出预算".

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace ec {

class ReadBudget {
 public:
  // kFactor times the file plus kConstant bytes. The program segment's bytes
  // stay in memory beside what is charged and the allocator keeps some slack,
  // so this keeps the whole of a read within six times the file plus 16 MB.
  // The largest real modules (tens of MB of subroutines) take about twice
  // their size.
  static constexpr uint64_t kFactor = 4;
  static constexpr uint64_t kConstant = 8ull << 20;

  ReadBudget() = default;  // without a limit
  explicit ReadBudget(uint64_t limit) : limit_(limit) {}
  static ReadBudget ForFile(uint64_t fileBytes) { return ReadBudget(kFactor * fileBytes + kConstant); }

  // Adds `bytes`; false once the total is over the limit.
  bool Charge(uint64_t bytes) {
    spent_ += bytes;
    overrun_ = overrun_ || spent_ > limit_;
    return spent_ <= limit_;
  }
  // Some charge went over the limit, even if refunds have since made room.
  bool Overrun() const { return overrun_; }
  // Gives back what was charged for memory since released.
  void Refund(uint64_t bytes) { spent_ -= std::min(bytes, spent_); }
  bool Exhausted() const { return spent_ > limit_; }
  uint64_t Remaining() const { return Exhausted() ? 0 : limit_ - spent_; }
  // Spends the rest: whoever charges next is refused.
  void Exhaust() {
    if (limit_ == std::numeric_limits<uint64_t>::max()) return;
    spent_ = std::max(spent_, limit_ + 1);
    overrun_ = true;
  }
  uint64_t Spent() const { return spent_; }
  uint64_t Limit() const { return limit_; }

 private:
  uint64_t limit_ = std::numeric_limits<uint64_t>::max();
  uint64_t spent_ = 0;
  bool overrun_ = false;
};

// What a text of `size` bytes costs on the heap: nothing while it fits in the
// string object itself, else its bytes, the closing zero and the allocator's
// header.
constexpr uint64_t TextCost(size_t size) { return size < 16 ? 0 : size + 1 + 16; }
inline uint64_t TextCost(const std::string& text) { return TextCost(text.size()); }

}  // namespace ec
