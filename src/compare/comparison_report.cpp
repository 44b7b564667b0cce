#include "compare/comparison_report.h"

#include <utility>

#include "declarations/declaration_places.h"
#include "render/declaration_code.h"

namespace ec {
namespace {

template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

void EraseFirst(std::string& text, std::string_view piece) {
  const size_t at = text.find(piece);
  if (at != std::string::npos) text.erase(at, piece.size());
}

}  // namespace

std::string_view KindHeading(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Subroutine: return "子程序";
    case DeclarationKind::Class: return "类";
    case DeclarationKind::Method: return "方法";
    case DeclarationKind::DataType: return "自定义数据类型";
    case DeclarationKind::DllCommand: return "DLL命令";
    case DeclarationKind::Constant: return "常量";
    case DeclarationKind::Global: return "全局变量";
  }
  return "";
}

std::string_view InfoHeading(std::string_view field) {
  if (field == "name") return "模块名";
  if (field == "version") return "版本";
  if (field == "author") return "作者";
  if (field == "remarks") return "备注";
  return field;
}

std::string_view FieldHeading(std::string_view field) {
  static constexpr std::pair<std::string_view, std::string_view> kHeadings[] = {{"returnType", "返回值类型"},
                                                                                {"params", "参数"},
                                                                                {"remarks", "备注"},
                                                                                {"paramRemarks", "参数备注"},
                                                                                {"baseType", "基类"},
                                                                                {"members", "成员"},
                                                                                {"libraryFile", "库文件名"},
                                                                                {"nameInLibrary", "库中名称"},
                                                                                {"value", "值"},
                                                                                {"type", "类型"},
                                                                                {"dimensions", "数组"}};
  for (const auto& [name, heading] : kHeadings)
    if (name == field) return heading;
  return field;
}

std::string FieldHeadings(const DeclarationDifference& d) {
  std::string list;
  for (const std::string_view field : d.fields) list.append(list.empty() ? "" : "、").append(FieldHeading(field));
  return list;
}

std::string QualifiedName(const DeclarationDifference& d) {
  return d.container.empty() ? d.name : d.container + "." + d.name;
}

std::string ModuleLabel(const ModuleModel& model) {
  std::string version = std::to_string(model.info.versionMajor) + "." + std::to_string(model.info.versionMinor);
  return model.info.name.empty() ? version : model.info.name + " " + version;
}

std::string CountsText(size_t added, size_t removed, size_t changed) {
  return "新增 " + std::to_string(added) + "，删除 " + std::to_string(removed) + "，修改 " + std::to_string(changed);
}

std::string DeclarationCode(const ModuleModel& model, DeclarationKind kind, DeclarationPlace place, CodeMode mode) {
  std::string code;
  VisitDeclaration(model, kind, place,
                   Overloaded{
                       [&](const Subroutine& s) { code = RenderSubroutineCode({}, &s, mode, ClassInfo{}); },
                       [&](const ClassInfo& c) { code = RenderSubroutineCode({}, nullptr, mode, c); },
                       [&](const DataType& t) { code = RenderDataTypeCode({}, &t, mode); },
                       [&](const DllCommand& d) { code = RenderDllCommandCode({}, &d, mode); },
                       [&](const Constant& k) { code = RenderConstantCode({}, &k, mode); },
                       [&](const GlobalVar& g) { code = RenderGlobalVariableCode({}, &g, mode); },
                   });
  if (code.empty()) return code;
  const bool html = mode == CodeMode::Html;
  EraseFirst(code, html ? ".版本 2<br><br>" : ".版本 2\r\n\r\n");
  // Constants and globals end every line with a break, the last one included.
  if (html && code.ends_with("<br></div>")) code.erase(code.size() - 10, 4);
  if (!html && code.ends_with("\r\n")) code.resize(code.size() - 2);
  return code;
}

std::vector<KindSection> SectionsByKind(const ModuleComparison& result) {
  std::vector<KindSection> sections;
  for (const DeclarationKind kind : kDeclarationKinds) {
    KindSection s{kind, {}, {}, {}};
    const auto pick = [kind](const std::vector<DeclarationDifference>& from, auto& to) {
      for (const DeclarationDifference& d : from)
        if (d.kind == kind) to.push_back(&d);
    };
    pick(result.added, s.added);
    pick(result.removed, s.removed);
    pick(result.changed, s.changed);
    if (!s.added.empty() || !s.removed.empty() || !s.changed.empty()) sections.push_back(std::move(s));
  }
  return sections;
}

}  // namespace ec
