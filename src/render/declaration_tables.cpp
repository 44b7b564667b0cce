#include "render/declaration_tables.h"

#include <initializer_list>

#include "render/declaration_code.h"
#include "render/constant_text.h"
#include "render/placeholder_template.h"
#include "render/table_templates.h"
#include "render/html_escape.h"
#include "render/type_links.h"

namespace ec {
namespace {

constexpr std::string_view kCheck = "√";

// A template whose "|"-separated placeholders are matched ignoring case and
// whose remark placeholder, filled last, is matched exactly.
PlaceholderTemplate Compile(const std::string& text, std::string_view placeholders, std::string_view remark) {
  std::vector<Placeholder> list = PlaceholderList(placeholders);
  list.push_back({std::string(remark), false});
  return PlaceholderTemplate(text, list);
}

std::string WithMethodCaption(std::string head) {
  constexpr std::string_view from = "<span>&nbsp;子程序名&nbsp;</span> ";
  constexpr std::string_view to = "<span>&nbsp;方法名&nbsp;</span> ";
  for (size_t at = head.find(from); at != std::string::npos; at = head.find(from, at + to.size()))
    head.replace(at, from.size(), to);
  return head;
}

struct CompiledTables {
  PlaceholderTemplate classTable;
  PlaceholderTemplate subroutineHead;
  PlaceholderTemplate methodHead;
  PlaceholderTemplate subroutineParamRow;
  PlaceholderTemplate dllHead;
  PlaceholderTemplate dllParamRow;
  PlaceholderTemplate constantRow;
  PlaceholderTemplate globalRow;
  PlaceholderTemplate dataTypeHead;
  PlaceholderTemplate memberRow;
};

const CompiledTables& Tables() {
  static const CompiledTables tables = [] {
    const TableTemplates& t = Templates();
    return CompiledTables{
        .classTable = Compile(t.classTable, "#类名#|#基类#|#公开#", "#类备注#"),
        .subroutineHead = Compile(t.subroutineHead, "#子程序名#|#返回值类型#|#公开#", "#子程序备注#"),
        .methodHead = Compile(WithMethodCaption(t.subroutineHead), "#子程序名#|#返回值类型#|#公开#", "#子程序备注#"),
        .subroutineParamRow = Compile(t.subroutineParamRow, "#参数名#|#类型#|#参考#|#可空#|#数组#", "#备注#"),
        .dllHead = Compile(t.dllHead, "#DLL命令名#|#返回值类型#|#公开#|#库文件名#|#在库中对应命令名#", "#DLL备注#"),
        .dllParamRow = Compile(t.dllParamRow, "#参数名#|#类型#|#传址#|#数组#", "#备注#"),
        .constantRow = Compile(t.constantRow, "#常量名称#|#常量值#|#公开#|#常量颜色#", "#备注#"),
        .globalRow = Compile(t.globalRow, "#全局变量名#|#类型#|#数组#|#公开#", "#备注#"),
        .dataTypeHead = Compile(t.dataTypeHead, "#数据类型名#|#公开#", "#数据类型备注#"),
        .memberRow = Compile(t.memberRow, "#成员名#|#类型#|#传址#|#数组#", "#备注#"),
    };
  }();
  return tables;
}

void Fill(std::string& out, const PlaceholderTemplate& table, std::initializer_list<std::string_view> values) {
  table.AppendTo(out, std::span<const std::string_view>(values.begin(), values.size()), true);
}

// Which values of a row are type names (linked to their declarations) and
// which one is the declared name of a data type or class (linked to its uses).
struct LinkedSlots {
  std::initializer_list<size_t> types;
  int declaredName = -1;
};

// Fill with links: the values are escaped here, the links added around them.
void Fill(std::string& out, const PlaceholderTemplate& table, std::initializer_list<std::string_view> values,
          const TypeLinks* links, LinkedSlots slots) {
  if (links == nullptr) return Fill(out, table, values);
  std::vector<std::string> cells;
  cells.reserve(values.size());
  for (const std::string_view value : values) cells.push_back(HtmlEscaped(value));
  for (const size_t slot : slots.types) cells[slot] = Linked(links->TypeHref(values.begin()[slot]), cells[slot]);
  if (slots.declaredName >= 0) {
    const auto slot = static_cast<size_t>(slots.declaredName);
    cells[slot] = Linked(links->UsesHref(values.begin()[slot]), cells[slot]);
  }
  const std::vector<std::string_view> views(cells.begin(), cells.end());
  table.AppendTo(out, views, false);
}

std::string_view Check(bool set) { return set ? kCheck : std::string_view{}; }

}  // namespace

std::string RenderSubroutineTables(std::span<const Subroutine> items, const Subroutine* single,
                                   const ClassInfo& header, const TypeLinks* links) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  const bool isClass = !header.name.empty();
  std::string out = t.open;
  if (isClass) Fill(out, c.classTable, {header.name, header.baseType, kCheck, header.remarks}, links, {{1}, 0});
  for (const Subroutine& s : ItemsOrSingle(items, single)) {
    Fill(out, isClass ? c.methodHead : c.subroutineHead, {s.name, s.returnType, kCheck, s.remarks}, links, {{1}});
    if (!s.params.empty()) out += t.subroutineParamCaption;
    for (const Parameter& p : s.params)
      Fill(out, c.subroutineParamRow,
           {p.name, p.type, Check(p.byRef), Check(p.optional), Check(p.isArray), p.remarks}, links, {{1}});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

std::string RenderDllCommandTables(std::span<const DllCommand> items, const DllCommand* single,
                                   const TypeLinks* links) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  std::string out = t.open;
  for (const DllCommand& d : ItemsOrSingle(items, single)) {
    Fill(out, c.dllHead, {d.name, d.returnType, kCheck, d.libraryFile, d.nameInLibrary, d.remarks}, links, {{1}});
    if (!d.params.empty()) out += t.dllParamCaption;
    for (const Parameter& p : d.params)
      Fill(out, c.dllParamRow, {p.name, p.type, Check(p.byRef), Check(p.isArray), p.remarks}, links, {{1}});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

std::string RenderConstantTable(std::span<const Constant> items, const Constant* single, const TypeLinks*) {
  const TableTemplates& t = Templates();
  std::string out = t.constantStart;
  for (const Constant& k : ItemsOrSingle(items, single)) {
    const ConstantValueText value = ConstantValueInTable(k);
    Fill(out, Tables().constantRow, {k.name, value.text, kCheck, value.colour, k.remarks});
  }
  out += t.constantEnd;
  return out;
}

std::string RenderGlobalVariableTable(std::span<const GlobalVar> items, const GlobalVar* single,
                                      const TypeLinks* links) {
  const TableTemplates& t = Templates();
  std::string out = t.globalStart;
  for (const GlobalVar& g : ItemsOrSingle(items, single)) {
    std::string dimensions;
    for (const int32_t d : g.dimensions) {
      if (!dimensions.empty()) dimensions += ',';
      dimensions += std::to_string(d);
    }
    Fill(out, Tables().globalRow, {g.name, g.type, dimensions, kCheck, g.remarks}, links, {{1}});
  }
  out += t.globalEnd;
  return out;
}

std::string RenderDataTypeTables(std::span<const DataType> items, const DataType* single, const TypeLinks* links) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  std::string out = t.open;
  for (const DataType& d : ItemsOrSingle(items, single)) {
    Fill(out, c.dataTypeHead, {d.name, kCheck, d.remarks}, links, {{}, 0});
    if (!d.members.empty()) out += t.memberCaption;
    for (const Parameter& e : d.members)
      Fill(out, c.memberRow, {e.name, e.type, Check(e.byRef), Check(e.isArray), e.remarks}, links, {{1}});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

}  // namespace ec
