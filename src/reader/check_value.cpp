#include "reader/check_value.h"

#include <bit>
#include <cstring>

namespace ec {

static_assert(std::endian::native == std::endian::little, "module integers are read as little-endian words");

int32_t CheckValue(std::string_view bytes) {
  uint32_t acc = 0;
  size_t i = 0;
  // Whole little-endian words first; memcpy keeps the loads aligned-safe.
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    acc ^= static_cast<uint32_t>(word) ^ static_cast<uint32_t>(word >> 32);
  }
  for (; i < bytes.size(); ++i)
    acc ^= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * (i % 4));
  return static_cast<int32_t>(acc);
}

}  // namespace ec
