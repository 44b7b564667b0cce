#pragma once
// Node texts of the module tree end with the count of what they hold
// ("子程序集合(9)"). Adding a declaration changes the counts, so a node is
// found again after a reload by its text without that count.

#include <string_view>

namespace ec {

// The text without a trailing "(digits)"; other texts as they are.
std::string_view TextWithoutCount(std::string_view text);

}  // namespace ec
