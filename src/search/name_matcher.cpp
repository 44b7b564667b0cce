#include "search/name_matcher.h"

#include "support/gbk_codec.h"
#include "support/pinyin.h"
#include "support/plain_text.h"

namespace ec {

bool IsPatternSearch(std::string_view search_text) {
  return search_text.find_first_of("*?|") != std::string_view::npos;
}

NameMatcher::NameMatcher(std::string_view search_text)
    : search_text_(search_text), pattern_mode_(IsPatternSearch(search_text)) {
  if (pattern_mode_) {
    // Only "is there a match" matters, so the first match is enough: with
    // global matching off the engine stops there.
    pattern_.CreateMatcher(WildcardToPattern(search_text), true, true, false);
    return;
  }
  lowered_ = search_text_;
  for (char& c : lowered_) c = LowerAscii(c);
  for (size_t pos = 0; pos < lowered_.size();) {
    const size_t start = pos;
    const char32_t cp = NextUtf8(lowered_, pos);
    search_.push_back({start, pos - start, PinyinInitial(cp)});
  }
}

bool NameMatcher::MatchName(std::string_view name) {
  if (pattern_mode_) return pattern_.MatchCount(name) > 0;
  return MatchPlain(name);
}

bool NameMatcher::MatchPlain(std::string_view name) {
  name_.clear();
  for (size_t pos = 0; pos < name.size();) {
    const size_t start = pos;
    const char32_t cp = NextUtf8(name, pos);
    name_.push_back({start, pos - start, PinyinInitial(cp)});
  }
  if (search_.size() > name_.size()) return false;
  return OccursIn(name) || MatchInitials(name);
}

// The search text occurs in the name, starting and ending on character
// boundaries, ASCII letters compared without regard to case.
bool NameMatcher::OccursIn(std::string_view name) const {
  const size_t count = search_.size();
  for (size_t first = 0; first + count <= name_.size(); ++first) {
    const auto offset = [&](size_t index) { return index < name_.size() ? name_[index].offset : name.size(); };
    const size_t begin = offset(first), end = offset(first + count);
    if (end - begin != lowered_.size()) continue;
    size_t i = 0;
    while (i < lowered_.size() && LowerAscii(name[begin + i]) == lowered_[i]) ++i;
    if (i == lowered_.size()) return true;
  }
  return false;
}

std::string_view NameMatcher::NameChar(std::string_view name, size_t index) const {
  if (index >= name_.size()) return {};
  return name.substr(name_[index].offset, name_[index].length);
}

// Whether character `i` of the search text equals character `n` of the name,
// a Chinese character of the name standing for its pinyin initial where the
// search text has a character without one.
bool NameMatcher::CharEquals(std::string_view name, size_t i, size_t n) const {
  const Character& s = search_[i];
  const std::string_view wanted(lowered_.data() + s.offset, s.length);
  if (n >= name_.size()) return false;
  if (s.initial == 0 && name_[n].initial != 0) return wanted.size() == 1 && wanted[0] == name_[n].initial;
  const std::string_view have = NameChar(name, n);
  return have.size() == wanted.size() && (have.size() > 1 ? have == wanted : LowerAscii(have[0]) == wanted[0]);
}

// Whether a comparison may start at character `start` of the name: at the
// name's start the first characters compare as all others do; further on,
// the name holds the search text's first character itself (case-sensitive)
// or a character with it as pinyin initial.
bool NameMatcher::AlignsAt(std::string_view name, size_t start) const {
  if (start == 0) return CharEquals(name, 0, 0);
  const std::string_view wanted(lowered_.data() + search_[0].offset, search_[0].length);
  return NameChar(name, start) == wanted || (wanted.size() == 1 && name_[start].initial == wanted[0]);
}

// The search text, compared character by character, matches the name from
// some position on: every place where its first character is found is tried
// in turn, not only the first one, so that bm finds _编码_base64编码 at 编 and
// is not led astray by the b of base64.
bool NameMatcher::MatchInitials(std::string_view name) const {
  const size_t count = search_.size();
  for (size_t start = 0; start + count <= name_.size(); ++start) {
    if (!AlignsAt(name, start)) continue;
    size_t i = 1;
    while (i < count && CharEquals(name, i, start + i)) ++i;
    if (i == count) return true;
  }
  return false;
}

bool MatchName(std::string_view search_text, std::string_view name) {
  return NameMatcher(search_text).MatchName(name);
}

}  // namespace ec
