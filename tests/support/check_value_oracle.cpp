#include "tests/support/check_value_oracle.h"

#include <cstdint>
#include <cstring>

namespace ec::test {
namespace {

uint32_t Word(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

// The XOR of the input's little-endian words, the input padded with zeros.
uint32_t Xor(std::string_view bytes) {
  uint8_t acc[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < bytes.size(); ++i) acc[i % 4] ^= static_cast<uint8_t>(bytes[i]);
  uint32_t value;
  std::memcpy(&value, acc, 4);
  return value;
}

}  // namespace

bool AnyCheckValueMismatch(std::string_view file) {
  constexpr uint32_t kNodeFlag = 0x15117319;
  if (file.size() < 8 || file.substr(0, 8) != "CNWTEPRG") return false;
  for (size_t node = 8; node + 8 <= file.size();) {
    if (Word(file, node) != kNodeFlag || node + 100 > file.size()) return false;
    const std::string_view info = file.substr(node + 8, 92);
    const int32_t length = static_cast<int32_t>(Word(info, 48));
    const size_t dataLength = length > 0 ? static_cast<size_t>(length) : 0;
    if (dataLength > file.size() - node - 100) return false;  // cut short: reported as cut
    const std::string_view data = file.substr(node + 100, dataLength);
    if (Word(file, node + 4) != Xor(info) || Word(info, 44) != Xor(data)) return true;
    // A node whose name (after its key) is empty ends the module.
    const bool plainKey = info.substr(0, 4) == std::string_view("\x19\x73\x00\x07", 4);
    const uint8_t first = static_cast<uint8_t>(info[4]) ^ (plainKey ? 0 : static_cast<uint8_t>(info[1]));
    if (first == 0) return false;
    node += 100 + dataLength;
  }
  return false;
}

}  // namespace ec::test
