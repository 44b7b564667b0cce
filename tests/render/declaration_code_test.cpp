#include "render/declaration_code.h"

#include <gtest/gtest.h>

#include "tests/render/golden_models.h"

namespace ec {
namespace {

const std::string kOpen = "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\">";

std::string S(std::string_view text, std::string_view colour) {
  return "<span style=\"color:" + std::string(colour) + "\">" + std::string(text) + "</span>";
}

TEST(DeclarationCodeTest, ClassWithMethodsInBothModes) {
  const ClassInfo c = golden::WindowClass();
  EXPECT_EQ(RenderSubroutineCode(c.methods, nullptr, CodeMode::PlainText, c),
            ".版本 2\r\n\r\n"
            ".程序集 窗口类, 对象, 公开, 主窗口\r\n\r\n"
            ".子程序 显示, 逻辑型, 公开, 显示窗口\r\n"
            ".参数 标题, 文本型, 可空, 窗口标题\r\n\r\n"
            ".子程序 关闭, , 公开, ");
  EXPECT_EQ(RenderSubroutineCode(c.methods, nullptr, CodeMode::Html, c),
            kOpen + ".版本 2<br><br>.程序集 " + S("窗口类", "#0000AD") + ", " + S("对象", "#0000AD") + ", " +
                S("公开", "#800000") + ", " + S("主窗口", "#008000") + "<br><br>.子程序 " + S("显示", "#0000AD") +
                ", " + S("逻辑型", "#0000FF") + ", " + S("公开", "#800000") + ", " + S("显示窗口", "#008000") +
                "<br>.参数 标题, " + S("文本型", "#0000FF") + "," + S(" 可空", "#800000") + ", " +
                S("窗口标题", "#008000") + "<br><br>.子程序 " + S("关闭", "#0000AD") + ", " + S("", "#0000FF") +
                ", " + S("公开", "#800000") + ", " + S("", "#008000") + "</div>");
}

TEST(DeclarationCodeTest, SubroutineHeaderFlagsAndSingleItems) {
  const Subroutine a{.name = "A", .returnType = "整数型",
                     .params = {{.name = "B", .type = "文本型", .byRef = true, .isArray = true}}};
  // Without a class name there is no program set line.
  EXPECT_EQ(RenderSubroutineCode({}, &a, CodeMode::PlainText, ClassInfo{}),
            ".版本 2\r\n\r\n.子程序 A, 整数型, 公开, \r\n.参数 B, 文本型, 参考 数组, ");
  const Subroutine flags{.name = "F", .params = {{.name = "无"}, {.name = "全", .remarks = "r", .byRef = true,
                                                                  .optional = true, .isArray = true}}};
  EXPECT_EQ(RenderSubroutineCode({}, &flags, CodeMode::PlainText, ClassInfo{}),
            ".版本 2\r\n\r\n.子程序 F, , 公开, \r\n.参数 无, ,, \r\n.参数 全, , 参考 可空 数组, r");
  // A single item renders as a one-item list, and an empty list as the header only.
  const std::vector<Subroutine> one{a};
  EXPECT_EQ(RenderSubroutineCode({}, &a, CodeMode::Html, ClassInfo{}),
            RenderSubroutineCode(one, nullptr, CodeMode::Html, ClassInfo{}));
  EXPECT_EQ(RenderSubroutineCode({}, nullptr, CodeMode::PlainText, ClassInfo{}), ".版本 2");
  EXPECT_EQ(RenderSubroutineCode({}, nullptr, CodeMode::PlainText, golden::WindowClass()),
            ".版本 2\r\n\r\n.程序集 窗口类, 对象, 公开, 主窗口");
  EXPECT_EQ(RenderDllCommandCode({}, nullptr, CodeMode::Html), kOpen + ".版本 2</div>");
  EXPECT_EQ(RenderConstantCode({}, nullptr, CodeMode::PlainText), ".版本 2\r\n\r\n");
}

TEST(DeclarationCodeTest, DllCommandDropsQuotePairsUpToItsLastLine) {
  const DllCommand d = golden::GetWindowText();
  EXPECT_EQ(RenderDllCommandCode({}, &d, CodeMode::PlainText),
            ".版本 2\r\n\r\n"
            ".DLL命令 取窗口文本, 整数型, , \"GetWindowTextA\", 公开, 返回字符数\r\n"
            ".参数 窗口句柄, 整数型,, \r\n"
            ".参数 缓冲区, 文本型, 传址, 至少\"\"260\"\"字节<文本>");
  EXPECT_EQ(RenderDllCommandCode({}, &d, CodeMode::Html),
            kOpen + ".版本 2<br><br>.DLL命令 " + S("取窗口文本", "#0000AD") + ", " + S("整数型", "#0000FF") + ", " +
                S("", "#800000") + ", " + S("\"GetWindowTextA\"", "#800000") + ", " + S("公开", "#800000") + ", " +
                S("返回字符数", "#008000") + "<br>.参数 窗口句柄, " + S("整数型", "#0000FF") + "," +
                S("", "#800000") + ", " + S("", "#008000") + "<br>.参数 缓冲区, " + S("文本型", "#0000FF") + "," +
                S(" 传址", "#800000") + ", " + S("至少\"\"260\"\"字节&lt;文本&gt;", "#008000") + "</div>");
  // A pair in the parameters of an earlier command goes with the next command line.
  const std::vector<DllCommand> two{
      {.name = "甲", .params = {{.name = "p", .remarks = "a\"\"b", .type = "整数型", .isArray = true}}},
      {.name = "乙\"\"", .libraryFile = "k.dll", .params = {{.name = "q", .remarks = "c\"\"d"}}}};
  EXPECT_EQ(RenderDllCommandCode(two, nullptr, CodeMode::PlainText),
            ".版本 2\r\n\r\n.DLL命令 甲, , , , 公开, \r\n.参数 p, 整数型, 数组, ab\r\n\r\n"
            ".DLL命令 乙, , \"k.dll\", , 公开, \r\n.参数 q, ,, c\"\"d");
}

TEST(DeclarationCodeTest, ConstantsOfEveryKind) {
  const std::vector<Constant> constants = golden::EveryKindOfConstant();
  EXPECT_EQ(RenderConstantCode(constants, nullptr, CodeMode::PlainText),
            ".版本 2\r\n\r\n"
            ".常量 甲, 3.5, 公开, 三点五\r\n"
            ".常量 乙, 100, 公开, \r\n"
            ".常量 丙, -1, 公开, \r\n"
            ".常量 丁, 36526.5, 公开, \r\n"
            ".常量 戊, \"abc\", 公开, 文本\r\n"
            ".常量 己, 0, 公开, \r\n"
            ".常量 庚, <图片 12,345 字节>, 公开, \r\n"
            ".常量 辛, \"一\\r\\n\\\"二\\\"\\三<\", 公开, \r\n");
  const std::string html = RenderConstantCode({}, &constants[4], CodeMode::Html);
  EXPECT_EQ(html, kOpen + ".版本 2<br><br>.常量 " + S("戊", "#0000AD") + ", " + S("\"abc\"", "#008080") + ", " +
                      S("公开", "#800000") + ", " + S("文本", "#008000") + "<br></div>");
  EXPECT_NE(RenderConstantCode({}, &constants[6], CodeMode::Html).find(S("&lt;图片 12,345 字节&gt;", "#800000")),
            std::string::npos);
}

TEST(DeclarationCodeTest, GlobalsWithAndWithoutDimensions) {
  const std::vector<GlobalVar> globals = golden::Globals();
  EXPECT_EQ(RenderGlobalVariableCode(globals, nullptr, CodeMode::PlainText),
            ".版本 2\r\n\r\n"
            ".全局变量 缓存, 整数型, 公开, \"2,3\", 二维\r\n"
            ".全局变量 计数, 整数型, 公开, , \r\n");
  const GlobalVar tagged{.name = "<g>", .type = "整数型", .dimensions = {5}};
  EXPECT_EQ(RenderGlobalVariableCode({}, &tagged, CodeMode::Html),
            kOpen + ".版本 2<br><br>.全局变量 &lt;g&gt;, " + S("整数型", "#0000FF") + ", " + S("公开", "#800000") +
                ", \"5\", " + S("", "#008000") + "<br></div>");
}

TEST(DeclarationCodeTest, DataTypeWithArrayMember) {
  const DataType t = golden::Point();
  EXPECT_EQ(RenderDataTypeCode({}, &t, CodeMode::PlainText),
            ".版本 2\r\n\r\n"
            ".数据类型 坐标, 公开, 点\r\n"
            "    .成员 横, 整数型, , , \r\n"
            "    .成员 值, 小数型, 传址, \"1\", 数组成员");
  EXPECT_EQ(RenderDataTypeCode({}, &t, CodeMode::Html),
            kOpen + ".版本 2<br><br>.数据类型 " + S("坐标", "#0000AD") + ", " + S("公开", "#800000") + ", " +
                S("点", "#008000") + "<br>&nbsp;&nbsp;&nbsp;&nbsp;.成员 横, " + S("整数型", "#0000FF") + ", " +
                S("", "#800000") + ", , " + S("", "#008000") + "<br>&nbsp;&nbsp;&nbsp;&nbsp;.成员 值, " +
                S("小数型", "#0000FF") + ", " + S("传址", "#800000") + ", \"1\", " + S("数组成员", "#008000") +
                "</div>");
}

TEST(DeclarationCodeTest, ColourSpanQuotesAndEscapes) {
  EXPECT_EQ(ColourSpan("a''b'''c<d>&", "#008000", CodeMode::Html),
            "<span style=\"color:#008000\">a\"b\"'c&lt;d&gt;&amp;</span>");
  EXPECT_EQ(ColourSpan("a''b<", "#008000", CodeMode::PlainText), "a''b<");
  // Plain text stays exactly as stored, markup characters included.
  const Subroutine s{.name = "<b>", .remarks = "x&y"};
  EXPECT_EQ(RenderSubroutineCode({}, &s, CodeMode::PlainText, ClassInfo{}), ".版本 2\r\n\r\n.子程序 <b>, , 公开, x&y");
}

}  // namespace
}  // namespace ec
