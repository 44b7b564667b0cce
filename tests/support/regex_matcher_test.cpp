#include "support/regex_matcher.h"

#include <gtest/gtest.h>

#include <string>

namespace ec {
namespace {

TEST(RegexMatcher, DefaultsIgnoreCaseMultiLineAndGlobal) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("abc"));
  EXPECT_EQ(m.MatchCount("xABCx"), 1);
  EXPECT_EQ(m.MatchCount("abc aBc ABC"), 3);
  EXPECT_EQ(m.MatchCount("ab"), 0);

  ASSERT_TRUE(m.CreateMatcher("^x$"));
  EXPECT_EQ(m.MatchCount("x\r\nX\ny"), 2);

  ASSERT_TRUE(m.CreateMatcher("abc", false, false, true));
  EXPECT_EQ(m.MatchCount("xABCx"), 0);
  ASSERT_TRUE(m.CreateMatcher("^x$", true, false, true));
  EXPECT_EQ(m.MatchCount("x\nx"), 0);
  // Without multi-line "$" is the very end only, not before a final line break.
  EXPECT_EQ(m.MatchCount("x\n"), 0);
  EXPECT_EQ(m.MatchCount("X"), 1);
}

TEST(RegexMatcher, GlobalOffTakesTheFirstMatchOnly) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("a", true, true, false));
  EXPECT_EQ(m.MatchCount("banana"), 1);
  EXPECT_EQ(m.MatchCount("xyz"), 0);
  EXPECT_EQ(m.ReplaceAll("banana", "o"), "bonana");
  ASSERT_TRUE(m.CreateMatcher("a"));
  EXPECT_EQ(m.MatchCount("banana"), 3);
  EXPECT_EQ(m.ReplaceAll("banana", "o"), "bonono");
}

TEST(RegexMatcher, EmptyMatchesCountAndMoveOnByOneCharacter) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher(".*"));
  EXPECT_EQ(m.MatchCount(""), 1);
  EXPECT_EQ(m.MatchCount("abc"), 2);  // "abc", then "" at the end
  ASSERT_TRUE(m.CreateMatcher("x*"));
  // One empty match per character boundary; 取 is one character, not three bytes.
  EXPECT_EQ(m.MatchCount("取文"), 3);
  EXPECT_EQ(m.ReplaceAll("取文", "-"), "-取-文-");
  EXPECT_EQ(m.ReplaceAll("axxb", "-"), "-a--b-");
}

TEST(RegexMatcher, EcmaScriptLikeClassesAndEscapes) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("\\w+"));
  EXPECT_EQ(m.MatchCount("取文本"), 0);  // \w is ASCII only
  EXPECT_EQ(m.MatchCount("ab_1 取 c"), 2);
  ASSERT_TRUE(m.CreateMatcher("\\d"));
  EXPECT_EQ(m.MatchCount("１2"), 1);  // a full-width digit is no \d
  ASSERT_TRUE(m.CreateMatcher("a.b"));
  EXPECT_EQ(m.MatchCount("a\nb a\rb a取b"), 1);
  ASSERT_TRUE(m.CreateMatcher("\\u53D6"));
  EXPECT_EQ(m.MatchCount("快速取文本"), 1);
  ASSERT_TRUE(m.CreateMatcher("[^]"));
  EXPECT_EQ(m.MatchCount("a\n"), 2);
  ASSERT_TRUE(m.CreateMatcher("取.*本"));
  EXPECT_EQ(m.MatchCount("快速取文本"), 1);
}

TEST(RegexMatcher, CutsTheRemarkSection) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("\r\n@备注[\\s\\S]+"));
  EXPECT_EQ(m.ReplaceAll("模块说明\r\n第二行\r\n@备注 作者\r\n@备注 更多", ""), "模块说明\r\n第二行");
  // "@备注" with nothing after it, or not right after a line break, stays.
  EXPECT_EQ(m.ReplaceAll("说明\r\n@备注", ""), "说明\r\n@备注");
  EXPECT_EQ(m.ReplaceAll("说明\r\n @备注 x", ""), "说明\r\n @备注 x");
  EXPECT_EQ(m.ReplaceAll("说明\n@备注 x", ""), "说明\n@备注 x");
}

TEST(RegexMatcher, ReplacementReferences) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("(\\w+)@(\\w+)"));
  EXPECT_EQ(m.ReplaceAll("a@b c@d", "$2@$1"), "b@a d@c");
  EXPECT_EQ(m.ReplaceAll("x a@b y", "[$&|$`|$']"), "x [a@b|x | y] y");
  EXPECT_EQ(m.ReplaceAll("a@b", "$$1 $3 $0 $"), "$1 $3 $0 $");
  ASSERT_TRUE(m.CreateMatcher("(a)|(b)"));
  EXPECT_EQ(m.ReplaceAll("ab", "<$2>"), "<><b>");  // an unset group is empty
}

