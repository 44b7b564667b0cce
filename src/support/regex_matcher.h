#pragma once
// A small wrapper of PCRE2 with the behaviour of an ECMAScript-style engine:
// the find bar, the module search and the remark cut all match through it.
//
// Texts and patterns are UTF-8. \w, \d and \s are ASCII classes, "." matches
// any character except a carriage return or line feed, "$" without the
// multi-line option matches only at the very end, and "\uHHHH" names a code
// point. Invalid UTF-8 in a subject never matches but does no harm.
//
// Nothing here throws. An invalid pattern is kept as "no pattern": it matches
// nothing and replaces nothing, and ErrorText() says why it was rejected.
// A match that would take too long (catastrophic backtracking) gives up and
// counts as no match.

#include <string>
#include <string_view>

namespace ec {

class RegexMatcher {
 public:
  RegexMatcher();
  ~RegexMatcher();
  RegexMatcher(RegexMatcher&& other) noexcept;
  RegexMatcher& operator=(RegexMatcher&& other) noexcept;
  RegexMatcher(const RegexMatcher&) = delete;
  RegexMatcher& operator=(const RegexMatcher&) = delete;

  // Compiles `pattern`, replacing any earlier one. With `global` off, only
  // the first match counts and is replaced. False when the pattern is invalid.
  bool CreateMatcher(std::string_view pattern, bool ignore_case = true, bool multi_line = true,
                     bool global = true);

  // The number of matches in `text` (at most 1 with global off). A match of
  // the empty string counts, and the search then moves on by one character.
  int MatchCount(std::string_view text);

  // `text` with the matches replaced by `replacement`, in which $& stands
  // for the match, $1..$99 for a group, $` and $' for the text before and
  // after the match and $$ for a dollar sign. Without a usable pattern, or
  // when the match gives up, `text` comes back unchanged.
  std::string ReplaceAll(std::string_view text, std::string_view replacement);

  // Frees the compiled pattern; the matcher then matches nothing.
  void Release();

  bool IsValid() const { return code_ != nullptr; }

  // Why the pattern was rejected or the last match gave up; "" otherwise.
  const std::string& ErrorText() const { return error_; }

 private:
  struct Engine;
  template <typename OnMatch>
  bool ForEachMatch(std::string_view text, OnMatch&& on_match);
  void SetEngineError(int code);

  Engine* code_ = nullptr;
  bool global_ = true;
  std::string error_;
};

// A wildcard text turned into a pattern: \ ^ $ + . { } [ ] = ( ) " are escaped
// (backslash first), "*" becomes ".*" and "?" becomes ".?"; "|" keeps
// separating alternatives. Not anchored: 取*本 matches 快速取文本.
std::string WildcardToPattern(std::string_view text);

}  // namespace ec
