// The changed words of a pair of remarks, and how the HTML report marks them.
#include <gtest/gtest.h>

#include "compare/comparison_html.h"
#include "compare/word_changes.h"

namespace ec {
namespace {

using Change = WordPiece::Change;

std::string Joined(const std::vector<WordPiece>& pieces, Change other) {
  std::string text;
  for (const WordPiece& p : pieces)
    if (p.change == Change::Same || p.change == other) text += p.text;
  return text;
}

// A remark as a module author revised it between two releases: a Latin word
// replaced whole, a clause added, Chinese characters changed one by one.
TEST(WordChanges, MarksWholeLatinWordsAndSingleChineseCharacters) {
  const std::string before = "取网页源码，返回 UTF8 文本。失败时返回空";
  const std::string after = "取网页源码，返回 GBK 文本（自动转换）。出错时返回空";
  const std::vector<WordPiece> pieces = WordChanges(before, after);
  EXPECT_EQ(pieces, (std::vector<WordPiece>{{Change::Same, "取网页源码，返回 "},
                                            {Change::Removed, "UTF8"},
                                            {Change::Added, "GBK"},
                                            {Change::Same, " 文本"},
                                            {Change::Added, "（自动转换）"},
                                            {Change::Same, "。"},
                                            {Change::Removed, "失败"},
                                            {Change::Added, "出错"},
                                            {Change::Same, "时返回空"}}));
  EXPECT_EQ(Joined(pieces, Change::Removed), before);
  EXPECT_EQ(Joined(pieces, Change::Added), after);
  // A word is replaced whole, not letter by letter where the two share some.
  EXPECT_EQ(WordChanges("size", "sizes"),
            (std::vector<WordPiece>{{Change::Removed, "size"}, {Change::Added, "sizes"}}));
  EXPECT_EQ(WordChanges("", "新"), (std::vector<WordPiece>{{Change::Added, "新"}}));
  EXPECT_TRUE(WordChanges("", "").empty());
}

// Broken UTF-8 and line breaks split safely; past the table's bound the
// differing middle is marked whole, the common ends still kept.
TEST(WordChanges, BrokenTextLineBreaksAndTheBound) {
  const std::string broken = std::string("a\xE5\x8F") + "b\xFF\r\n";
  EXPECT_EQ(SplitWords(broken), (std::vector<std::string_view>{"a", "\xE5", "\x8F", "b", "\xFF", "\r\n"}));
  const std::vector<WordPiece> pieces = WordChanges(broken, "a\r\nb");
  EXPECT_EQ(Joined(pieces, Change::Removed), broken);
  EXPECT_EQ(Joined(pieces, Change::Added), "a\r\nb");
  const std::vector<WordPiece> bounded = WordChanges("头一二三尾", "头三二一尾", 10);
  EXPECT_EQ(bounded,
            (std::vector<WordPiece>{
                {Change::Same, "头"}, {Change::Removed, "一二三"}, {Change::Added, "三二一"}, {Change::Same, "尾"}}));
  EXPECT_NE(WordChanges("头一二三尾", "头三二一尾"), bounded);
}

TEST(ComparisonHtml, ChangedRemarkWordsAreMarkedAndEscaped) {
  ModuleModel before;
  before.info.remarks = "网络工具";
  before.subroutineGroups = {{{{.name = "取网页",
                                .remarks = "返回 UTF8 文本",
                                .params = {{.name = "地址", .remarks = "网址，<http> 开头"}}}}}};
  ModuleModel after = before;
  after.info.remarks = "网络工具集";
  after.subroutineGroups[0].subroutines[0].remarks = "返回 GBK 文本";
  after.subroutineGroups[0].subroutines[0].params[0].remarks = "网址，<https> 开头";
  const ModuleComparison result = CompareModules(before, after);
  const std::string html = ComparisonHtml({before, after, result, "a.ec", "b.ec"});
  const std::string removed =
      "<span class=\"removed\" style=\"color:#800000;background-color:#FBE4E4;"
      "text-decoration:line-through;\">";
  const std::string added =
      "<span class=\"added\" style=\"color:#008000;background-color:#E2F4E2;"
      "text-decoration:underline;\">";
  EXPECT_NE(html.find("备注：返回 " + removed + "UTF8</span>" + added + "GBK</span> 文本"), std::string::npos) << html;
  EXPECT_NE(html.find("参数 地址 的备注：网址，&lt;" + removed + "http</span>" + added + "https</span>&gt; 开头"),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("网络工具" + added + "集</span>"), std::string::npos);
  EXPECT_EQ(html.find("<http"), std::string::npos);
}

}  // namespace
}  // namespace ec
