#pragma once
#include <cstdint>
#include <string_view>

namespace ec {

// The 32-bit check value guarding node infos and data blocks: byte i of the
// input is XORed into accumulator byte i mod 4, and the four accumulator bytes
// are read as a little-endian int32 (0 for an empty input).
int32_t CheckValue(std::string_view bytes);

}  // namespace ec