TEST(RegexMatcher, InvalidPatternMatchesNothingAndSaysWhy) {
  RegexMatcher m;
  EXPECT_EQ(m.MatchCount("abc"), 0);  // never created
  EXPECT_EQ(m.ReplaceAll("abc", "x"), "abc");
  EXPECT_FALSE(m.ErrorText().empty());

  for (const char* bad : {"(abc", "[a-", "a{2,1}", "*", "\xFF"}) {
    EXPECT_FALSE(m.CreateMatcher(bad)) << bad;
    EXPECT_FALSE(m.IsValid());
    EXPECT_FALSE(m.ErrorText().empty()) << bad;
    EXPECT_EQ(m.MatchCount("(abc *"), 0) << bad;
    EXPECT_EQ(m.ReplaceAll("(abc *", "x"), "(abc *") << bad;
  }
  // A later valid pattern works again and clears the error.
  ASSERT_TRUE(m.CreateMatcher("b"));
  EXPECT_TRUE(m.ErrorText().empty());
  EXPECT_EQ(m.MatchCount("abc"), 1);
  m.Release();
  EXPECT_EQ(m.MatchCount("abc"), 0);
}

TEST(RegexMatcher, CatastrophicPatternGivesUp) {
  RegexMatcher m;
  const std::string subject = std::string(40, 'a') + "!";
  for (const char* pattern : {"(a+)+$", "(a|aa)+$", "(\\w+\\s?)+$"}) {
    ASSERT_TRUE(m.CreateMatcher(pattern)) << pattern;
    EXPECT_EQ(m.MatchCount(subject), 0) << pattern;
    EXPECT_NE(m.ErrorText().find("gave up"), std::string::npos) << pattern << ": " << m.ErrorText();
    EXPECT_EQ(m.ReplaceAll(subject, "x"), subject) << pattern;
  }
  // The same pattern still works on a text it can settle quickly.
  ASSERT_TRUE(m.CreateMatcher("(a+)+$"));
  EXPECT_EQ(m.MatchCount("baaa"), 1);
  EXPECT_TRUE(m.ErrorText().empty());
}

TEST(RegexMatcher, InvalidUtf8SubjectIsHarmless) {
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher("b"));
  EXPECT_EQ(m.MatchCount("a\xFF" "b\xE5\x8F" "b"), 2);
  EXPECT_EQ(m.ReplaceAll("a\xFF" "b\xE5\x8F", "c"), "a\xFF" "c\xE5\x8F");
  ASSERT_TRUE(m.CreateMatcher(""));
  EXPECT_EQ(m.MatchCount("\xFF\xFE"), 3);
}

TEST(RegexMatcher, MovedMatcherKeepsItsPattern) {
  RegexMatcher a;
  ASSERT_TRUE(a.CreateMatcher("x"));
  RegexMatcher b(std::move(a));
  EXPECT_EQ(b.MatchCount("xx"), 2);
  a = std::move(b);
  EXPECT_EQ(a.MatchCount("xx"), 2);
}

TEST(WildcardToPattern, EscapesThenConvertsWildcards) {
  EXPECT_EQ(WildcardToPattern("取*本"), "取.*本");
  EXPECT_EQ(WildcardToPattern("a?b|c"), "a.?b|c");
  EXPECT_EQ(WildcardToPattern("\\^$+.{}[]=()\""), "\\\\\\^\\$\\+\\.\\{\\}\\[\\]\\=\\(\\)\\\"");
  EXPECT_EQ(WildcardToPattern("*.ec"), ".*\\.ec");
  EXPECT_EQ(WildcardToPattern(""), "");

  // Every escaped character then matches only itself.
  RegexMatcher m;
  ASSERT_TRUE(m.CreateMatcher(WildcardToPattern("a(1).b[2]{3}=\"$^+\\")));
  EXPECT_EQ(m.MatchCount("xa(1).b[2]{3}=\"$^+\\y"), 1);
  EXPECT_EQ(m.MatchCount("a1xb2"), 0);
  ASSERT_TRUE(m.CreateMatcher(WildcardToPattern("取*本")));
  EXPECT_EQ(m.MatchCount("快速取文本"), 1);
  ASSERT_TRUE(m.CreateMatcher(WildcardToPattern("a.c")));
  EXPECT_EQ(m.MatchCount("abc"), 0);
  EXPECT_EQ(m.MatchCount("A.C"), 1);
}

}  // namespace
}  // namespace ec
