#include "compare/comparison_html.h"

#include <algorithm>

#include "compare/parameter_changes.h"
#include "compare/word_changes.h"
#include "declarations/declaration_places.h"
#include "render/html_escape.h"

namespace ec {
namespace {

constexpr std::string_view kTableOpen =
    "<table cellpadding=\"4\" cellspacing=\"0\" border=\"1\" bordercolor=\"#337FE5\" width=\"100%\" "
    "style=\"border-collapse:collapse;\">\n";
constexpr std::string_view kCaption = "#E6EDE4";  // caption rows, as in the declaration tables
constexpr std::string_view kAddedColour = "#008000";
constexpr std::string_view kRemovedColour = "#800000";
constexpr std::string_view kChangedColour = "#0000FF";

// Module text as HTML, its line breaks kept.
std::string TextHtml(std::string_view text) {
  std::string escaped = HtmlEscaped(text);
  std::string out;
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] == '\r' && i + 1 < escaped.size() && escaped[i + 1] == '\n') continue;
    if (escaped[i] == '\n' || escaped[i] == '\r') out += "<br>";
    else out += escaped[i];
  }
  return out;
}

std::string Cell(std::string_view html, std::string_view attributes = "") {
  std::string cell = "<td";
  if (!attributes.empty()) cell.append(" ").append(attributes);
  return cell.append(">").append(html).append("</td>");
}

std::string CaptionRow(std::initializer_list<std::string_view> captions) {
  std::string row = "<tr>";
  for (const std::string_view c : captions) row += Cell(c, "bgcolor=\"" + std::string(kCaption) + "\"");
  return row + "</tr>\n";
}

std::string Mark(std::string_view word, std::string_view colour) {
  return "<b><span style=\"color:" + std::string(colour) + ";\">" + std::string(word) + "</span></b> ";
}

// A changed remark with the words it lost struck through and those it gained
// underlined, each on a tint, so both show up in one line of text.
std::string MarkedWords(std::string_view before, std::string_view after) {
  std::string html;
  for (const WordPiece& piece : WordChanges(before, after)) {
    switch (piece.change) {
      case WordPiece::Change::Same:
        html += TextHtml(piece.text);
        break;
      case WordPiece::Change::Removed:
        html += "<span class=\"removed\" style=\"color:" + std::string(kRemovedColour) +
                ";background-color:#FBE4E4;text-decoration:line-through;\">" + TextHtml(piece.text) + "</span>";
        break;
      case WordPiece::Change::Added:
        html += "<span class=\"added\" style=\"color:" + std::string(kAddedColour) +
                ";background-color:#E2F4E2;text-decoration:underline;\">" + TextHtml(piece.text) + "</span>";
        break;
    }
  }
  return html;
}

std::string RemarksAt(const ModuleModel& model, DeclarationKind kind, const std::optional<DeclarationPlace>& place) {
  std::string remarks;
  if (!place) return remarks;
  VisitDeclaration(model, kind, *place, [&](const auto& record) {
    if constexpr (requires { record.remarks; }) remarks = record.remarks;
  });
  return remarks;
}

class ReportWriter {
 public:
  ReportWriter(const ComparedModules& m, const ComparisonHtmlOptions& options)
      : m_(m), links_(options.links), room_(options.maxDeclarations) {}

  std::string Write() {
    out_ = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>模块比较：";
    out_ += HtmlEscaped(ModuleLabel(m_.oldModel)) + " → " + HtmlEscaped(ModuleLabel(m_.newModel));
    out_ += "</title>\n</head>\n<body style=\"font-family:SimSun,'Noto Serif CJK SC',serif;\">\n<h2>模块比较</h2>\n";
    Modules();
    const ModuleComparison& r = m_.result;
    if (r.Same()) {
      out_ += "<p>没有差别。</p>\n";
    } else {
      out_ += "<p>共计：" + CountsText(r.added.size(), r.removed.size(), r.changed.size()) + "</p>\n";
      const size_t total = r.added.size() + r.removed.size() + r.changed.size();
      if (total > room_)
        out_ += "<p>这里列出前 " + std::to_string(room_) + " 项，另有 " + std::to_string(total - room_) +
                " 项未列出；ecview-cli diff 列出全部。</p>\n";
      Info();
      Libraries();
      for (const KindSection& s : SectionsByKind(r)) Section(s);
    }
    out_ += "</body>\n</html>\n";
    return std::move(out_);
  }

