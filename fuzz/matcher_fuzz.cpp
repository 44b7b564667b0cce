// Random patterns (or wildcard texts), subjects and replacements through the
// regular-expression wrapper. Input: one option byte, then pattern, subject
// and replacement separated by zero bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/gbk_codec.h"
#include "support/regex_matcher.h"

namespace {

std::string_view NextPart(std::string_view& rest) {
  const size_t zero = rest.find('\0');
  const std::string_view part = rest.substr(0, zero);
  rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
  return part;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    std::string again;
    ec::AppendUtf8(again, ec::NextUtf8(text, pos));
    if (again != text.substr(start, pos - start)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 4096) return 0;
  const uint8_t options = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view pattern_text = NextPart(rest);
  const std::string_view subject = NextPart(rest);
  const std::string_view replacement = rest;

  const bool wildcard = options & 8;
  const bool global = options & 4;
  const std::string pattern = wildcard ? ec::WildcardToPattern(pattern_text) : std::string(pattern_text);

  ec::RegexMatcher matcher;
  const bool valid = matcher.CreateMatcher(pattern, options & 1, options & 2, global);
  // Every wildcard text of valid UTF-8 must make a valid pattern.
  if (wildcard && !valid && IsValidUtf8(pattern_text)) abort();
  if (!valid && matcher.ErrorText().empty()) abort();

  const int count = matcher.MatchCount(subject);
  if (count < 0 || (!global && count > 1)) abort();
  const std::string replaced = matcher.ReplaceAll(subject, replacement);
  if (count == 0 && replaced != subject) abort();
  if (count > 0 && replacement == "$&" && replaced != subject) abort();
  return 0;
}
