#pragma once
// The order in which people expect numbered file names: 模块2 before 模块10,
// runs of digits compared by their value, other characters by code point
// with ASCII letters folded, so "A.ec" and "a.ec" sit together.

#include <string_view>

namespace ec {

// Three-way comparison; 0 only for texts that are the same byte for byte.
int NaturalCompare(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b) { return NaturalCompare(a, b) < 0; }

}  // namespace ec
