// The whole-module renderings: declaration text in tree order, the HTML
// export, and every real module of the corpus rendered in all three forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "model/module_analysis.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/html_export.h"
#include "render/item_page.h"
#include "render/module_text.h"
#include "tests/render/golden_models.h"
#include "tests/support/temp_dir.h"
#include "tests/support/corpus.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

size_t Count(std::string_view text, std::string_view what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

ModuleModel SmallModel() {
  ModuleModel model;
  model.info.name = "<测试>";
  model.subroutineGroups = {{.subroutines = {{.name = "甲"}, {.name = "乙"}}}, {.subroutines = {{.name = "丙"}}}};
  model.constants = golden::EveryKindOfConstant();
  model.classes = {golden::WindowClass()};
  return model;
}

TEST(ModuleTextTest, BlocksInTreeOrderSeparatedByOneEmptyLine) {
  EXPECT_EQ(ModuleDeclarationText(SmallModel()),
            ".版本 2\r\n\r\n.子程序 甲, , 公开, \r\n\r\n.子程序 乙, , 公开, \r\n\r\n"
            ".版本 2\r\n\r\n.子程序 丙, , 公开, \r\n\r\n"
            ".版本 2\r\n\r\n.常量 甲, 3.5, 公开, 三点五\r\n.常量 乙, 100, 公开, \r\n.常量 丙, -1, 公开, \r\n"
            ".常量 丁, 36526.5, 公开, \r\n.常量 戊, \"abc\", 公开, 文本\r\n.常量 己, 0, 公开, \r\n"
            ".常量 庚, <图片 12,345 字节>, 公开, \r\n.常量 辛, \"一\\r\\n\\\"二\\\"\\三<\", 公开, \r\n\r\n"
            ".版本 2\r\n\r\n.程序集 窗口类, 对象, 公开, 主窗口\r\n\r\n.子程序 显示, 逻辑型, 公开, 显示窗口\r\n"
            ".参数 标题, 文本型, 可空, 窗口标题\r\n\r\n.子程序 关闭, , 公开, \r\n");
  EXPECT_EQ(ModuleDeclarationText(ModuleModel{}), "");

  // The same blocks as HTML, one empty line between them, and as tables.
  const ModuleModel m = SmallModel();
  const std::string html = ModuleDeclarations(m, DeclarationForm::HtmlCode);
  EXPECT_EQ(Count(html, kCodeOpening), 4u);
  EXPECT_EQ(Count(html, "</div><br>" + std::string(kCodeOpening)), 3u);
  EXPECT_EQ(Count(html, "<br></div>"), 0u);  // the constants' last line break is dropped
  EXPECT_EQ(ModuleDeclarations(m, DeclarationForm::Tables),
            RenderSubroutineTables(m.subroutineGroups[0].subroutines, nullptr, {}) +
                RenderSubroutineTables(m.subroutineGroups[1].subroutines, nullptr, {}) +
                RenderConstantTable(m.constants, nullptr) + RenderSubroutineTables(m.classes[0].methods, nullptr, m.classes[0]));
  EXPECT_EQ(GroupDeclarations(m, DeclarationForm::PlainCode),
            ".版本 2\r\n\r\n.子程序 甲, , 公开, \r\n\r\n.子程序 乙, , 公开, \r\n\r\n.版本 2\r\n\r\n.子程序 丙, , 公开, \r\n");
}

TEST(HtmlExportTest, ContentsLinkEverySectionInTreeOrder) {
  std::ostringstream out;
  WriteHtmlExport(SmallModel(), out, "fallback");
  const std::string html = out.str();
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << html.substr(0, 100);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("<title>&lt;测试&gt;</title>"), std::string::npos);
  EXPECT_TRUE(html.ends_with("</html>\n"));
  const std::vector<std::string> ids = {"summary", "subroutines", "group-1", "group-2", "constants", "class-1"};
  size_t last = 0;
  for (const std::string& id : ids) {
    EXPECT_EQ(Count(html, "href=\"#" + id + "\""), 1u) << id;
    const size_t at = html.find("<section id=\"" + id + "\">");
    ASSERT_NE(at, std::string::npos) << id;
    EXPECT_GT(at, last) << id;
    last = at;
  }
  EXPECT_EQ(Count(html, "<section id="), ids.size());
  EXPECT_NE(html.find("第一集(2)"), std::string::npos);
  EXPECT_NE(html.find("第二集(1)"), std::string::npos);
  EXPECT_NE(html.find("窗口类(2)"), std::string::npos);
  EXPECT_EQ(html.find("href=\"#dll-commands\""), std::string::npos);  // empty categories are left out
  // The tables' absolute wrappers must flow in one long document.
  EXPECT_NE(html.find("position: static !important"), std::string::npos);
  EXPECT_EQ(Count(html, "<ul>"), Count(html, "</ul>"));

  std::ostringstream unnamed;
  WriteHtmlExport(ModuleModel{}, unnamed, "文件");
  EXPECT_NE(unnamed.str().find("<title>文件</title>"), std::string::npos);
}

