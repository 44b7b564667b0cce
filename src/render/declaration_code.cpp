#include "render/declaration_code.h"

#include "render/html_escape.h"
#include "render/constant_text.h"
#include "render/type_links.h"

namespace ec {
namespace {

constexpr std::string_view kClosing = "</div>";

// Builds one declaration text in one string; the mode decides breaks,
// indents and spans.
class CodeWriter {
 public:
  CodeWriter(CodeMode mode, const TypeLinks* links) : mode_(mode), links_(Html() ? links : nullptr) {
    if (Html()) out_.append(kCodeOpening);
    out_.append(".版本 2");
  }

  CodeWriter& Fixed(std::string_view text) {
    out_.append(text);
    return *this;
  }
  // A module text written without a span (names of parameters, globals, members).
  CodeWriter& Plain(std::string_view text) {
    if (Html())
      AppendHtmlEscaped(out_, text);
    else
      out_.append(text);
    return *this;
  }
  CodeWriter& Span(std::string_view text, std::string_view colour) {
    AppendColourSpan(out_, text, colour, mode_);
    return *this;
  }
  // A type name, linked to the declaration it names.
  CodeWriter& Type(std::string_view type, std::string_view colour = colour::kType) {
    if (links_ == nullptr) return Span(type, colour);
    out_.append(Linked(links_->TypeHref(type), ColourSpan(type, colour, mode_)));
    return *this;
  }
  // The declared name of a data type or class, linked to the page of its uses.
  CodeWriter& DeclaredName(std::string_view name) {
    if (links_ == nullptr) return Span(name, colour::kName);
    out_.append(Linked(links_->UsesHref(name), ColourSpan(name, colour::kName, mode_)));
    return *this;
  }
  // The place a document's links to data type `name` lead to.
  CodeWriter& DataTypeAnchor(std::string_view name) {
    if (links_ == nullptr) return *this;
    const std::string id = links_->DataTypeAnchor(name);
    if (!id.empty()) out_.append("<a id=\"").append(HtmlEscaped(id)).append("\"></a>");
    return *this;
  }
  CodeWriter& BlankLine() { return Fixed(Html() ? "<br><br>" : "\r\n\r\n"); }
  CodeWriter& LineBreak() { return Fixed(Html() ? "<br>" : "\r\n"); }
  CodeWriter& Indent() { return Fixed(Html() ? "&nbsp;&nbsp;&nbsp;&nbsp;" : "    "); }

  // Deletes every pair of consecutive double quotes written since the last
  // call. Text written before that is free of pairs already, and every line
  // starts with a break, so no pair can straddle the boundary.
  void DropQuotePairs() {
    size_t write = cleanFrom_;
    for (size_t read = cleanFrom_; read < out_.size(); ++read) {
      if (out_[read] == '"' && read + 1 < out_.size() && out_[read + 1] == '"') {
        ++read;
        continue;
      }
      out_[write++] = out_[read];
    }
    out_.resize(write);
    cleanFrom_ = out_.size();
  }

  std::string Finish() {
    if (Html()) out_.append(kClosing);
    return std::move(out_);
  }

 private:
  bool Html() const { return mode_ == CodeMode::Html; }

