#include "search/name_matcher.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

TEST(NameMatcher, PatternModeIsChosenByWildcardCharacters) {
  EXPECT_TRUE(IsPatternSearch("a|b"));
  EXPECT_TRUE(IsPatternSearch("取*"));
  EXPECT_TRUE(IsPatternSearch("?"));
  EXPECT_FALSE(IsPatternSearch("a.b"));
  EXPECT_FALSE(IsPatternSearch("取文本"));
  EXPECT_TRUE(NameMatcher("x|y").PatternMode());
  EXPECT_FALSE(NameMatcher("x.y").PatternMode());
}

TEST(NameMatcher, PatternsMatchAnywhereWithoutRegardToCase) {
  NameMatcher either("a|b");
  EXPECT_TRUE(either.MatchName("Apple"));
  EXPECT_TRUE(either.MatchName("xbx"));
  EXPECT_TRUE(either.MatchName("CAB"));
  EXPECT_FALSE(either.MatchName("xyz"));
  EXPECT_FALSE(either.MatchName(""));

  for (const char* any : {"*", "?"}) {
    NameMatcher m(any);
    EXPECT_TRUE(m.MatchName("取文本")) << any;
    EXPECT_TRUE(m.MatchName("x")) << any;
    EXPECT_TRUE(m.MatchName("")) << any;
  }

  NameMatcher middle("取*本");
  EXPECT_TRUE(middle.MatchName("快速取文本"));
  EXPECT_FALSE(middle.MatchName("本取"));
  // Escaped characters stay literal inside a pattern.
  NameMatcher dotted("a.b*");
  EXPECT_TRUE(dotted.MatchName("xA.Bc"));
  EXPECT_FALSE(dotted.MatchName("axb"));
}

TEST(NameMatcher, PlainTextOccursWithoutRegardToAsciiCase) {
  EXPECT_TRUE(MatchName("取文", "快速取文本"));
  EXPECT_TRUE(MatchName("QUICK", "getQuickName"));
  EXPECT_TRUE(MatchName("1", "取1"));
  // A "." is a literal dot in a plain search.
  EXPECT_TRUE(MatchName(".", "a.b"));
  EXPECT_TRUE(MatchName("a.b", "xA.B"));
  EXPECT_FALSE(MatchName(".", "ab"));
  EXPECT_FALSE(MatchName("a.b", "axb"));
  // Chinese characters are compared exactly.
  EXPECT_FALSE(MatchName("取本", "取文本"));
}

TEST(NameMatcher, PinyinInitialsAndRealignment) {
  EXPECT_TRUE(MatchName("qwb", "取文本"));
  EXPECT_TRUE(MatchName("QWB", "取文本"));
  EXPECT_TRUE(MatchName("wb", "取文本"));   // realigned on 文
  EXPECT_FALSE(MatchName("bw", "取文本"));  // 本 is last; nothing follows it
  EXPECT_TRUE(MatchName("取w", "取文本"));
  EXPECT_FALSE(MatchName("取we", "取文本"));
  EXPECT_TRUE(MatchName("ksqwb", "快速取文本"));
  EXPECT_TRUE(MatchName("qwb", "快速取文本"));
  EXPECT_TRUE(MatchName("Xqw", "x取文"));  // the first character by plain comparison
  // Realignment looks for the character itself before any initial: q is
  // found at index 2, so 文 follows; 取's initial at index 1 is not used.
  EXPECT_TRUE(MatchName("qw", "a取q文"));
  EXPECT_FALSE(MatchName("qb", "a取q文本"));
  // ... and looks for it case-sensitively.
  EXPECT_FALSE(MatchName("Bw", "xB文"));
  // Only characters that have no initial themselves stand for initials.
  EXPECT_FALSE(MatchName("q", "丂"));
  EXPECT_FALSE(MatchName("1w", "取文"));
  // Every place the first character is found is tried, not only the first:
  // the b of base64 comes before 编, yet bm finds 编码.
  EXPECT_TRUE(MatchName("bm", "_编码_base64编码"));
  EXPECT_TRUE(MatchName("bm", "_编码_gbk转utf8"));
  EXPECT_FALSE(MatchName("bmx", "_编码_base64编码"));
}

TEST(NameMatcher, SearchTextLongerThanTheNameNeverMatches) {
  EXPECT_FALSE(MatchName("qwbx", "取文本"));
  EXPECT_FALSE(MatchName("取文本x", "取文本"));
  EXPECT_FALSE(MatchName("ab", "a"));
  EXPECT_FALSE(MatchName("a", ""));
  // Characters, not bytes, are counted: three letters fit three hanzi.
  EXPECT_TRUE(MatchName("qwb", "取文本"));
  EXPECT_TRUE(MatchName("取", "a取"));
}

TEST(NameMatcher, BrokenUtf8StaysOnCharacterBoundaries) {
  // \x8F is the middle byte of 取 (E5 8F 96); it must not be found inside it.
  EXPECT_FALSE(MatchName("\x8F", "取"));
  EXPECT_TRUE(MatchName("\x8F", "a\x8F"));
  EXPECT_FALSE(MatchName("\xE5\x8F", "取x"));
  EXPECT_TRUE(MatchName("qw", "\xFF取文"));
}

TEST(NameMatcher, FreeFunctionFollowsChangingSearchTexts) {
  EXPECT_TRUE(MatchName("a|b", "B"));
  EXPECT_FALSE(MatchName("a.b", "B"));
  EXPECT_TRUE(MatchName("a.b", "a.b"));
  EXPECT_FALSE(MatchName("a|b", "c"));
  EXPECT_TRUE(MatchName("", "c"));
  EXPECT_TRUE(MatchName("", ""));
}

}  // namespace
}  // namespace ec
