#include "search/name_matcher.h"

#include "support/gbk_codec.h"
#include "support/pinyin.h"

namespace ec {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

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

// Compares character by character, a Chinese character of the name standing
// for its pinyin initial where the search text has a character without one.
// When the first character differs, the comparison starts over right after
// the first place in the name that holds it (or its initial).
bool NameMatcher::MatchInitials(std::string_view name) const {
  size_t shift = 0;
  for (size_t i = 0; i < search_.size(); ++i) {
    const Character& s = search_[i];
    const std::string_view wanted(lowered_.data() + s.offset, s.length);
    const size_t n = i + shift;
    bool equal;
    if (n < name_.size() && s.initial == 0 && name_[n].initial != 0) {
      equal = wanted.size() == 1 && wanted[0] == name_[n].initial;
    } else {
      const std::string_view have = NameChar(name, n);
      equal = have.size() == wanted.size() && !have.empty() &&
              (have.size() > 1 ? have == wanted : LowerAscii(have[0]) == wanted[0]);
    }
    if (equal) continue;
    if (i > 0) return false;

    size_t found = name_.size();
    for (size_t p = 0; p < name_.size() && found == name_.size(); ++p)
      if (NameChar(name, p) == wanted) found = p;
    for (size_t p = 0; p < name_.size() && found == name_.size(); ++p)
      if (wanted.size() == 1 && name_[p].initial == wanted[0]) found = p;
    if (found == name_.size()) return false;
    shift = found;
  }
  return true;
}

bool MatchName(std::string_view search_text, std::string_view name) {
  thread_local NameMatcher matcher{std::string_view()};
  if (matcher.SearchText() != search_text) matcher = NameMatcher(search_text);
  return matcher.MatchName(name);
}

}  // namespace ec