  CodeMode mode_;
  const TypeLinks* links_;
  std::string out_;
  size_t cleanFrom_ = 0;
};

// The flag words of a subroutine parameter, each with its leading blank.
std::string SubroutineFlags(const Parameter& p) {
  std::string flags;
  if (p.byRef) flags += " 参考";
  if (p.optional) flags += " 可空";
  if (p.isArray) flags += " 数组";
  return flags;
}

std::string DllParameterFlags(const Parameter& p) {
  std::string flags;
  if (p.byRef) flags += " 传址";
  if (p.isArray) flags += " 数组";
  return flags;
}

// ".参数 " line of a subroutine or DLL command; only one comma after the type.
void WriteParameter(CodeWriter& w, const Parameter& p, const std::string& flags) {
  w.LineBreak().Fixed(".参数 ").Plain(p.name).Fixed(", ").Type(p.type).Fixed(",");
  w.Span(flags, colour::kKeyword).Fixed(", ").Span(p.remarks, colour::kRemark);
}

std::string DimensionText(const std::vector<int32_t>& dimensions) {
  std::string text;
  for (const int32_t d : dimensions) {
    if (!text.empty()) text += ',';
    text += std::to_string(d);
  }
  return text;
}

}  // namespace

std::string RenderSubroutineCode(std::span<const Subroutine> items, const Subroutine* single, CodeMode mode,
                                 const ClassInfo& header, const TypeLinks* links) {
  CodeWriter w(mode, links);
  if (!header.name.empty()) {
    w.BlankLine().Fixed(".程序集 ").DeclaredName(header.name).Fixed(", ");
    w.Type(header.baseType, colour::kName).Fixed(", ").Span("公开", colour::kKeyword).Fixed(", ");
    w.Span(header.remarks, colour::kRemark);
  }
  for (const Subroutine& s : ItemsOrSingle(items, single)) {
    w.BlankLine().Fixed(".子程序 ").Span(s.name, colour::kName).Fixed(", ");
    w.Type(s.returnType).Fixed(", ").Span("公开", colour::kKeyword).Fixed(", ");
    w.Span(s.remarks, colour::kRemark);
    for (const Parameter& p : s.params) WriteParameter(w, p, SubroutineFlags(p));
  }
  return w.Finish();
}

std::string RenderDllCommandCode(std::span<const DllCommand> items, const DllCommand* single, CodeMode mode, const TypeLinks* links) {
  CodeWriter w(mode, links);
  for (const DllCommand& d : ItemsOrSingle(items, single)) {
    w.BlankLine().Fixed(".DLL命令 ").Span(d.name, colour::kName).Fixed(", ");
    w.Type(d.returnType).Fixed(", ");
    w.Span("\"" + d.libraryFile + "\"", colour::kKeyword).Fixed(", ");
    w.Span("\"" + d.nameInLibrary + "\"", colour::kKeyword).Fixed(", ");
    w.Span("公开", colour::kKeyword).Fixed(", ").Span(d.remarks, colour::kRemark);
    // An empty library or command name leaves an empty field, not "".
    w.DropQuotePairs();
    for (const Parameter& p : d.params) WriteParameter(w, p, DllParameterFlags(p));
  }
  return w.Finish();
}

std::string RenderConstantCode(std::span<const Constant> items, const Constant* single, CodeMode mode, const TypeLinks* links) {
  CodeWriter w(mode, links);
  w.BlankLine();
  for (const Constant& k : ItemsOrSingle(items, single)) {
    const ConstantValueText value = ConstantValueInCode(k);
    w.Fixed(".常量 ").Span(k.name, colour::kName).Fixed(", ");
    w.Span(value.text, value.colour).Fixed(", ");
    w.Span("公开", colour::kKeyword).Fixed(", ").Span(k.remarks, colour::kRemark).LineBreak();
  }
  return w.Finish();
}

std::string RenderGlobalVariableCode(std::span<const GlobalVar> items, const GlobalVar* single, CodeMode mode, const TypeLinks* links) {
  CodeWriter w(mode, links);
  w.BlankLine();
  for (const GlobalVar& g : ItemsOrSingle(items, single)) {
    std::string dimensions = DimensionText(g.dimensions);
    if (!dimensions.empty()) dimensions = "\"" + dimensions + "\"";
    w.Fixed(".全局变量 ").Plain(g.name).Fixed(", ").Type(g.type).Fixed(", ");
    w.Span("公开", colour::kKeyword).Fixed(", ").Fixed(dimensions).Fixed(", ");
    w.Span(g.remarks, colour::kRemark).LineBreak();
  }
  return w.Finish();
}

std::string RenderDataTypeCode(std::span<const DataType> items, const DataType* single, CodeMode mode, const TypeLinks* links) {
  CodeWriter w(mode, links);
  for (const DataType& t : ItemsOrSingle(items, single)) {
    w.BlankLine().DataTypeAnchor(t.name).Fixed(".数据类型 ").DeclaredName(t.name).Fixed(", ");
    w.Span("公开", colour::kKeyword).Fixed(", ").Span(t.remarks, colour::kRemark);
    for (const Parameter& e : t.members) {
      w.LineBreak().Indent().Fixed(".成员 ").Plain(e.name).Fixed(", ").Type(e.type).Fixed(", ");
      w.Span(e.byRef ? "传址" : "", colour::kKeyword).Fixed(", ");
      // The IDE marks every array member with one dimension, whatever it holds.
      w.Fixed(e.isArray ? "\"1\"" : "").Fixed(", ").Span(e.remarks, colour::kRemark);
    }
  }
  return w.Finish();
}

}  // namespace ec
