#include "render/declaration_tables.h"

#include <gtest/gtest.h>

#include "render/placeholder_template.h"
#include "tests/render/expected_tables.h"
#include "tests/render/golden_models.h"

namespace ec {
namespace {

using namespace expected;

TEST(DeclarationTablesTest, ClassWithMethods) {
  const ClassInfo c = golden::WindowClass();
  const std::string want = Open() + ClassTable("窗口类", "对象", "√", "主窗口") +
                           SubroutineHead("方法名", "显示", "逻辑型", "√", "显示窗口") + SubroutineParamCaption() +
                           SubroutineParamRow("标题", "文本型", "", "√", "", "窗口标题") + TableEnd() +
                           SubroutineHead("方法名", "关闭", "", "√", "") + TableEnd() + std::string(kClose);
  EXPECT_EQ(RenderSubroutineTables(c.methods, nullptr, c), want);
}

TEST(DeclarationTablesTest, GroupSubroutinesKeepTheirCaptionAndCloseEveryTable) {
  const Subroutine s{.name = "甲", .remarks = "r", .returnType = "整数型",
                     .params = {{.name = "p", .type = "文本型", .byRef = true, .isArray = true}}};
  const Subroutine bare{.name = "乙"};
  const std::vector<Subroutine> list{s, bare};
  EXPECT_EQ(RenderSubroutineTables(list, nullptr, ClassInfo{}),
            Open() + SubroutineHead("子程序名", "甲", "整数型", "√", "r") + SubroutineParamCaption() +
                SubroutineParamRow("p", "文本型", "√", "", "√", "") + TableEnd() +
                SubroutineHead("子程序名", "乙", "", "√", "") + TableEnd() + std::string(kClose));
  EXPECT_EQ(RenderSubroutineTables({}, &bare, ClassInfo{}),
            RenderSubroutineTables(std::vector<Subroutine>{bare}, nullptr, ClassInfo{}));
  EXPECT_EQ(RenderSubroutineTables({}, nullptr, ClassInfo{}), Open() + std::string(kClose));
}

TEST(DeclarationTablesTest, DllCommandWithEmptyLibraryAndQuotePairs) {
  const DllCommand d = golden::GetWindowText();
  // Tables keep quote pairs; only the markup characters are escaped.
  EXPECT_EQ(RenderDllCommandTables({}, &d),
            Open() + DllHead("取窗口文本", "整数型", "√", "", "GetWindowTextA", "返回\"\"字符数\"\"") +
                DllParamCaption() + DllParamRow("窗口句柄", "整数型", "", "", "") +
                DllParamRow("缓冲区", "文本型", "√", "", "至少\"\"260\"\"字节&lt;文本&gt;") + TableEnd() +
                std::string(kClose));
}

TEST(DeclarationTablesTest, ConstantsOfEveryKindInOneUnclosedTable) {
  const std::vector<Constant> constants = golden::EveryKindOfConstant();
  const std::string want = ConstantStart() + ConstantRow("甲", "3.5", "√", "#800000", "三点五") +
                           ConstantRow("乙", "100", "√", "#800000", "") + ConstantRow("丙", "-1", "√", "#800000", "") +
                           ConstantRow("丁", "36526.5", "√", "#800000", "") +
                           ConstantRow("戊", "“abc”", "√", "#008080", "文本") + ConstantRow("己", "0", "√", "#800000", "") +
                           ConstantRow("庚", "&lt;图片 12,345 字节&gt;", "√", "#800000", "") +
                           ConstantRow("辛", "“一\\r\\n\\\"二\\\"\\三&lt;”", "√", "#008080", "") + ConstantEnd();
  const std::string got = RenderConstantTable(constants, nullptr);
  EXPECT_EQ(got, want);
  EXPECT_TRUE(got.ends_with("</table>\r\n"));
}

TEST(DeclarationTablesTest, GlobalsShowDimensionsWithoutQuotes) {
  EXPECT_EQ(RenderGlobalVariableTable(golden::Globals(), nullptr),
            GlobalStart() + GlobalRow("缓存", "整数型", "2,3", "√", "二维") + GlobalRow("计数", "整数型", "", "√", "") +
                GlobalEnd());
  EXPECT_TRUE(GlobalEnd().ends_with("<br /></div>"));
}

TEST(DeclarationTablesTest, DataTypeWithArrayMember) {
  const DataType t = golden::Point();
  const DataType empty{.name = "空"};
  EXPECT_EQ(RenderDataTypeTables(std::vector<DataType>{t, empty}, nullptr),
            Open() + DataTypeHead("坐标", "√", "点") + MemberCaption() + MemberRow("横", "整数型", "", "", "") +
                MemberRow("值", "小数型", "√", "√", "数组成员") + TableEnd() + DataTypeHead("空", "√", "") + TableEnd() +
                std::string(kClose));
}

TEST(DeclarationTablesTest, ModuleTextsNeverBecomeMarkupOrPlaceholders) {
  // A remark with markup stays text; a name that reads like a placeholder is
  // not filled again with another value.
  const DataType t{.name = "#公开#", .remarks = "<b>粗</b>",
                   .members = {{.name = "#备注#", .remarks = "m", .type = "#类型#"}}};
  EXPECT_EQ(RenderDataTypeTables({}, &t),
            Open() + DataTypeHead("#公开#", "√", "&lt;b&gt;粗&lt;/b&gt;") + MemberCaption() +
                MemberRow("#备注#", "#类型#", "", "", "m") + TableEnd() + std::string(kClose));
}

TEST(FillPlaceholdersTest, ReplacesEveryOccurrenceInListOrder) {
  const std::vector<std::string_view> values{"1", "2"};
  // Letter case is ignored, extra placeholders get empty values, extra values are dropped.
  EXPECT_EQ(FillPlaceholders("#a#-#A#-#b#-#c#", "#a#|#B#|#c#", values), "1-1-2-");
  EXPECT_EQ(FillPlaceholders("#x#", "#x#", std::vector<std::string_view>{"a", "b", "c"}), "a");
  // Processed one placeholder after another: "#a#" takes its match before "#b#" can.
  EXPECT_EQ(FillPlaceholders("#b#a#", "#a#|#b#", values), "#b1");
  // Chinese placeholders match whole characters only.
  EXPECT_EQ(FillPlaceholders("<#类名#>", "#类名#", std::vector<std::string_view>{"窗口"}), "<窗口>");
  PlaceholderTemplate exact("#DLL备注#|#dll备注#", {{"#DLL备注#", false}});
  std::string out;
  const std::vector<std::string_view> remark{"<r>"};
  exact.AppendTo(out, remark, true);
  EXPECT_EQ(out, "&lt;r&gt;|#dll备注#");
}

}  // namespace
}  // namespace ec
