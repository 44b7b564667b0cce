#include "site/module_page.h"

#include <algorithm>
#include <string>
#include <vector>

#include "navigate/type_uses.h"
#include "navigate/use_groups.h"
#include "render/chinese_numeral.h"
#include "render/declaration_tables.h"
#include "render/html_escape.h"
#include "render/summary_page.h"
#include "site/site_links.h"
#include "site/table_anchors.h"

namespace ec::site {
namespace {

// A hostile module may give one subroutine thousands of parameters of a type.
constexpr size_t kMaxPlaces = 20;

struct Section {
  std::string id;
  std::string heading;  // escaped already
  int level = 0;        // 1 for a subroutine group
};

std::string Counted(std::string_view label, size_t count) {
  return std::string(label) + "(" + std::to_string(count) + ")";
}

std::vector<std::string> Anchors(DeclarationKind kind, size_t outer, size_t count) {
  std::vector<std::string> ids;
  ids.reserve(count);
  for (size_t i = 0; i < count; ++i) ids.push_back(DeclarationAnchor({kind, {outer, i}}));
  return ids;
}

class PageWriter {
 public:
  PageWriter(const ModuleModel& model, std::ostream& out) : model_(model), links_(model), uses_(model), out_(out) {}

  void Contents() {
    std::string nav = "<nav class=\"contents\">\n<h2>目录</h2>\n<ul>\n";
    for (size_t i = 0; i < sections_.size(); ++i) {
      const Section& s = sections_[i];
      const bool opens = i + 1 < sections_.size() && sections_[i + 1].level > s.level;
      const bool closes = s.level > 0 && (i + 1 == sections_.size() || sections_[i + 1].level < s.level);
      nav += "<li><a href=\"#" + s.id + "\">" + s.heading + "</a>";
      nav += opens ? "\n<ul>" : "</li>";
      if (closes) nav += "\n</ul></li>";
      nav += '\n';
    }
    out_ << nav << "</ul>\n</nav>\n";
  }

  void PlanSections() {
    sections_.push_back({"summary", "模块信息", 0});
    size_t subroutines = 0;
    for (const SubroutineGroup& g : model_.subroutineGroups) subroutines += g.subroutines.size();
    if (subroutines > 0) sections_.push_back({"subroutines", Counted("子程序集合", subroutines), 0});
    for (size_t i = 0; i < model_.subroutineGroups.size(); ++i)
      sections_.push_back({GroupId(i), GroupHeading(i), 1});
    const auto category = [&](const char* id, std::string_view label, size_t count) {
      if (count > 0) sections_.push_back({id, Counted(label, count), 0});
    };
    category("dll-commands", "API", model_.dllCommands.size());
    category("constants", "常量", model_.constants.size());
    category("globals", "全局变量", model_.globals.size());
    category("data-types", "自定义数据类型", model_.dataTypes.size());
    for (size_t i = 0; i < model_.classes.size(); ++i) {
      const ClassInfo& c = model_.classes[i];
      sections_.push_back({DeclarationAnchor({DeclarationKind::Class, {0, i}}),
                           HtmlEscaped(Counted(c.name, c.methods.size())), 0});
    }
  }

  void Body() {
    Open("summary", "h2", "模块信息");
    out_ << BuildSummaryPage(model_) << "\n</section>\n";
    if (!model_.subroutineGroups.empty()) {
      out_ << "<section id=\"subroutines\">\n<h2>" << sections_[1].heading << "</h2>\n";
      for (size_t g = 0; g < model_.subroutineGroups.size(); ++g) Group(g);
      out_ << "</section>\n";
    }
    ListSection("dll-commands", "API", model_.dllCommands, DeclarationKind::DllCommand, "table", 0,
                [this](const auto& list) { return RenderDllCommandTables(list, nullptr, &links_); });
    ListSection("constants", "常量", model_.constants, DeclarationKind::Constant, "tr", 1,
                [](const auto& list) { return RenderConstantTable(list, nullptr); });
    ListSection("globals", "全局变量", model_.globals, DeclarationKind::Global, "tr", 1,
                [this](const auto& list) { return RenderGlobalVariableTable(list, nullptr, &links_); });
    DataTypes();
    for (size_t c = 0; c < model_.classes.size(); ++c) Class(c);
  }

 private:
  static std::string GroupId(size_t g) { return "group-" + std::to_string(g + 1); }
  std::string GroupHeading(size_t g) const {
    return Counted("第" + ChineseNumeral(static_cast<uint32_t>(g + 1)) + "集",
                   model_.subroutineGroups[g].subroutines.size());
  }

  void Open(std::string_view id, std::string_view tag, std::string_view heading) {
    out_ << "<section id=\"" << id << "\">\n<" << tag << ">" << heading << "</" << tag << ">\n";
  }

