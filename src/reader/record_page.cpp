#include "reader/record_page.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "reader/declaration_index.h"

namespace ec {

RecordPage::RecordPage(int32_t count, std::string_view block)
    : block_(block), storedCount_(count), size_(BoundedCount(count, block.size(), 8)) {
  int64_t previous = 0;
  for (size_t k = 0; k < size_; ++k) {
    const int64_t position = BodyPosition(k);
    if (!InBodyArea(position) || position <= previous) {
      ComputeExtentEnds();
      return;
    }
    previous = position;
  }
}

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

int32_t RecordPage::Key(size_t k) const { return Int32At(block_, 4 * static_cast<int64_t>(k)); }

int32_t RecordPage::Offset(size_t k) const {
  return Int32At(block_, 4 * storedCount_ + 4 * static_cast<int64_t>(k));
}

int64_t RecordPage::BodyPosition(size_t k) const { return 1 + 8 * storedCount_ + Offset(k); }

bool RecordPage::InBodyArea(int64_t position) const {
  return position >= 1 + 8 * storedCount_ && position <= static_cast<int64_t>(block_.size());
}

void RecordPage::ComputeExtentEnds() {
  std::vector<std::pair<int64_t, size_t>> starts;  // (position, record) inside the body area
  for (size_t k = 0; k < size_; ++k)
    if (const int64_t position = BodyPosition(k); InBodyArea(position)) starts.emplace_back(position, k);
  // By start, then by record: of records sharing a start the first in key order owns it.
  std::sort(starts.begin(), starts.end());
  ends_.assign(size_, 0);
  const auto blockEnd = static_cast<int64_t>(block_.size()) + 1;
  for (size_t i = 0; i < starts.size(); ++i) {
    if (i > 0 && starts[i].first == starts[i - 1].first) continue;
    size_t next = i + 1;
    while (next < starts.size() && starts[next].first == starts[i].first) ++next;
    ends_[starts[i].second] = next < starts.size() ? starts[next].first : blockEnd;
  }
}

std::string_view RecordPage::Body(size_t k) const {
  const int64_t start = BodyPosition(k);
  const int64_t end = !ends_.empty()    ? ends_[k]
                      : k + 1 < size_ ? BodyPosition(k + 1)
                                      : static_cast<int64_t>(block_.size()) + 1;
  if (end == 0) return {};  // no extent of its own
  return block_.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start));
}

}  // namespace ec
