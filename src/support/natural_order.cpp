#include "support/natural_order.h"

#include "support/plain_text.h"

namespace ec {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares the digit runs starting at `i` and `j` by value, however long
// they are; advances both past their runs.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  while (i < a.size() && a[i] == '0') ++i;
  while (j < b.size() && b[j] == '0') ++j;
  const size_t startA = i, startB = j;
  while (i < a.size() && IsDigit(a[i])) ++i;
  while (j < b.size() && IsDigit(b[j])) ++j;
  const std::string_view digitsA = a.substr(startA, i - startA), digitsB = b.substr(startB, j - startB);
  if (digitsA.size() != digitsB.size()) return digitsA.size() < digitsB.size() ? -1 : 1;
  return digitsA.compare(digitsB);
}

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int order = CompareNumbers(a, i, b, j); order != 0) return order;
      continue;
    }
    // UTF-8 bytes compare in code-point order, so Chinese names keep the order of their characters.
    const auto ca = static_cast<unsigned char>(LowerAscii(a[i])), cb = static_cast<unsigned char>(LowerAscii(b[j]));
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return a.compare(b);
}

}  // namespace ec
