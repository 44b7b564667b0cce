#include "viewer/counted_text.h"

#include <algorithm>

namespace ec {

std::string_view TextWithoutCount(std::string_view text) {
  if (!text.ends_with(')')) return text;
  const size_t open = text.rfind('(');
  if (open == std::string_view::npos) return text;
  const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
  const bool counted =
      !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
  return counted ? text.substr(0, open) : text;
}

}  // namespace ec
