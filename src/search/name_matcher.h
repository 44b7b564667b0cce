#pragma once
// Matching declared names against the module search's search text.
//
// A search text holding "*", "?" or "|" is a wildcard pattern, matched
// anywhere in a name without regard to case. Any other text is a plain
// search: it matches a name that holds it (ASCII letters without regard to
// case), or whose characters it spells by pinyin initials: qwb and QWB match
// 取文本, and wb matches it too, starting at 文.
//
// Texts are UTF-8 and counted in characters: one UTF-8 sequence (or one
// invalid byte) is one character, so a Chinese character counts as one.

#include <string>
#include <string_view>
#include <vector>

#include "support/regex_matcher.h"

namespace ec {

// True when `search_text` is a wildcard pattern rather than a plain search.
bool IsPatternSearch(std::string_view search_text);

// The search text prepared once for testing many names.
class NameMatcher {
 public:
  explicit NameMatcher(std::string_view search_text);

  const std::string& SearchText() const { return search_text_; }
  bool PatternMode() const { return pattern_mode_; }

  // Whether `name` matches the search text. Not const: it reuses buffers and
  // the pattern's match state between names.
  bool MatchName(std::string_view name);

 private:
  struct Character {
    size_t offset;  // byte offset in its text
    size_t length;  // bytes
    char initial;   // pinyin initial, 0 when none
  };

  bool MatchPlain(std::string_view name);
  bool OccursIn(std::string_view name) const;
  bool MatchInitials(std::string_view name) const;
  bool CharEquals(std::string_view name, size_t i, size_t n) const;
  bool AlignsAt(std::string_view name, size_t start) const;
  std::string_view NameChar(std::string_view name, size_t index) const;

  std::string search_text_;
  bool pattern_mode_ = false;
  RegexMatcher pattern_;
  std::string lowered_;               // search text, ASCII letters lower-cased
  std::vector<Character> search_;     // characters of lowered_
  std::vector<Character> name_;       // characters of the name being tested
};

// Whether `name` matches `search_text`, preparing the text on every call; a
// search over many names keeps a NameMatcher instead.
bool MatchName(std::string_view search_text, std::string_view name);

}  // namespace ec
