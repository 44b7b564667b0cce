#include "tests/support/module_mutator.h"

#include <algorithm>
#include <cstring>

namespace ec::test {

std::string ModuleMutator::Next() {
  std::string bytes = originals_[Below(originals_.size())];
  const size_t mutations = 1 + Below(3);
  for (size_t i = 0; i < mutations && !bytes.empty(); ++i) Mutate(bytes);
  return bytes;
}

void ModuleMutator::Mutate(std::string& bytes) {
  const size_t at = Below(bytes.size());
  switch (Below(6)) {
    case 0:  // bit flips
      for (size_t n = 1 + Below(8); n > 0; --n) bytes[Below(bytes.size())] ^= static_cast<char>(1 << Below(8));
      break;
    case 1: {  // a run of 0xFF or 0x00
      const size_t length = std::min(1 + Below(64), bytes.size() - at);
      std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), length, Below(2) ? '\xFF' : '\0');
      break;
    }
    case 2: {  // a large or negative 4-byte field, on a 4-byte boundary
      static constexpr int32_t kValues[] = {0x7FFFFFFF, static_cast<int32_t>(0x80000000), -1, -8, 0x10000000, 65536};
      const int32_t value = kValues[Below(std::size(kValues))];
      const size_t field = at & ~size_t{3};
      if (field + 4 <= bytes.size()) std::memcpy(bytes.data() + field, &value, 4);
      break;
    }
    case 3:  // cut short
      bytes.resize(at);
      break;
    case 4: {  // a block duplicated in place
      const size_t length = std::min(1 + Below(4096), bytes.size() - at);
      bytes.insert(at, bytes.substr(at, length));
      break;
    }
    default: {  // the start of this module and the rest of another
      const std::string& other = originals_[Below(originals_.size())];
      const size_t from = Below(other.size());
      bytes = bytes.substr(0, at) + other.substr(from);
      break;
    }
  }
}

}  // namespace ec::test
