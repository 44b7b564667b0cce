// Random search texts and names through the name matching. Input: search
// text, a zero byte, the name. Plain searches are checked against a direct,
// slow rendering of the matching rules, and against the older rule that
// realigned only once, whose every match must still be found.
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

// The plain occurrence, ASCII letters without regard to case.
bool Occurs(const std::vector<std::string>& s, const std::vector<std::string>& n) {
  for (size_t first = 0; first + s.size() <= n.size(); ++first) {
    size_t i = 0;
    while (i < s.size() && Lower(s[i]) == Lower(n[first + i])) ++i;
    if (i == s.size()) return true;
  }
  return false;
}

// Character i of the search text against character j of the name, a hanzi
// of the name standing for its initial where the search text has none.
bool Equal(const std::vector<std::string>& s, size_t i, const std::vector<std::string>& n, size_t j) {
  const std::string sc = Lower(s[i]);
  std::string nc = j < n.size() ? n[j] : std::string();
  if (ec::PinyinInitial(sc).empty() && !ec::PinyinInitial(nc).empty()) nc = ec::PinyinInitial(nc);
  return sc == Lower(nc);
}

std::vector<std::string> Initials(const std::vector<std::string>& n) {
  std::vector<std::string> initials;
  for (const std::string& c : n) {
    const std::string initial = ec::PinyinInitial(c);
    initials.push_back(initial.empty() ? c : initial);
  }
  return initials;
}

// The comparison realigned once, on the first place that holds the first
// character (the character itself first, then an initial).
bool FirstAlignmentMatch(std::string_view search, std::string_view name) {
  const std::vector<std::string> s = Characters(search), n = Characters(name);
  if (s.size() > n.size()) return false;
  if (Occurs(s, n)) return true;
  const std::vector<std::string> initials = Initials(n);
  long k = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (Equal(s, i, n, i + static_cast<size_t>(k))) continue;
    if (i > 0) return false;
    long p = Find(n, Lower(s[0]));
    if (p < 0) p = Find(initials, Lower(s[0]));
    if (p < 0) return false;
    k = p;
  }
  return true;
}

// The comparison tried from every place that holds the first character.
bool EveryAlignmentMatch(std::string_view search, std::string_view name) {
  const std::vector<std::string> s = Characters(search), n = Characters(name);
  if (s.size() > n.size()) return false;
  if (Occurs(s, n)) return true;
  const std::vector<std::string> initials = Initials(n);
  const std::string first = Lower(s[0]);
  for (size_t p = 0; p + s.size() <= n.size(); ++p) {
    const bool aligns = p == 0 ? Equal(s, 0, n, 0) : (n[p] == first || initials[p] == first);
    if (!aligns) continue;
    size_t i = 1;
    while (i < s.size() && Equal(s, i, n, p + i)) ++i;
    if (i == s.size()) return true;
  }
  return false;
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
    if (matched != EveryAlignmentMatch(search, name)) abort();
    // Whatever the single realignment finds is still found.
    if (FirstAlignmentMatch(search, name) && !matched) abort();
    if (!matcher.MatchName(search)) abort();  // a text always finds itself
  }
  return 0;
}