 private:
  void Modules() {
    out_ += kTableOpen;
    out_ += CaptionRow({"", "文件", "模块"});
    out_ += "<tr>" + Cell("旧") + Cell(HtmlEscaped(m_.oldFile)) + Cell(HtmlEscaped(ModuleLabel(m_.oldModel))) + "</tr>\n";
    out_ += "<tr>" + Cell("新") + Cell(HtmlEscaped(m_.newFile)) + Cell(HtmlEscaped(ModuleLabel(m_.newModel))) + "</tr>\n";
    out_ += "</table>\n";
  }

  void Info() {
    if (m_.result.info.empty()) return;
    out_ += "<h3>模块信息</h3>\n";
    out_ += kTableOpen;
    out_ += CaptionRow({"项目", "旧", "新"});
    for (const InfoDifference& d : m_.result.info) {
      out_ += "<tr>" + Cell(InfoHeading(d.field)) + Cell(TextHtml(d.oldValue), "width=\"45%\"") +
              Cell(TextHtml(d.newValue), "width=\"45%\"") + "</tr>\n";
      if (d.field == "remarks")
        out_ += "<tr>" + Cell("改动") + Cell(MarkedWords(d.oldValue, d.newValue), "colspan=\"2\"") + "</tr>\n";
    }
    out_ += "</table>\n";
  }

  void Libraries() {
    if (m_.result.libraries.empty()) return;
    out_ += "<h3>支持库</h3>\n";
    out_ += kTableOpen;
    out_ += CaptionRow({"变化", "支持库", "旧版本", "新版本"});
    for (const LibraryDifference& d : m_.result.libraries) {
      const std::string change = d.change == LibraryDifference::Change::Added     ? Mark("新增", kAddedColour)
                                 : d.change == LibraryDifference::Change::Removed ? Mark("删除", kRemovedColour)
                                                                                  : Mark("版本", kChangedColour);
      out_ += "<tr>" + Cell(change) + Cell(HtmlEscaped(d.name + "(" + d.file + ")")) + Cell(HtmlEscaped(d.oldVersion)) +
              Cell(HtmlEscaped(d.newVersion)) + "</tr>\n";
    }
    out_ += "</table>\n";
  }

  void Section(const KindSection& s) {
    out_ += "<h3>" + std::string(KindHeading(s.kind)) + "：" +
            CountsText(s.added.size(), s.removed.size(), s.changed.size()) + "</h3>\n";
    if (room_ == 0) return;
    out_ += kTableOpen;
    for (const DeclarationDifference* d : s.added)
      if (Take()) Whole(*d, Mark("新增", kAddedColour), m_.newModel, d->newPlace);
    for (const DeclarationDifference* d : s.removed)
      if (Take()) Whole(*d, Mark("删除", kRemovedColour), m_.oldModel, d->oldPlace);
    for (const DeclarationDifference* d : s.changed)
      if (Take()) SideBySide(*d);
    out_ += "</table>\n";
  }

  // Whether one more declaration may be written.
  bool Take() {
    if (room_ == 0) return false;
    --room_;
    return true;
  }

  // An added or removed declaration: its name, then its code across the table.
  void Whole(const DeclarationDifference& d, const std::string& mark, const ModuleModel& model,
             const std::optional<DeclarationPlace>& place) {
    out_ += "<tr>" + Cell(mark + Name(d), "colspan=\"2\" bgcolor=\"" + std::string(kCaption) + "\"") + "</tr>\n";
    out_ += "<tr>" + Cell(Code(model, d.kind, place), "colspan=\"2\"") + "</tr>\n";
  }

