#include "reader/check_value.h"

#include <bit>
#include <cstring>

namespace ec {

static_assert(std::endian::native == std::endian::little, "module integers are read as little-endian words");

int32_t CheckValue(std::string_view bytes) {
  // The value is the XOR of the data's little-endian 32-bit words (the last
  // one padded with zeros). XOR-ing 64-bit words and folding the halves at the
  // end gives the same, and the compiler can do it many words at a time.
  // Four independent lanes keep the processor's units busy; plain locals
  // stay in registers.
  uint64_t lane0 = 0, lane1 = 0, lane2 = 0, lane3 = 0;
  size_t i = 0;
  const char* data = bytes.data();
  for (; i + 32 <= bytes.size(); i += 32) {
    uint64_t word0, word1, word2, word3;
    std::memcpy(&word0, data + i, 8);
    std::memcpy(&word1, data + i + 8, 8);
    std::memcpy(&word2, data + i + 16, 8);
    std::memcpy(&word3, data + i + 24, 8);
    lane0 ^= word0;
    lane1 ^= word1;
    lane2 ^= word2;
    lane3 ^= word3;
  }
  uint64_t wide = lane0 ^ lane1 ^ lane2 ^ lane3;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    wide ^= word;
  }
  uint32_t acc = static_cast<uint32_t>(wide) ^ static_cast<uint32_t>(wide >> 32);
  for (; i < bytes.size(); ++i)
    acc ^= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * (i % 4));
  return static_cast<int32_t>(acc);
}

}  // namespace ec
