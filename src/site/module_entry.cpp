#include "site/module_entry.h"

#include <sstream>

#include "declarations/declaration_places.h"
#include "render/html_escape.h"
#include "render/summary_page.h"
#include "site/site_links.h"
#include "support/json_writer.h"
#include "support/pinyin.h"
#include "support/plain_text.h"

namespace ec::site {
namespace {

// The kinds as search.js numbers them.
int KindNumber(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Subroutine: return 0;
    case DeclarationKind::Class: return 1;
    case DeclarationKind::Method: return 2;
    case DeclarationKind::DataType: return 3;
    case DeclarationKind::DllCommand: return 4;
    case DeclarationKind::Constant: return 5;
    case DeclarationKind::Global: return 6;
  }
  return 0;
}

// A module without a name goes by its file name without the extension.
std::string_view Title(const ModuleModel& m, std::string_view fileName) {
  if (!m.info.name.empty()) return m.info.name;
  const size_t slash = fileName.find_last_of('/');
  std::string_view stem = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = stem.rfind('.');
  return dot == 0 || dot == std::string_view::npos ? stem : stem.substr(0, dot);
}

std::string FirstLine(std::string_view text) {
  text = text.substr(0, text.find_first_of("\r\n"));
  constexpr size_t kMaxBytes = 300;  // a remark of one long line stays a line of the table
  if (text.size() <= kMaxBytes) return std::string(text);
  return std::string(Utf8Prefix(text, kMaxBytes)) + "…";
}

std::string Counts(const ModuleModel& m) {
  size_t subroutines = 0, methods = 0;
  for (const SubroutineGroup& g : m.subroutineGroups) subroutines += g.subroutines.size();
  for (const ClassInfo& c : m.classes) methods += c.methods.size();
  const std::pair<std::string_view, size_t> counts[] = {
      {"子程序", subroutines},         {"类", m.classes.size()},       {"方法", methods},
      {"数据类型", m.dataTypes.size()}, {"DLL命令", m.dllCommands.size()}, {"常量", m.constants.size()},
      {"全局变量", m.globals.size()}};
  std::string out;
  for (const auto& [label, n] : counts) {
    if (n == 0) continue;
    if (!out.empty()) out += "<br>";
    out += std::string(label) + " " + std::to_string(n);
  }
  return out;
}

std::string Libraries(const SupportInfo& support) {
  std::string out;
  for (const std::string& entry : support.libraries) {
    const LibraryFields fields = SplitLibraryEntry(entry);
    if (!out.empty()) out += "<br>";
    AppendHtmlEscaped(out, fields.name.empty() ? fields.field1 : fields.name);
  }
  return out;
}

std::string Problems(const ReadOutcome& outcome) {
  std::string out;
  for (const std::string& problem : outcome.problems) {
    out += "<div class=\"problem\">";
    AppendHtmlEscaped(out, problem);
    out += "</div>";
  }
  return out;
}

std::string Row(const ModuleModel& m, std::string_view fileName, std::string_view page, bool hasPage) {
  const std::string file = HtmlEscaped(fileName);
  if (!hasPage) {
    const std::string reason = m.outcome.problems.empty() ? "读取失败" : m.outcome.problems.front();
    return "<tr class=\"rejected\"><td>" + file + "</td><td colspan=\"5\">未能读取：" + HtmlEscaped(reason) +
           "</td></tr>\n";
  }
  const std::string name = HtmlEscaped(Title(m, fileName));
  std::string row = "<tr><td><a href=\"" + PageHref(page) + "\">" + name + "</a><div class=\"file\">" + file +
                    "</div>";
  if (!m.outcome.complete) row += "<div class=\"problem\">只读取了一部分：</div>" + Problems(m.outcome);
  row += "</td><td>" + std::to_string(m.info.versionMajor) + "." + std::to_string(m.info.versionMinor) + "</td><td>" +
         HtmlEscaped(m.info.author) + "</td><td>" + HtmlEscaped(FirstLine(CutRemarkSection(m.info.remarks))) +
         "</td><td>" + Counts(m) + "</td><td>" + Libraries(m.support) + "</td></tr>\n";
  return row;
}

std::string SearchStatement(const ModuleModel& m, std::string_view fileName, std::string_view page) {
  std::ostringstream out;
  out << "EC_SITE_INDEX.push(";
  {
    JsonWriter w(out);
    w.BeginObject().Key("t").String(Title(m, fileName));
    w.Key("f").String(fileName).Key("p").String(PageHref(page)).Key("d").BeginArray();
    ForEachDeclaration(m, [&](DeclarationKind kind, std::string_view container, std::string_view name,
                              DeclarationPlace place) {
      w.BeginArray().Int(KindNumber(kind)).String(name);
      const std::string initials = NameInitials(name);
      if (initials == name) w.Int(0);
      else w.String(initials);
      w.String(DeclarationAnchor({kind, place}));
      if (!container.empty()) w.String(container);
      w.EndArray();
    });
    w.EndArray().EndObject();
  }
  out << ");\n";
  return out.str();
}

}  // namespace

std::string PageHref(std::string_view page) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string href = "modules/";
  for (const char c : page) {
    const auto u = static_cast<unsigned char>(c);
    const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
                       u == '_' || u == '.';
    if (plain) href += c;
    else href.append({'%', kHex[u >> 4], kHex[u & 15]});
  }
  return href + ".html";
}

ModuleEntry MakeModuleEntry(const ModuleModel& model, std::string_view fileName, std::string_view page,
                            bool hasPage) {
  return {Row(model, fileName, page, hasPage), hasPage ? SearchStatement(model, fileName, page) : std::string()};
}

}  // namespace ec::site
