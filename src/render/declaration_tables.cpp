#include "render/declaration_tables.h"

#include <initializer_list>

#include "render/declaration_code.h"
#include "render/constant_text.h"
#include "render/placeholder_template.h"
#include "render/table_templates.h"

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

std::string_view Check(bool set) { return set ? kCheck : std::string_view{}; }

}  // namespace

std::string RenderSubroutineTables(std::span<const Subroutine> items, const Subroutine* single,
                                   const ClassInfo& header) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  const bool isClass = !header.name.empty();
  std::string out = t.open;
  if (isClass) Fill(out, c.classTable, {header.name, header.baseType, kCheck, header.remarks});
  for (const Subroutine& s : ItemsOrSingle(items, single)) {
    Fill(out, isClass ? c.methodHead : c.subroutineHead, {s.name, s.returnType, kCheck, s.remarks});
    if (!s.params.empty()) out += t.subroutineParamCaption;
    for (const Parameter& p : s.params)
      Fill(out, c.subroutineParamRow,
           {p.name, p.type, Check(p.byRef), Check(p.optional), Check(p.isArray), p.remarks});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

std::string RenderDllCommandTables(std::span<const DllCommand> items, const DllCommand* single) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  std::string out = t.open;
  for (const DllCommand& d : ItemsOrSingle(items, single)) {
    Fill(out, c.dllHead, {d.name, d.returnType, kCheck, d.libraryFile, d.nameInLibrary, d.remarks});
    if (!d.params.empty()) out += t.dllParamCaption;
    for (const Parameter& p : d.params)
      Fill(out, c.dllParamRow, {p.name, p.type, Check(p.byRef), Check(p.isArray), p.remarks});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

std::string RenderConstantTable(std::span<const Constant> items, const Constant* single) {
  const TableTemplates& t = Templates();
  std::string out = t.constantStart;
  for (const Constant& k : ItemsOrSingle(items, single)) {
    const ConstantValueText value = ConstantValueInTable(k);
    Fill(out, Tables().constantRow, {k.name, value.text, kCheck, value.colour, k.remarks});
  }
  out += t.constantEnd;
  return out;
}

std::string RenderGlobalVariableTable(std::span<const GlobalVar> items, const GlobalVar* single) {
  const TableTemplates& t = Templates();
  std::string out = t.globalStart;
  for (const GlobalVar& g : ItemsOrSingle(items, single)) {
    std::string dimensions;
    for (const int32_t d : g.dimensions) {
      if (!dimensions.empty()) dimensions += ',';
      dimensions += std::to_string(d);
    }
    Fill(out, Tables().globalRow, {g.name, g.type, dimensions, kCheck, g.remarks});
  }
  out += t.globalEnd;
  return out;
}

std::string RenderDataTypeTables(std::span<const DataType> items, const DataType* single) {
  const TableTemplates& t = Templates();
  const CompiledTables& c = Tables();
  std::string out = t.open;
  for (const DataType& d : ItemsOrSingle(items, single)) {
    Fill(out, c.dataTypeHead, {d.name, kCheck, d.remarks});
    if (!d.members.empty()) out += t.memberCaption;
    for (const Parameter& e : d.members)
      Fill(out, c.memberRow, {e.name, e.type, Check(e.byRef), Check(e.isArray), e.remarks});
    out += t.tableEnd;
  }
  out += t.close;
  return out;
}

}  // namespace ec
