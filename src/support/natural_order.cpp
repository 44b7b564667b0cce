#include "support/natural_order.h"

#include "support/plain_text.h"

namespace ec {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Folded(char c) { return static_cast<unsigned char>(LowerAscii(c)); }

// Compares the digit runs at a[i] and b[j] by value and moves past them.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  while (i < a.size() && a[i] == '0') ++i;
  while (j < b.size() && b[j] == '0') ++j;
  const size_t startA = i, startB = j;
  while (i < a.size() && IsDigit(a[i])) ++i;
  while (j < b.size() && IsDigit(b[j])) ++j;
  const size_t lengthA = i - startA, lengthB = j - startB;
  if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
  const int order = a.substr(startA, lengthA).compare(b.substr(startB, lengthB));
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int order = CompareNumbers(a, i, b, j); order != 0) return order;
      continue;
    }
    // UTF-8 bytes compare in code point order.
    const unsigned char x = Folded(a[i]), y = Folded(b[j]);
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  // Equal but for case or leading zeros: byte order keeps the order total.
  const int order = a.compare(b);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace ec