// Every in-document link of an export leads to an element of the document.
void ExpectEveryLinkHasItsTarget(const std::string& html) {
  const std::string href = "href=\"#";
  for (size_t at = html.find(href); at != std::string::npos; at = html.find(href, at + 1)) {
    const size_t start = at + href.size();
    const std::string id = html.substr(start, html.find('"', start) - start);
    EXPECT_NE(html.find("id=\"" + id + "\""), std::string::npos) << id;
  }
}

TEST(HtmlExportTest, TypeNamesLinkToTheirDataTypesAndClasses) {
  ModuleModel model;
  const Parameter point{.name = "起", .type = "点"};
  model.subroutineGroups = {{.subroutines = {{.name = "画", .returnType = "窗口类", .params = {point}}}}};
  // A data type named like a basic type is never what "整数型" means.
  model.dataTypes = {{.name = "点", .members = {{.name = "横", .type = "整数型"}}}, {.name = "整数型"}};
  model.classes = {golden::WindowClass(), golden::WindowClass()};
  model.classes[1].name = "子窗口";
  model.classes[1].baseType = "窗口类";
  model.globals = {{.name = "原点", .type = "点"}};
  std::ostringstream out;
  WriteHtmlExport(model, out, "module");
  const std::string html = out.str();
  EXPECT_EQ(Count(html, "<a id=\"data-type-1\">"), 1u);
  EXPECT_EQ(Count(html, "href=\"#data-type-1\""), 4u);  // parameter and global, in code and in tables
  EXPECT_EQ(Count(html, "href=\"#class-1\""), 5u);      // contents, return type and base type twice each
  EXPECT_EQ(Count(html, "href=\"#data-type-2\""), 0u);
  EXPECT_EQ(Count(html, "ecview-"), 0u);  // a document has no viewer links
  ExpectEveryLinkHasItsTarget(html);
}

// Renders everything a module holds in every form, as the viewer and the
// command-line tool would, and checks the pieces fit together.
void RenderWholeModule(const ModuleModel& model) {
  for (const SubroutineGroup& g : model.subroutineGroups) {
    const std::string text = RenderSubroutineCode(g.subroutines, nullptr, CodeMode::PlainText, ClassInfo{});
    EXPECT_EQ(Count(text, ".子程序 "), g.subroutines.size());
    const std::string tables = RenderSubroutineTables(g.subroutines, nullptr, ClassInfo{});
    EXPECT_EQ(Count(tables, "<table"), Count(tables, "</table>"));
    EXPECT_EQ(Count(tables, "<table"), g.subroutines.size());
    for (const Subroutine& s : g.subroutines) EXPECT_FALSE(ItemPage({}, &s, ClassInfo{}).empty());
  }
  for (const ClassInfo& c : model.classes) {
    const std::string page = ItemPage(c.methods, nullptr, c);
    EXPECT_EQ(Count(page, "<table"), c.methods.size() + 1);
    EXPECT_EQ(Count(RenderSubroutineCode(c.methods, nullptr, CodeMode::PlainText, c), ".程序集 "), 1u);
  }
  EXPECT_EQ(Count(RenderDllCommandCode(model.dllCommands, nullptr, CodeMode::PlainText), ".DLL命令 "),
            model.dllCommands.size());
  EXPECT_EQ(Count(RenderDllCommandTables(model.dllCommands, nullptr), "<table"), model.dllCommands.size());
  EXPECT_EQ(Count(RenderConstantCode(model.constants, nullptr, CodeMode::Html), ".常量 "), model.constants.size());
  EXPECT_EQ(Count(RenderConstantTable(model.constants, nullptr), "\t\t\t<tr>"), model.constants.size() + 1);
  EXPECT_EQ(Count(RenderGlobalVariableCode(model.globals, nullptr, CodeMode::PlainText), ".全局变量 "),
            model.globals.size());
  EXPECT_EQ(Count(RenderGlobalVariableTable(model.globals, nullptr), "\t\t\t<tr>"), model.globals.size() + 1);
  EXPECT_EQ(Count(RenderDataTypeCode(model.dataTypes, nullptr, CodeMode::Html), ".数据类型 "), model.dataTypes.size());
  EXPECT_EQ(Count(RenderDataTypeTables(model.dataTypes, nullptr), "<table"), model.dataTypes.size());

  std::ostringstream out;
  WriteHtmlExport(model, out, "module");
  const std::string html = out.str();
  EXPECT_TRUE(html.ends_with("</html>\n"));
  EXPECT_EQ(Count(html, "<section"), Count(html, "</section>"));
  EXPECT_EQ(Count(html, "<script"), 0u);
  ExpectEveryLinkHasItsTarget(html);
  EXPECT_FALSE(ModuleDeclarationText(model).empty());
}

TEST(CorpusRenderTest, EveryModuleRendersInEveryForm) {
  std::vector<fs::path> files{fs::path(EC_SOURCE_DIR) / "examples/sample.ec"};
  if (test::HasCorpus()) {
    for (const auto& entry : fs::directory_iterator(test::CorpusDir()))
      if (entry.path().extension() != ".md") files.push_back(entry.path());
    ASSERT_GE(files.size(), 6u);
  }
  test::TempDir temp;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    const fs::path copy = temp.path() / file.filename();
    fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
    ModuleModel model;
    ASSERT_TRUE(analyseModule(copy.string(), model, {.readOnly = true}));
    RenderWholeModule(model);
  }
}

}  // namespace
}  // namespace ec
