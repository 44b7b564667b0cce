#include "render/summary_page.h"

#include <gtest/gtest.h>

#include "render/chinese_numeral.h"
#include "render/number_text.h"

namespace ec {
namespace {

const std::string kDiv = "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\">";

TEST(SummaryPageTest, WholePageWithLibrariesAndRemarks) {
  ModuleModel model;
  model.info = {.name = "模块", .remarks = "说明、第二行\r\n第三行", .author = "作者", .versionMajor = 2,
                .versionMinor = 15};
  model.support.libraries = {"krnln\rd09f2340818511d396f6aaf844c7e325\r5\r4\r系统核心支持库", "单独"};
  EXPECT_EQ(BuildSummaryPage(model),
            kDiv + "<b>模块：</b>模块<br><b>版本：</b>2.15<br><b>作者：</b>作者<br><b>备注</b>：说明<br>第二行<br>"
                   "第三行<br><br><h2>用到的支持库(2个)：</h2>系统核心支持库(krnln)<br>(单独)<br></div>");
}

TEST(SummaryPageTest, RemarkSectionIsCutAndRemarksLikeTheNameAreHidden) {
  EXPECT_EQ(CutRemarkSection("正文\r\n@备注x\r\n更多"), "正文");
  EXPECT_EQ(CutRemarkSection("正文\r\n@备注"), "正文\r\n@备注");
  EXPECT_EQ(CutRemarkSection("正文\n@备注x"), "正文\n@备注x");

  ModuleModel model;
  model.info.name = "甲";
  model.info.remarks = "甲\r\n@备注 内部";  // equal to the name once the section is cut
  EXPECT_EQ(BuildSummaryPage(model).find("备注</b>"), std::string::npos);
  // A rejected file leaves an empty model, which still has a page.
  EXPECT_EQ(BuildSummaryPage(ModuleModel{}),
            kDiv + "<b>模块：</b><br><b>版本：</b>0.0<br><b>作者：</b><br><br><h2>用到的支持库(0个)：</h2></div>");
}

TEST(SummaryPageTest, ProblemsAndRepairsComeFirst) {
  ModuleModel model;
  model.info.name = "模块";
  const std::string plain = BuildSummaryPage(model);
  model.outcome = {.complete = false, .problems = {"模块在第 5 字节处被截断", "“<段>”中有错、误"}, .repairedSegments = 2};
  const std::string page = BuildSummaryPage(model);
  const size_t block = page.find("此模块读取不完整");
  ASSERT_NE(block, std::string::npos);
  EXPECT_LT(block, page.find("<b>模块：</b>"));
  EXPECT_NE(page.find("<br>● 模块在第 5 字节处被截断<br>● “&lt;段&gt;”中有错、误</td>"), std::string::npos);
  EXPECT_NE(page.find("已修正 2 个段的校验值"), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - plain.size()), plain);  // the summary itself is unchanged
  // A module that could not be read says why, and nothing else.
  ModuleModel rejected;
  rejected.outcome = {.rejected = true, .complete = false, .problems = {"此模块已加密，无法查看"}};
  const std::string why = BuildSummaryPage(rejected);
  EXPECT_NE(why.find("无法读取此模块：</b><br>● 此模块已加密，无法查看"), std::string::npos);
  EXPECT_EQ(why.find("版本"), std::string::npos);
  EXPECT_EQ(ReadOutcomeToolTip(rejected.outcome), "无法读取此模块：\n● 此模块已加密，无法查看");
  EXPECT_EQ(ReadOutcomeBlock(ReadOutcome{}), "");
  EXPECT_EQ(ReadOutcomeToolTip(ReadOutcome{.repairedSegments = 1}), "");
  // A repair of values that did not match says both: they did not match, and they were rewritten.
  const ReadOutcome altered{.problems = {"程序段的校验值与内容不符（已写回修正值）"}, .repairedSegments = 1,
                            .checksMatch = false};
  const std::string note = ReadOutcomeBlock(altered);
  EXPECT_NE(note.find("此模块的校验值与内容不符，内容可能被改动或损坏："), std::string::npos);
  EXPECT_NE(note.find("● 程序段的校验值与内容不符（已写回修正值）"), std::string::npos);
  EXPECT_NE(note.find("已修正 1 个段的校验值"), std::string::npos);
  EXPECT_NE(ReadOutcomeToolTip(altered), "");
}

TEST(SummaryPageTest, ModuleTextsAreEscaped) {
  ModuleModel model;
  model.info = {.name = "a<b>", .remarks = "<script>x</script> & y", .author = "<i>"};
  model.support.libraries = {"<f1>\r\r\r\r<n>"};
  const std::string page = BuildSummaryPage(model);
  EXPECT_NE(page.find("a&lt;b&gt;"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;x&lt;/script&gt; &amp; y"), std::string::npos);
  EXPECT_NE(page.find("&lt;n&gt;(&lt;f1&gt;)"), std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_EQ(page.find("<i>"), std::string::npos);
}

TEST(NumberTextTest, ThirteenSignificantDigitsWithoutLocale) {
  EXPECT_EQ(FormatNumber13(3.5), "3.5");
  EXPECT_EQ(FormatNumber13(100), "100");
  EXPECT_EQ(FormatNumber13(0.1), "0.1");
  EXPECT_EQ(FormatNumber13(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(FormatNumber13(1e20), "1e+20");
  EXPECT_EQ(FormatNumber13(1e-5), "1e-05");
  EXPECT_EQ(FormatNumber13(1234567890123456.0), "1.234567890123e+15");
  EXPECT_EQ(FormatNumber13(-2147483648.0), "-2147483648");
  EXPECT_EQ(ConstantNumber(ConstantValue::OfLogical(false)), 0);
  EXPECT_EQ(ConstantNumber(ConstantValue::OfBytes("\x05")), 0);
}

TEST(ChineseNumeralTest, EverydayNumerals) {
  EXPECT_EQ(ChineseNumeral(1), "一");
  EXPECT_EQ(ChineseNumeral(10), "十");
  EXPECT_EQ(ChineseNumeral(11), "十一");
  EXPECT_EQ(ChineseNumeral(20), "二十");
  EXPECT_EQ(ChineseNumeral(101), "一百零一");
  EXPECT_EQ(ChineseNumeral(110), "一百一十");
  EXPECT_EQ(ChineseNumeral(1005), "一千零五");
  EXPECT_EQ(ChineseNumeral(10010), "一万零一十");
  EXPECT_EQ(ChineseNumeral(123456), "十二万三千四百五十六");
}

}  // namespace
}  // namespace ec
