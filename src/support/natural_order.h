#pragma once
// Names ordered as people count: runs of digits compare by their value, so
// 2_x comes before 10_x, and letters compare without regard to ASCII case.
// File managers list module folders this way; the byte order of names
// (10_…, 19_…, 1_…) makes long lists of numbered modules hard to read.

#include <string_view>

namespace ec {

// <0, 0 or >0. Texts that differ only in case or in leading zeros fall back
// to their bytes, so two different texts never compare equal.
int NaturalCompare(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b) { return NaturalCompare(a, b) < 0; }

}  // namespace ec