  void Group(size_t g) {
    const auto& subs = model_.subroutineGroups[g].subroutines;
    Open(GroupId(g), "h3", GroupHeading(g));
    std::string html = RenderSubroutineTables(subs, nullptr, ClassInfo{}, &links_);
    AddIds(html, "table", 0, Anchors(DeclarationKind::Subroutine, g, subs.size()));
    out_ << html << "\n</section>\n";
  }

  template <typename T, typename Render>
  void ListSection(std::string_view id, std::string_view label, const std::vector<T>& list, DeclarationKind kind,
                   std::string_view tag, size_t skip, Render render) {
    if (list.empty()) return;
    Open(id, "h2", Counted(label, list.size()));
    std::string html = render(std::span<const T>(list));
    AddIds(html, tag, skip, Anchors(kind, 0, list.size()));
    CloseOpenDivs(html);
    out_ << html << "\n</section>\n";
  }

  void DataTypes() {
    if (model_.dataTypes.empty()) return;
    Open("data-types", "h2", Counted("自定义数据类型", model_.dataTypes.size()));
    for (size_t i = 0; i < model_.dataTypes.size(); ++i) {
      const DeclarationLink self{DeclarationKind::DataType, {0, i}};
      out_ << "<div class=\"declaration\" id=\"" << DeclarationAnchor(self) << "\">\n"
           << RenderDataTypeTables({}, &model_.dataTypes[i], &links_);
      Uses(self);
      out_ << "</div>\n";
    }
    out_ << "</section>\n";
  }

  void Class(size_t c) {
    const ClassInfo& cls = model_.classes[c];
    const DeclarationLink self{DeclarationKind::Class, {0, c}};
    Open(DeclarationAnchor(self), "h2", HtmlEscaped(Counted(cls.name, cls.methods.size())));
    std::string html = RenderSubroutineTables(cls.methods, nullptr, cls, &links_);
    AddIds(html, "table", 1, Anchors(DeclarationKind::Method, c, cls.methods.size()));
    out_ << html;
    Uses(self);
    out_ << "</section>\n";
  }

  // The "使用处" list: the declarations naming the type, grouped by kind as
  // the viewer's uses page, each a link to its anchor on this page.
  void Uses(const DeclarationLink& target) {
    const std::span<const TypeUse> uses = uses_.UsesOf(target);
    std::string html = "<div class=\"uses\" id=\"" + UsesAnchor(target) + "\">\n<h4>使用处（" +
                       std::to_string(uses.size()) + "）</h4>\n";
    if (uses.empty()) html += "<p>没有使用它的声明。</p>\n";
    for (const UseGroup& group : kUseGroups) {
      const auto inGroup = [&](const TypeUse& u) { return u.user.kind == group.kind; };
      const auto count = static_cast<size_t>(std::count_if(uses.begin(), uses.end(), inGroup));
      if (count == 0) continue;
      html += "<h5>" + std::string(group.heading) + "（" + std::to_string(count) + "）</h5>\n<ul>\n";
      for (const TypeUse& use : uses)
        if (inGroup(use)) html += "<li>" + UseItem(use) + "</li>\n";
      html += "</ul>\n";
    }
    out_ << html << "</div>\n";
  }

  static std::string UseItem(const TypeUse& use) {
    std::string item = "<a href=\"#" + DeclarationAnchor(use.user) + "\">" + HtmlEscaped(UserText(use)) + "</a>";
    const size_t shown = std::min(use.places.size(), kMaxPlaces);
    bool first = true;
    for (size_t i = 0; i < shown; ++i) {
      const std::string text = PlaceText(use.places[i]);
      if (text.empty()) continue;
      item += first ? "：" : "、";
      first = false;
      AppendHtmlEscaped(item, text);
    }
    if (shown < use.places.size()) item += "，共 " + std::to_string(use.places.size()) + " 处";
    return item;
  }

  const ModuleModel& model_;
  SiteTypeLinks links_;
  TypeUseIndex uses_;
  std::ostream& out_;
  std::vector<Section> sections_;
};

}  // namespace

void WriteModulePage(const ModuleModel& model, std::string_view title, std::string_view fileName, std::ostream& out) {
  const std::string heading = HtmlEscaped(model.info.name.empty() ? title : model.info.name);
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>"
      << heading << "</title>\n<link rel=\"stylesheet\" href=\"../site.css\">\n</head>\n<body class=\"module\">\n"
      << "<header class=\"site-nav\"><a href=\"../index.html\">全部模块</a> · <a href=\"../search.html\">搜索</a>"
         "</header>\n<h1>"
      << heading << "</h1>\n<p class=\"file\">" << HtmlEscaped(fileName) << "</p>\n";
  PageWriter writer(model, out);
  writer.PlanSections();
  writer.Contents();
  writer.Body();
  out << "</body>\n</html>\n";
}

}  // namespace ec::site