  void SideBySide(const DeclarationDifference& d) {
    const std::string heading = Mark("修改", kChangedColour) + Name(d) + "（" + FieldHeadings(d) + "）";
    out_ += "<tr>" + Cell(heading, "colspan=\"2\" bgcolor=\"" + std::string(kCaption) + "\"") + "</tr>\n";
    out_ += "<tr>" + Cell(Code(m_.oldModel, d.kind, d.oldPlace), "width=\"50%\" valign=\"top\"") +
            Cell(Code(m_.newModel, d.kind, d.newPlace), "width=\"50%\" valign=\"top\"") + "</tr>\n";
    const ParameterChanges changes = ParameterChangesOf(m_, d);
    ChangedParameters(d, changes);
    ChangedRemarks(d, changes);
  }

  // The changed words of the declaration's remarks and of its parameters'
  // (members') remarks, one line each.
  void ChangedRemarks(const DeclarationDifference& d, const ParameterChanges& changes) {
    if (std::find(d.fields.begin(), d.fields.end(), "remarks") != d.fields.end())
      RemarksRow("备注", RemarksAt(m_.oldModel, d.kind, d.oldPlace), RemarksAt(m_.newModel, d.kind, d.newPlace));
    const char* what = d.kind == DeclarationKind::DataType ? "成员 " : "参数 ";
    for (size_t i = 0; i < changes.remarked.size() && i < changes.remarks.size(); ++i)
      RemarksRow(what + HtmlEscaped(changes.remarked[i]) + " 的备注", changes.remarks[i].first,
                 changes.remarks[i].second);
  }

  void RemarksRow(const std::string& label, std::string_view before, std::string_view after) {
    out_ += "<tr>" + Cell(label + "：" + MarkedWords(before, after), "colspan=\"2\"") + "</tr>\n";
  }

  // A line under the pair naming the parameters (members) added, removed or
  // given other remarks, marked in the colours of the whole report.
  void ChangedParameters(const DeclarationDifference& d, const ParameterChanges& changes) {
    if (changes.Empty()) return;
    const char* what = d.kind == DeclarationKind::DataType ? "成员" : "参数";
    std::string line;
    const auto list = [&](const char* label, const std::vector<std::string>& names, std::string_view style) {
      if (names.empty()) return;
      line += (line.empty() ? "" : "；") + std::string(label);
      for (size_t i = 0; i < names.size(); ++i)
        line +=
            (i == 0 ? " " : "、") + ("<span style=\"" + std::string(style) + "\">" + HtmlEscaped(names[i]) + "</span>");
    };
    list("新增", changes.added, "color:" + std::string(kAddedColour) + ";");
    list("删除", changes.removed, "color:" + std::string(kRemovedColour) + ";text-decoration:line-through;");
    list("备注有变", changes.remarked, "color:" + std::string(kChangedColour) + ";");
    out_ += "<tr>" + Cell(std::string(what) + "：" + line, "colspan=\"2\"") + "</tr>\n";
  }

  static std::string Code(const ModuleModel& model, DeclarationKind kind, const std::optional<DeclarationPlace>& place) {
    return place ? DeclarationCode(model, kind, *place, CodeMode::Html) : std::string();
  }

  // The qualified name, a link when the linked side holds the declaration.
  std::string Name(const DeclarationDifference& d) const {
    const std::string name = "<span style=\"color:#0000AD;\">" + HtmlEscaped(QualifiedName(d)) + "</span>";
    const auto& place = links_ == LinkSide::Old ? d.oldPlace : d.newPlace;
    if (links_ == LinkSide::None || !place) return name;
    return "<a href=\"" + DeclarationHref({d.kind, *place}) + "\">" + name + "</a>";
  }

  const ComparedModules& m_;
  LinkSide links_;
  size_t room_;
  std::string out_;
};

}  // namespace

std::string ComparisonHtml(const ComparedModules& modules, const ComparisonHtmlOptions& options) {
  return ReportWriter(modules, options).Write();
}

}  // namespace ec
