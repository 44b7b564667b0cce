#pragma once
// Seeded damage to module bytes, as modules passed around are damaged: bit
// flips, runs of 0xFF or 0x00, large and negative 4-byte fields, cut files,
// duplicated blocks, and two modules spliced into one.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ec::test {

class ModuleMutator {
 public:
  ModuleMutator(std::vector<std::string> originals, uint32_t seed) : originals_(std::move(originals)), random_(seed) {}
  // The next damaged copy of one of the originals (one to three mutations).
  std::string Next();

 private:
  size_t Below(size_t bound) { return bound == 0 ? 0 : std::uniform_int_distribution<size_t>(0, bound - 1)(random_); }
  void Mutate(std::string& bytes);

  std::vector<std::string> originals_;
  std::mt19937 random_;
};

}  // namespace ec::test
