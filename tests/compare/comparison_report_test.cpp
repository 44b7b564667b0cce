// The changelog text, the HTML report and its declaration links.
#include <gtest/gtest.h>

#include <sstream>

#include "compare/comparison_html.h"
#include "compare/comparison_json.h"
#include "compare/comparison_text.h"
#include "compare/declaration_node.h"

namespace ec {
namespace {

struct Versions {
  ModuleModel oldModel;
  ModuleModel newModel;
};

Versions TwoVersions() {
  Versions v;
  v.oldModel.info = {.name = "工具", .remarks = "第一行\r\n第二行", .versionMajor = 1};
  v.oldModel.support.libraries = {"krnln\r{g}\r5\r6\r系统核心支持库"};
  v.oldModel.subroutineGroups = {{{{.name = "取值", .returnType = "整数型"}, {.name = "旧的"}}}};
  v.oldModel.constants = {{.name = "上限", .value = ConstantValue::OfNumber(100)}};
  v.oldModel.globals = {{.name = "表<甲>", .type = "整数型"}};
  v.newModel = v.oldModel;
  v.newModel.info.versionMinor = 6;
  v.newModel.info.remarks = "第一行";
  v.newModel.support.libraries[0] = "krnln\r{g}\r5\r7\r系统核心支持库";
  v.newModel.subroutineGroups[0].subroutines = {
      {.name = "取值", .returnType = "文本型", .params = {{.name = "键", .type = "文本型", .optional = true}}}};
  v.newModel.constants[0].value = ConstantValue::OfNumber(200);
  v.newModel.globals.clear();
  v.newModel.classes = {{.name = "窗口", .baseType = "对象", .methods = {{.name = "显示"}}}};
  return v;
}

TEST(ComparisonText, AChangelogWithDeclarationLines) {
  const Versions v = TwoVersions();
  const ModuleComparison result = CompareModules(v.oldModel, v.newModel);
  EXPECT_EQ(ComparisonText({v.oldModel, v.newModel, result, "a.ec", "b.ec"}),
            "旧：a.ec（工具 1.0）\n"
            "新：b.ec（工具 1.6）\n"
            "\n模块信息\n"
            "  ~ 版本：1.0 → 1.6\n"
            "  ~ 备注：\n"
            "      - 第一行\n"
            "      - 第二行\n"
            "      + 第一行\n"
            "\n支持库\n"
            "  ~ 系统核心支持库(krnln) 5.6 → 5.7\n"
            "\n子程序：新增 0，删除 1，修改 1\n"
            "  - 旧的\n"
            "      .子程序 旧的, , 公开, \n"
            "  ~ 取值（返回值类型、参数）\n"
            "    - .子程序 取值, 整数型, 公开, \n"
            "    + .子程序 取值, 文本型, 公开, \n"
            "    + .参数 键, 文本型, 可空, \n"
            "\n类：新增 1，删除 0，修改 0\n"
            "  + 窗口\n"
            "      .程序集 窗口, 对象, 公开, \n"
            "\n方法：新增 1，删除 0，修改 0\n"
            "  + 窗口.显示\n"
            "      .子程序 显示, , 公开, \n"
            "\n常量：新增 0，删除 0，修改 1\n"
            "  ~ 上限（值）\n"
            "    - .常量 上限, 100, 公开, \n"
            "    + .常量 上限, 200, 公开, \n"
            "\n全局变量：新增 0，删除 1，修改 0\n"
            "  - 表<甲>\n"
            "      .全局变量 表<甲>, 整数型, 公开, , \n"
            "\n共计：新增 2，删除 2，修改 2\n");
  const ModuleComparison same = CompareModules(v.oldModel, v.oldModel);
  EXPECT_EQ(ComparisonText({v.oldModel, v.oldModel, same, "a.ec", "a.ec"}),
            "旧：a.ec（工具 1.0）\n新：a.ec（工具 1.0）\n\n没有差别。\n");
}

// Text and HTML name the changed fields in Chinese; JSON keeps the names scripts read.
TEST(ComparisonReports, FieldNamesInChineseExceptInJson) {
  Versions v;
  v.oldModel.subroutineGroups = {{{{.name = "取值", .params = {{.name = "键", .remarks = "旧"}}},
                                   {.name = "比较", .params = {{.name = "甲"}, {.name = "乙"}}}}}};
  v.oldModel.globals = {{.name = "表", .type = "整数型"}};
  v.oldModel.dllCommands = {{.name = "调用", .libraryFile = "a.dll", .nameInLibrary = "F"}};
  v.newModel = v.oldModel;
  v.newModel.subroutineGroups[0].subroutines[0].params[0].remarks = "新";
  v.newModel.subroutineGroups[0].subroutines[1].params = {{.name = "乙"}, {.name = "<丙>"}};
  v.newModel.globals[0] = {.name = "表", .remarks = "r", .type = "文本型", .dimensions = {2}};
  v.newModel.dllCommands[0] = {.name = "调用", .returnType = "整数型", .libraryFile = "b.dll", .nameInLibrary = "G"};
  const ModuleComparison result = CompareModules(v.oldModel, v.newModel);
  const ComparedModules modules{v.oldModel, v.newModel, result, "a.ec", "b.ec"};
  const std::string text = ComparisonText(modules);
  EXPECT_NE(text.find("  ~ 取值（参数备注）\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  ~ 表（类型、数组、备注）\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  ~ 调用（返回值类型、库文件名、库中名称）\n"), std::string::npos) << text;
  const std::string html = ComparisonHtml(modules);
  EXPECT_NE(html.find("取值</span>（参数备注）"), std::string::npos);
  EXPECT_NE(html.find("表</span>（类型、数组、备注）"), std::string::npos);
  // Under each changed pair, the parameters that changed, marked.
  EXPECT_NE(html.find("参数：备注有变 <span style=\"color:#0000FF;\">键</span>"), std::string::npos) << html;
  EXPECT_NE(html.find("参数：新增 <span style=\"color:#008000;\">&lt;丙&gt;</span>；删除 <span "
                      "style=\"color:#800000;text-decoration:line-through;\">甲</span>"),
            std::string::npos);
  std::ostringstream json;
  WriteComparisonJson(json, modules);
  EXPECT_NE(json.str().find("\"paramRemarks\""), std::string::npos) << json.str();
  EXPECT_NE(json.str().find("\"dimensions\""), std::string::npos);
}

TEST(ComparisonHtml, SideBySideEscapedAndLinkedIntoOneSide) {
  const Versions v = TwoVersions();
  const ModuleComparison result = CompareModules(v.oldModel, v.newModel);
  const ComparedModules modules{v.oldModel, v.newModel, result, "<old>.ec", "new.ec"};
  const std::string plain = ComparisonHtml(modules);
  EXPECT_TRUE(plain.starts_with("<!DOCTYPE html>")) << plain.substr(0, 100);
  EXPECT_EQ(plain.find("<a "), std::string::npos);
  EXPECT_EQ(plain.find("<old>"), std::string::npos);
  EXPECT_NE(plain.find("&lt;old&gt;.ec"), std::string::npos);
  EXPECT_NE(plain.find("表&lt;甲&gt;"), std::string::npos);
  EXPECT_NE(plain.find("第一行<br>第二行"), std::string::npos);
  // The changed constant: old code in one cell, new code in the next.
  const size_t oldCell = plain.find("<td width=\"50%\" valign=\"top\"><div");
  ASSERT_NE(oldCell, std::string::npos);
  const size_t newCell = plain.find("<td width=\"50%\" valign=\"top\"><div", oldCell + 1);
  ASSERT_NE(newCell, std::string::npos);
  EXPECT_NE(plain.find("整数型", oldCell), std::string::npos);
  EXPECT_LT(plain.find("文本型", oldCell), plain.find("</tr>", newCell));
  EXPECT_EQ(plain.find(".版本 2"), std::string::npos);

  // Linked into the new model: added and changed names link, removed ones cannot.
  const std::string linked = ComparisonHtml(modules, {.links = LinkSide::New});
  EXPECT_NE(linked.find("<a href=\"ecview-declaration:method/0/0\">"), std::string::npos);
  EXPECT_NE(linked.find("<a href=\"ecview-declaration:constant/0/0\">"), std::string::npos);
  EXPECT_EQ(linked.find("ecview-declaration:global/"), std::string::npos);
  const std::string linkedOld = ComparisonHtml(modules, {.links = LinkSide::Old});
  EXPECT_NE(linkedOld.find("ecview-declaration:global/0/0"), std::string::npos);
  EXPECT_EQ(linkedOld.find("ecview-declaration:class/"), std::string::npos);
  // Five of the six declarations are written; the last one only counted.
  const std::string limited = ComparisonHtml(modules, {.maxDeclarations = 5});
  EXPECT_NE(limited.find("这里列出前 5 项，另有 1 项未列出"), std::string::npos);
  EXPECT_EQ(limited.find("表&lt;甲&gt;"), std::string::npos);
  EXPECT_NE(limited.find("<h3>全局变量：新增 0，删除 1，修改 0</h3>\n</body>"), std::string::npos);
  EXPECT_EQ(plain.find("未列出"), std::string::npos);
}

TEST(ComparisonHtml, DeclarationLinksReadBackAndRejectAnythingElse) {
  const DeclarationLink link{DeclarationKind::DllCommand, {0, 12}};
  EXPECT_EQ(ParseDeclarationHref(DeclarationHref(link)), link);
  for (const DeclarationKind kind : kDeclarationKinds)
    EXPECT_EQ(ParseDeclarationHref(DeclarationHref({kind, {3, 4}}))->kind, kind);
  for (const char* bad : {"", "ecview-declaration:", "ecview-declaration:method/1", "ecview-declaration:method/1/",
                          "ecview-declaration:thing/1/2", "ecview-declaration:method/-1/2", "ecview-declaration:method/1/2x",
                          "http://x/method/1/2", "ecview-declaration:method/99999999999999999999999/0"})
    EXPECT_FALSE(ParseDeclarationHref(bad).has_value()) << bad;
}

TEST(DeclarationNode, LinksLeadToTheTreeNodesOfTheirDeclarations) {
  ModuleModel m;
  m.subroutineGroups = {{{{.name = "a"}, {.name = "b"}}}, {{{.name = "c"}, {.name = "d"}, {.name = "e"}}}};
  m.classes = {{.name = "甲", .methods = {{.name = "m"}}}, {.name = "乙", .methods = {{.name = "m"}, {.name = "n"}}}};
  m.dllCommands = {{.name = "x"}};
  const auto node = [&](DeclarationKind kind, DeclarationPlace place) {
    const auto n = TreeNodeOf(m, {kind, place});
    return n ? std::vector<int>{n->kind, n->itemData, n->parentItemData, n->depth} : std::vector<int>{};
  };
  EXPECT_EQ(node(DeclarationKind::Subroutine, {1, 2}), (std::vector<int>{kKindSubroutine, 5, 0, 3}));
  EXPECT_EQ(node(DeclarationKind::Method, {1, 1}), (std::vector<int>{kKindMethod, 2, 2, 3}));
  EXPECT_EQ(node(DeclarationKind::Class, {0, 1}), (std::vector<int>{kKindClass, 2, 0, 2}));
  EXPECT_EQ(node(DeclarationKind::DllCommand, {0, 0}), (std::vector<int>{kKindDllCommands, 1, 0, 3}));
  EXPECT_EQ(node(DeclarationKind::Subroutine, {2, 0}), std::vector<int>{});
  EXPECT_EQ(node(DeclarationKind::Method, {0, 1}), std::vector<int>{});
  EXPECT_EQ(node(DeclarationKind::Constant, {0, 0}), std::vector<int>{});
}

}  // namespace
}  // namespace ec
