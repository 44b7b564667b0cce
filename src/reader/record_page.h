#pragma once
// The record page: the framing of a list of variables or constants. The page
// block holds count keys, count offsets, then the bodies; a body starts offset
// bytes after the end of the offset table.
//
// Each body is read within its own extent only: from its start to the start
// of the next body in the block, or to the end of the block. The offsets come
// from the file, and nothing stops a damaged page from pointing every record
// at one body; read in full each time, such a page would cost memory in the
// square of its size. Real pages lay their bodies back to back, so every
// extent is exactly its body. A record that starts where an earlier record of
// the page (in key order) starts, or outside the area after the tables, has an
// empty extent and reads as an exhausted cursor: zeros and empty texts.

#include <cstdint>
#include <string_view>
#include <vector>


namespace ec {

class RecordPage {
 public:
  RecordPage(int32_t count, std::string_view block);

  // Records whose key and offset the block can hold: the stored count cut to
  // what fits, 0 when negative. The tables keep the stored count's geometry.
  size_t size() const { return size_; }
  int32_t Key(size_t k) const;
  // 1-based start of record k's body in the block, as the offset gives it.
  int64_t BodyPosition(size_t k) const;
  // The bytes record k's body may be read from.
  std::string_view Body(size_t k) const;

 private:
  int32_t Offset(size_t k) const;
  bool InBodyArea(int64_t position) const;
  void ComputeExtentEnds();

  std::string_view block_;
  int64_t storedCount_ = 0;
  size_t size_ = 0;
  // Set for pages whose bodies are not in strictly ascending order inside the
  // body area (damaged pages only): each record's end position, 0 for none.
  std::vector<int64_t> ends_;
};

}  // namespace ec
