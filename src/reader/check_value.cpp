#include "reader/check_value.h"

#include <bit>
#include <cstring>

namespace ec {

static_assert(std::endian::native == std::endian::little, "module integers are read as little-endian words");

int32_t CheckValue(std::string_view bytes) {
  // The value is the XOR of the data's little-endian 32-bit words (the last
  // one padded with zeros). XOR-ing 64-bit words and folding the halves at the
  // end gives the same, and the compiler can do it many words at a time.
  // Four independent lanes keep the processor's units busy.
  uint64_t lanes[4] = {};
  size_t i = 0;
  for (; i + 32 <= bytes.size(); i += 32) {
    uint64_t words[4];
    std::memcpy(words, bytes.data() + i, 32);
    for (int lane = 0; lane < 4; ++lane) lanes[lane] ^= words[lane];
  }
  uint64_t wide = lanes[0] ^ lanes[1] ^ lanes[2] ^ lanes[3];
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
