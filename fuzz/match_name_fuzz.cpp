// Random search texts and names through the name matching. Input: search
// text, a zero byte, the name. Plain searches are checked against a direct,
// slow rendering of the matching rules.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "search/name_matcher.h"
#include "support/gbk_codec.h"
#include "support/pinyin.h"

namespace {

std::vector<std::string> Characters(std::string_view text) {
  std::vector<std::string> out;
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    ec::NextUtf8(text, pos);
    out.emplace_back(text.substr(start, pos - start));
  }
  return out;
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Index of the first character of `chars` equal to `c`, or -1.
long Find(const std::vector<std::string>& chars, const std::string& c) {
  for (size_t i = 0; i < chars.size(); ++i)
    if (chars[i] == c) return static_cast<long>(i);
  return -1;
}

bool ReferencePlainMatch(std::string_view search, std::string_view name) {
  const std::vector<std::string> s = Characters(search), n = Characters(name);
  if (s.size() > n.size()) return false;
  for (size_t first = 0; first + s.size() <= n.size(); ++first) {
    size_t i = 0;
    while (i < s.size() && Lower(s[i]) == Lower(n[first + i])) ++i;
    if (i == s.size()) return true;
  }
  std::vector<std::string> initials;
  for (const std::string& c : n) {
    const std::string initial = ec::PinyinInitial(c);
    initials.push_back(initial.empty() ? c : initial);
  }
  long k = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const std::string sc = Lower(s[i]);
    std::string nc = i + k < n.size() ? n[i + k] : std::string();
    if (ec::PinyinInitial(sc).empty() && !ec::PinyinInitial(nc).empty()) nc = ec::PinyinInitial(nc);
    if (sc == Lower(nc)) continue;
    if (i > 0) return false;
    long p = Find(n, sc);
    if (p < 0) p = Find(initials, sc);
    if (p < 0) return false;
    k = p;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t zero = input.find('\0');
  const std::string_view search = input.substr(0, zero);
  const std::string_view name = zero == std::string_view::npos ? std::string_view() : input.substr(zero + 1);

  ec::NameMatcher matcher(search);
  const bool matched = matcher.MatchName(name);
  if (ec::MatchName(search, name) != matched) abort();
  if (!matcher.PatternMode()) {
    if (matched != ReferencePlainMatch(search, name)) abort();
    if (!matcher.MatchName(search)) abort();  // a text always finds itself
  }
  return 0;
}
