#include "render/html_export.h"

#include <functional>
#include <string>
#include <vector>

#include "render/chinese_numeral.h"
#include "render/html_escape.h"
#include "render/item_page.h"
#include "render/summary_page.h"
#include "render/type_link_schemes.h"

namespace ec {
namespace {

// The item pages are made for a view that shows one page at a time, and pin
// their tables to the top of it; in one long document they must flow instead.
constexpr std::string_view kStyle = R"css(
body { font-family: SimSun, "Noto Serif CJK SC", "Noto Sans CJK SC", serif; margin: 1em 2em; }
nav ul { list-style: none; padding-left: 1.2em; margin: 0.2em 0; }
h2 { border-bottom: 2px solid #337FE5; padding-bottom: 0.2em; margin-top: 2em; }
section div[style*="position:absolute"] { position: static !important; width: auto !important; height: auto !important; }
@media print { nav { break-after: page; } }
)css";

struct Section {
  std::string id;
  std::string heading;  // HTML-escaped already
  int level = 0;        // 0 for a top entry of the contents, 1 for a subroutine group
  std::function<std::string()> page;  // rendered only when written
};

std::string Counted(std::string_view label, size_t count) {
  return std::string(label) + "(" + std::to_string(count) + ")";
}

// Adds a category section when the list has entries.
template <typename T>
void AddCategory(std::vector<Section>& sections, std::string id, std::string_view label, const std::vector<T>& list,
                 const TypeLinks& links) {
  if (list.empty()) return;
  sections.push_back(
      {std::move(id), Counted(label, list.size()), 0, [&list, &links] { return ItemPage(list, nullptr, &links); }});
}

// The sections of the document in tree order; the same list drives the
// contents and the body, so every link has its target; type names link to
// the data types and classes they name.
std::vector<Section> Sections(const ModuleModel& model, const TypeLinks& links) {
  std::vector<Section> sections{{"summary", "模块信息", 0, [&model] { return BuildSummaryPage(model); }}};
  size_t subroutines = 0;
  for (const SubroutineGroup& g : model.subroutineGroups) subroutines += g.subroutines.size();
  if (subroutines > 0) sections.push_back({"subroutines", Counted("子程序集合", subroutines), 0, {}});
  for (size_t i = 0; i < model.subroutineGroups.size(); ++i) {
    const SubroutineGroup& g = model.subroutineGroups[i];
    const std::string label = "第" + ChineseNumeral(static_cast<uint32_t>(i + 1)) + "集";
    sections.push_back({"group-" + std::to_string(i + 1), Counted(label, g.subroutines.size()), 1,
                        [&g, &links] { return ItemPage(g.subroutines, nullptr, ClassInfo{}, &links); }});
  }
  AddCategory(sections, "dll-commands", "API", model.dllCommands, links);
  AddCategory(sections, "constants", "常量", model.constants, links);
  AddCategory(sections, "globals", "全局变量", model.globals, links);
  AddCategory(sections, "data-types", "自定义数据类型", model.dataTypes, links);
  for (size_t i = 0; i < model.classes.size(); ++i) {
    const ClassInfo& c = model.classes[i];
    sections.push_back({"class-" + std::to_string(i + 1), HtmlEscaped(Counted(c.name, c.methods.size())), 0,
                        [&c, &links] { return ItemPage(c.methods, nullptr, c, &links); }});
  }
  return sections;
}

void WriteContents(const std::vector<Section>& sections, std::ostream& out) {
  std::string nav = "<nav>\n<h2>目录</h2>\n<ul>\n";
  for (size_t i = 0; i < sections.size(); ++i) {
    const Section& s = sections[i];
    nav += "<li><a href=\"#" + s.id + "\">" + s.heading + "</a>";
    const bool opensGroups = i + 1 < sections.size() && sections[i + 1].level > s.level;
    const bool closesGroups = s.level > 0 && (i + 1 == sections.size() || sections[i + 1].level < s.level);
    if (opensGroups) nav += "\n<ul>";
    else nav += "</li>";
    if (closesGroups) nav += "\n</ul></li>";
    nav += '\n';
  }
  nav += "</ul>\n</nav>\n";
  out << nav;
}

}  // namespace

void WriteHtmlExport(const ModuleModel& model, std::ostream& out, std::string_view fallbackTitle) {
  const std::string title = HtmlEscaped(model.info.name.empty() ? fallbackTitle : model.info.name);
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << title
      << "</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n<h1>" << title << "</h1>\n";
  const DocumentTypeLinks links(model);
  const std::vector<Section> sections = Sections(model, links);
  WriteContents(sections, out);
  for (const Section& s : sections) {
    const char* tag = s.level == 0 ? "h2" : "h3";
    out << "<section id=\"" << s.id << "\">\n<" << tag << ">" << s.heading << "</" << tag << ">\n"
        << (s.page ? s.page() : std::string()) << "\n</section>\n";
  }
  out << "</body>\n</html>\n";
}

}  // namespace ec
